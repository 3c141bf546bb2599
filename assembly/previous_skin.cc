#include "assembly/previous_skin.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include "assembly/folder_access.h"
#include "platform/build_lock.h"
#include "platform/interruption.h"
#include "platform/native_path.h"
#include "platform/shell.h"

namespace {

namespace fs = std::filesystem;

// The build under way: its skin folder and where the previous skin went.
struct BuildInProgress {
  bool active = false;
  std::string skin_name;
  fs::path skin;   // the skin folder, local form
  fs::path aside;  // the previous skin while it is kept, or empty
};
BuildInProgress build;

std::string message;

fs::path local(const std::string& interpreter_path) {
  return fs::path(native_path(interpreter_path.c_str()));
}

fs::path skin_path(const char* skin_name) {
  return local(std::string(".\\") + skin_name);
}

bool is_folder(const fs::path& path) {
  std::error_code error;
  return fs::is_directory(path, error);
}

const char* set_message(const std::string& text) {
  message = text;
  return message.c_str();
}

const char* failure_reason(const std::error_code& error) {
  if (error == std::errc::no_space_on_device) return kNoSpaceLeft;
  if (error == std::errc::permission_denied || error == std::errc::operation_not_permitted ||
      error == std::errc::read_only_file_system) {
    return kNoWriteAccess;
  }
  return "it is in use or cannot be moved";
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
  std::printf(
      "\nskindata\\temp\\build.lock cannot be opened, so the build cannot start: "
      "check that skindata\\temp can be written.\n");
  return false;
}

// The previous skin goes into skindata\temp\previous under its own name.
bool move_aside(const char* skin_name) {
  fs::path aside = local(std::string(kPreviousSkinFolder) + "\\" + skin_name);
  std::error_code error;
  if (fs::exists(aside, error)) {
    std::printf(
        "\nskindata\\temp\\previous\\%s still holds a skin kept aside by a build that did "
        "not end: move it where you want it, then build again.\n",
        skin_name);
    return false;
  }
  fs::create_directories(aside.parent_path(), error);
  if (!error) fs::rename(build.skin, aside, error);
  if (error) {
    std::printf(
        "\n%s could not be kept aside while the new skin is built (%s); nothing was "
        "changed.\n",
        skin_name, failure_reason(error));
    return false;
  }
  build.aside = aside;
  return true;
}

void end_build() {
  std::error_code error;
  fs::remove(local(kPreviousSkinFolder), error);  // only when nothing is kept there
  stop_watching_interruptions();
  send_command_errors_to(nullptr);
  release_lock_file();
  build = BuildInProgress{};
}

// Removes the half-made folder and moves the previous skin back; returns
// the line that tells the user where things stand.
std::string put_back() {
  std::error_code error;
  // Found anew: the build made its folder under the name as typed, which
  // may differ in letter case from the folder that was moved aside.
  fs::remove_all(skin_path(build.skin_name.c_str()), error);
  const std::string& name = build.skin_name;
  if (build.aside.empty()) {
    if (error) return "The half-made " + name + " could not be removed.";
    return "The half-made " + name + " was removed.";
  }
  if (!error) fs::rename(build.aside, build.skin, error);
  if (error) {
    return "The previous " + name + " could not be put back; it is kept in skindata\\temp\\" +
           "previous\\" + name + ".";
  }
  return name + " is as it was before this build.";
}

void on_interrupted(int exit_status) {
  std::string told = put_back();
  std::printf("\nInterrupted. %s\n", told.c_str());
  std::fflush(stdout);
  end_build();
  std::exit(exit_status);
}

}  // namespace

ExistingFolder existing_folder(const char* skin_name) {
  fs::path skin = skin_path(skin_name);
  std::error_code error;
  if (!fs::exists(fs::symlink_status(skin, error))) return ExistingFolder::kNone;
  // A link is never taken for a skin: moving it aside would move only
  // the link, and removing what it points to is not ours to do.
  if (fs::is_symlink(fs::symlink_status(skin, error))) return ExistingFolder::kOther;
  if (is_folder(skin) && is_folder(skin / "Images") && is_folder(skin / "Scripts")) {
    return ExistingFolder::kSkin;
  }
  return ExistingFolder::kOther;
}

const char* name_taken_by_other_folder(const char* skin_name) {
  if (existing_folder(skin_name) != ExistingFolder::kOther) return nullptr;
  return set_message(std::string("There is a folder or file named ") + skin_name +
                     " here that is not a skin; please choose another name.");
}

bool begin_skin_build(const char* skin_name) {
  if (!take_build_lock()) return false;
  build.skin_name = skin_name;
  build.skin = skin_path(skin_name);
  ExistingFolder existing = existing_folder(skin_name);
  if (existing == ExistingFolder::kOther) {
    std::printf(
        "\nA folder or file named %s is in the way: it is not a skin (it has no Images "
        "and Scripts folders). Move or rename it, then build again.\n",
        skin_name);
  }
  // Watched from here on: an interruption is acted on only at the next
  // command or answer, by when the previous skin is aside.
  watch_interruptions(on_interrupted);
  if (existing == ExistingFolder::kOther ||
      (existing == ExistingFolder::kSkin && !move_aside(skin_name))) {
    end_build();
    return false;
  }
  build.active = true;
  send_command_errors_to(native_path(kToolMessagesFile).c_str());
  return true;
}

void keep_new_skin() {
  if (!build.active) return;
  std::error_code error;
  if (!build.aside.empty()) {
    fs::remove_all(build.aside, error);
  }
  end_build();
}

void restore_previous_skin() {
  if (!build.active) return;
  std::string told = put_back();
  std::printf("%s\n", told.c_str());
  end_build();
}
