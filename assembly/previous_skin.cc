#include "assembly/previous_skin.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "assembly/build_state.h"
#include "assembly/folder_access.h"
#include "assembly/folder_move.h"
#include "platform/build_lock.h"
#include "platform/file_moves.h"
#include "platform/file_system.h"
#include "platform/interruption.h"
#include "platform/native_path.h"
#include "platform/paths.h"
#include "platform/shell.h"

namespace {

namespace fs = std::filesystem;

// How a build that did not end was brought to an end.
enum class Ending {
  kQuiet,            // nothing the user needs to hear
  kPutBack,          // the previous skin is back, as it was
  kHalfMadeRemoved,  // a first build's folder is gone
  kHalfMadeStays,    // ... but could not be removed
  kKeptStays,        // the previous skin could not be put back; it is still kept
  kPartialCopyStays, // a partial copy of the skin could not be removed
};
struct Finished {
  Ending ending = Ending::kQuiet;
  std::error_code failure;
};

std::string local(const std::string& interpreter_path) {
  return native_path(interpreter_path.c_str());
}

std::string skin_path(const std::string& skin_name) {
  return local(".\\" + skin_name);
}

std::string kept_path(const std::string& skin_name) {
  return local(std::string(kPreviousSkinFolder) + "\\" + skin_name);
}

// A path of the working folder as the system writes it, for messages.
std::string shown(const std::string& interpreter_path) {
  std::string path = interpreter_path.compare(0, 2, ".\\") == 0 ? interpreter_path.substr(2)
                                                                : interpreter_path;
  return shown_path(local_path(path));
}

std::string shown_kept(const std::string& skin_name) {
  return shown(std::string(kPreviousSkinFolder) + "\\" + skin_name);
}

bool there(const std::string& path) {
  std::string target;
  return path_exists(path) || is_link(path, target);
}

const char* failure_reason(const std::error_code& error) {
  if (failure_kind(error) == FileFailure::kNoSpace) return kNoSpaceLeft;
  if (error == std::errc::permission_denied || error == std::errc::operation_not_permitted ||
      error == std::errc::read_only_file_system) {
    return kNoWriteAccess;
  }
  return "it is in use or cannot be moved";
}

// The state on disk follows the folders step by step.
bool enter_stage(BuildState& state, BuildStage stage, std::error_code& failure) {
  state.stage = stage;
  return record_build_state(state, failure);
}

// What is left of a kept copy goes in two steps: first, in one step, into
// the trash folder, whose content is only ever to go; then it is removed.
// A removal cut short by a crash leaves nothing that could pass for a skin.
bool discard_kept(const std::string& skin_name, std::error_code& failure) {
  failure.clear();
  std::string kept = kept_path(skin_name);
  if (!there(kept)) return true;
  std::string trash = local(kDiscardedFolder);
  std::error_code ignored;
  remove_tree(trash, ignored);
  bool in_trash = make_folders(trash) &&
                  rename_path(kept, join_path(trash, skin_name), ignored) == RenameResult::kRenamed;
  return remove_tree(in_trash ? trash : kept, failure) && remove_tree(trash, failure);
}

Finished finished(Ending ending, const std::error_code& failure = std::error_code()) {
  return Finished{ending, failure};
}

// Removes the half-made folder and moves the previous skin back. Across
// file systems the kept copy is copied back and counts until the copy is
// whole.
Finished put_back_kept(BuildState& state) {
  std::error_code failure;
  enter_stage(state, BuildStage::kRestoring, failure);  // kBuilding is finished the same way
  if (!remove_tree(skin_path(state.skin_name), failure)) {
    return finished(Ending::kKeptStays, failure);
  }
  // Found anew: the build made its folder under the name as typed, which
  // may differ in letter case from the skin's own.
  std::string skin = skin_path(state.skin_name);
  bool copied = false;
  CopyAgreed agreed = [&](std::error_code& refused) {
    copied = enter_stage(state, BuildStage::kDiscarding, refused);
    return copied;
  };
  // After a copy, what is left of the kept one goes at the next build.
  if (!move_folder(kept_path(state.skin_name), skin, agreed, failure) && !copied) {
    return finished(Ending::kKeptStays, failure);
  }
  if (!failure) clear_build_state();
  return finished(Ending::kPutBack);
}

Finished remove_half_made(const BuildState& state) {
  std::string skin = skin_path(state.skin_name);
  bool made = there(skin);
  std::error_code failure;
  if (!remove_tree(skin, failure)) return finished(Ending::kHalfMadeStays, failure);
  clear_build_state();
  return finished(made ? Ending::kHalfMadeRemoved : Ending::kQuiet);
}

// The previous skin was being moved aside: while the skin folder is there,
// the move had not ended and any copy is partial.
Finished finish_keeping(BuildState& state) {
  if (!there(skin_path(state.skin_name))) return put_back_kept(state);
  std::error_code failure;
  if (!discard_kept(state.skin_name, failure)) {
    return finished(Ending::kPartialCopyStays, failure);
  }
  clear_build_state();
  return finished(Ending::kQuiet);
}

// Without a kept copy, a previous skin is back already (restoring) or was
// moved by the user: the skin folder stays as it is.
Finished finish_building(BuildState& state) {
  if (!state.kept) return remove_half_made(state);
  if (there(kept_path(state.skin_name))) return put_back_kept(state);
  bool was_restoring = state.stage == BuildStage::kRestoring;
  clear_build_state();
  return finished(was_restoring ? Ending::kPutBack : Ending::kQuiet);
}

Finished finish(BuildState& state) {
  switch (state.stage) {
    case BuildStage::kKeepingAside:
      return finish_keeping(state);
    case BuildStage::kBuilding:
    case BuildStage::kRestoring:
      return finish_building(state);
    case BuildStage::kDiscarding:
      break;
  }
  std::error_code failure;
  if (discard_kept(state.skin_name, failure)) clear_build_state();
  return finished(Ending::kQuiet);
}

// What the run after a crash says about it; empty when nothing.
std::string recovery_line(const Finished& done, const std::string& name) {
  std::string cut_short = "A build of " + name + " was cut short earlier";
  std::string reason = done.failure ? failure_reason(done.failure) : "";
  switch (done.ending) {
    case Ending::kQuiet:
      return "";
    case Ending::kPutBack:
      return cut_short + ": " + name + " is as it was before that build.";
    case Ending::kHalfMadeRemoved:
      return cut_short + ": its half-made folder was removed.";
    case Ending::kHalfMadeStays:
      return cut_short + ", and its half-made folder " + name + " could not be removed (" +
             reason + "): remove it, then build again.";
    case Ending::kKeptStays:
      return cut_short + ", and the skin it had kept aside could not be put back (" + reason +
             "): it is in " + shown_kept(name) + ", and " + name +
             " holds what that build made. Keep the one you want as " + name +
             ", then build again.";
    case Ending::kPartialCopyStays:
      return cut_short + " while it was keeping " + name + " aside, and the partial copy in " +
             shown_kept(name) + " could not be removed (" + reason + "): remove it (" + name +
             " itself is whole), then build again.";
  }
  return "";
}

bool stuck(Ending ending) {
  return ending == Ending::kHalfMadeStays || ending == Ending::kKeptStays ||
         ending == Ending::kPartialCopyStays;
}

// Brings a build that did not end to its end, as its state says, with the
// build lock held. False when its folders could not be put right (the
// state stays for the next try); `said` is what the user is told.
bool finish_build_left_over(std::string& said) {
  said.clear();
  BuildState state;
  std::error_code ignored;
  remove_tree(local(kDiscardedFolder), ignored);
  if (read_build_state(state) != StateFound::kKnown) return true;
  Finished done = finish(state);
  fs::remove(fs_path(local(kPreviousSkinFolder)), ignored);  // only when nothing is kept there
  said = recovery_line(done, state.skin_name);
  return !stuck(done.ending);
}

// Removes the half-made folder and moves the previous skin back; returns
// the line that tells the user where things stand.
std::string put_back(SkinBuild& build) {
  Finished done = build.state.kept ? put_back_kept(build.state) : remove_half_made(build.state);
  const std::string& name = build.typed_name;
  switch (done.ending) {
    case Ending::kHalfMadeStays:
      return "The half-made " + name + " could not be removed.";
    case Ending::kKeptStays:
      return "The previous " + name + " could not be put back; it is kept in " +
             shown_kept(build.state.skin_name) + ".";
    default:
      break;
  }
  if (!build.state.kept) return "The half-made " + name + " was removed.";
  return name + " is as it was before this build.";
}

// Waits for another build in this folder, if any, saying so once.
bool take_build_lock() {
  std::string lock = native_path(kBuildLockFile);
  LockState state = lock_file(lock.c_str(), false);
  if (state == LockState::kHeldElsewhere) {
    std::printf("\nAnother skin is being built in this folder; waiting for it to finish.\n");
    std::fflush(stdout);
    state = lock_file(lock.c_str(), true);
  }
  if (state == LockState::kTaken) return true;
  std::printf("\n%s cannot be opened, so the build cannot start: check that %s can be written.\n",
              shown(kBuildLockFile).c_str(), shown(".\\skindata\\temp").c_str());
  return false;
}

// A kept skin that no state accounts for (a build of an older version, or
// one whose state is lost) is the user's to sort out.
bool kept_skin_unaccounted(const std::string& skin_name) {
  if (!there(kept_path(skin_name))) return false;
  std::printf(
      "\n%s holds a skin that an earlier build kept aside and never put back, and %s here may "
      "be what that build made: keep the one you want as %s, move the other elsewhere, then "
      "build again.\n",
      shown_kept(skin_name).c_str(), skin_name.c_str(), skin_name.c_str());
  return true;
}

bool record_or_say(SkinBuild& build, BuildStage stage) {
  std::error_code failure;
  if (enter_stage(build.state, stage, failure)) return true;
  std::printf("\nThe build cannot start: %s cannot be written (%s).\n",
              shown(kBuildStateFile).c_str(), failure_reason(failure));
  return false;
}

// Says why the previous skin could not be moved aside. Until its copy was
// agreed, the skin stands whole where it was; after, it is put back from
// the copy.
void say_not_kept_aside(SkinBuild& build, bool copied, const std::error_code& failure) {
  std::string outcome = "; nothing was changed.";
  if (copied) {
    outcome = ". " + put_back(build);
  } else {
    clear_build_state();
  }
  std::printf("\n%s could not be kept aside while the new skin is built (%s)%s\n",
              build.typed_name.c_str(), failure_reason(failure), outcome.c_str());
}

// The previous skin goes into skindata\temp\previous under its own name.
bool move_aside(SkinBuild& build) {
  const std::string& name = build.state.skin_name;
  if (kept_skin_unaccounted(name)) return false;
  build.state.kept = true;
  if (!make_folders(local(kPreviousSkinFolder)) ||
      !record_or_say(build, BuildStage::kKeepingAside)) {
    return false;
  }
  bool copied = false;
  CopyAgreed agreed = [&](std::error_code& refused) {
    copied = enter_stage(build.state, BuildStage::kBuilding, refused);
    return copied;
  };
  std::error_code failure;
  if (!move_folder(skin_path(name), kept_path(name), agreed, failure)) {
    say_not_kept_aside(build, copied, failure);
    return false;
  }
  if (copied || record_or_say(build, BuildStage::kBuilding)) return true;
  // Renamed in one step, so it goes back in one: until the state says so,
  // the next run would take the new folder for the skin itself.
  rename_path(kept_path(name), skin_path(name), failure);
  clear_build_state();
  return false;
}

void end_build(SkinBuild& build) {
  std::error_code error;
  fs::remove(fs_path(local(kPreviousSkinFolder)), error);  // only when nothing is kept there
  remove_tree(local(kDiscardedFolder), error);
  stop_watching_interruptions();
  send_command_errors_to(nullptr);
  release_lock_file();
  build = SkinBuild{};
}

// The skin folder's own name, in the letter case it has on the disk.
std::string real_name(const char* skin_name) {
  return name_of(local_path(skin_path(skin_name)));
}

void say_in_the_way(ExistingFolder existing, const char* skin_name) {
  std::string target;
  if (existing == ExistingFolder::kLink && is_link(skin_path(skin_name), target)) {
    std::string to = target.empty() ? "" : " to " + target;
    std::printf(
        "\n%s here is a link%s, not a folder of its own: the build does not replace it or what "
        "it points to. Move or rename the link, then build again.\n",
        skin_name, to.c_str());
    return;
  }
  std::printf(
      "\nA folder or file named %s is in the way: it is not a skin (it has no Images and "
      "Scripts folders). Move or rename it, then build again.\n",
      skin_name);
}

// Takes the lock and finishes any build left over, saying what was done.
bool start_clean() {
  if (!take_build_lock()) return false;
  std::string said;
  bool finished_well = finish_build_left_over(said);
  if (!said.empty()) std::printf("\n%s\n", said.c_str());
  return finished_well;
}

}  // namespace

ExistingFolder existing_folder(const char* skin_name) {
  return existing_folder_at(skin_path(skin_name));
}

ExistingFolder existing_folder_at(const std::string& path) {
  std::string target;
  // A link is never taken for a skin: moving it aside would move only
  // the link, and removing what it points to is not ours to do.
  if (is_link(path, target)) return ExistingFolder::kLink;
  if (!path_exists(path)) return ExistingFolder::kNone;
  if (is_folder(path) && is_folder(join_path(path, "Images")) &&
      is_folder(join_path(path, "Scripts"))) {
    return ExistingFolder::kSkin;
  }
  return ExistingFolder::kOther;
}

std::string name_taken_by_other_folder(const char* skin_name) {
  ExistingFolder existing = existing_folder(skin_name);
  if (existing == ExistingFolder::kLink) {
    std::string target;
    is_link(skin_path(skin_name), target);
    std::string to = target.empty() ? "" : " to " + target;
    return std::string(skin_name) + " here is a link" + to +
           ", not a folder of its own; please choose another name.";
  }
  if (existing != ExistingFolder::kOther) return std::string();
  return std::string("There is a folder or file named ") + skin_name +
         " here that is not a skin; please choose another name.";
}

void finish_build_cut_short() {
  if (lock_file(native_path(kBuildLockFile).c_str(), false) != LockState::kTaken) return;
  std::string said;
  if (finish_build_left_over(said) && !said.empty()) std::printf("%s\n\n", said.c_str());
  release_lock_file();
}

SkinBuild begin_skin_build(const char* skin_name) {
  SkinBuild build;
  if (!start_clean()) {
    release_lock_file();
    return build;
  }
  ExistingFolder existing = existing_folder(skin_name);
  build.typed_name = skin_name;
  build.state = BuildState{BuildStage::kBuilding, false,
                           existing == ExistingFolder::kSkin ? real_name(skin_name) : skin_name};
  // What an older version left aside is named first: the folder in the
  // way may be what it was building.
  if ((existing == ExistingFolder::kLink || existing == ExistingFolder::kOther) &&
      !kept_skin_unaccounted(skin_name)) {
    say_in_the_way(existing, skin_name);
  }
  // Watched from here on: the caller sees an interruption only after this
  // returns, by when the previous skin is aside.
  watch_interruptions();
  bool ready = false;
  if (existing == ExistingFolder::kSkin) ready = move_aside(build);
  if (existing == ExistingFolder::kNone) ready = record_or_say(build, BuildStage::kBuilding);
  if (!ready) {
    end_build(build);
    return build;
  }
  build.active = true;
  send_command_errors_to(native_path(kToolMessagesFile).c_str());
  return build;
}

void keep_new_skin(SkinBuild& build) {
  if (!build.active) return;
  std::error_code failure;
  if (build.state.kept) {
    enter_stage(build.state, BuildStage::kDiscarding, failure);
    // What could not be removed now goes at the next build (its state says so).
    if (!discard_kept(build.state.skin_name, failure)) {
      end_build(build);
      return;
    }
  }
  clear_build_state();
  end_build(build);
}

void restore_previous_skin(SkinBuild& build) {
  if (!build.active) return;
  std::string told = put_back(build);
  std::printf("%s\n", told.c_str());
  end_build(build);
}

// Still watched while the folders are put back: a second Ctrl-C is only
// noted, so the putting back is never cut short.
int stop_interrupted_build(SkinBuild& build) {
  int status = 128 + interruption_signal();
  if (!build.active) return status;
  std::string told = put_back(build);
  std::printf("\nInterrupted. %s\n", told.c_str());
  std::fflush(stdout);
  end_build(build);
  return status;
}
