// Keeping the user's previous skin until the new one is complete, and one
// build at a time per working folder.
//
// A build under a name whose folder exists replaces that folder, but the
// old folder is not removed first: begin_skin_build moves it aside, into
// skindata\temp\previous, before the template is copied (the clearing
// command then finds nothing to remove), and it is removed only when the
// new skin has passed its check (keep_new_skin). When the build fails
// (restore_previous_skin) or is interrupted (stop_interrupted_build), the
// half-made folder is removed and the previous one moved back, with one
// line said, so that the user ends with what they had. The moves are
// renames; where skindata\temp lies on another file system than the skin,
// the folder is copied, the copy checked, and only then the original
// removed (assembly/folder_move.h).
//
// A crash (the program killed, the power lost) cannot be caught, so each
// step is recorded before it is taken (assembly/build_state.h), and the
// next run finishes what the last one left: a previous skin kept aside by
// a build that did not end is put back over the half-made folder, a first
// build's half-made folder is removed, each said in one line; a discard
// that was cut short after a good build is finished without a word. Only
// a kept skin that no state accounts for (left by an older version) is
// left for the user, with a message naming both folders.
//
// A folder of the skin's name that is not a skin (it lacks a skin's Images
// and Scripts folders), a file of that name, or a link of that name (a
// symbolic link, a junction), is never touched, nor what a link points to.
//
// From begin to the end of the build, the working folder's build lock is
// held (skindata\temp\build.lock): a second program that wants to build in
// the same folder waits for it, saying so in one line. Meanwhile the
// tools' own messages go to skindata\temp\tool-messages.txt instead of the
// console (the build reports failures itself).
#ifndef SKINBUILDER_ASSEMBLY_PREVIOUS_SKIN_H_
#define SKINBUILDER_ASSEMBLY_PREVIOUS_SKIN_H_

#include <string>

#include "assembly/build_state.h"

enum class ExistingFolder {
  kNone,   // nothing of that name
  kSkin,   // a folder with a skin's Images and Scripts folders
  kLink,   // a link, wherever it points
  kOther,  // any other folder, or a file
};

ExistingFolder existing_folder(const char* skin_name);
// The same for any path in the local form (platform/native_path.h).
ExistingFolder existing_folder_at(const std::string& path);

// Empty when the name can be built under, else the one-line reason: a
// folder, file or link of that name is there and is not a skin.
std::string name_taken_by_other_folder(const char* skin_name);

// Finishes what a build that did not end left, when no other build holds
// the lock, and says in a line what was put back or removed. For the start
// of the run, before a name is asked: a half-made folder must not be taken
// for a folder in the way.
void finish_build_cut_short();

// A build under way, from begin_skin_build until one of the three below
// ends it. Its state names the skin folder by its real name when there was
// one, so that the previous skin comes back under it even when the name
// was typed in another letter case.
struct SkinBuild {
  bool active = false;     // false when the build did not start
  std::string typed_name;  // as the user gave it, for what is said
  BuildState state;
  bool interrupted = false;  // the user interrupted it before its stages ran
};

// Takes the build lock (waiting for another build, if any) and moves an
// existing skin of that name aside. Not active when the build must not
// start, after one line saying why; nothing has been touched then. A build
// left over by a crash is finished first. From now on an interruption is
// only noted (platform/interruption.h): the commands stop at it, and the
// caller ends the build with stop_interrupted_build.
SkinBuild begin_skin_build(const char* skin_name);

// The new skin passed its check: the previous one is removed.
void keep_new_skin(SkinBuild& build);

// The build failed: the half-made folder is removed and the previous skin
// put back, told in one line.
void restore_previous_skin(SkinBuild& build);

// The build was interrupted: the same as restore_previous_skin, told as
// "\nInterrupted. " and what was put back. Returns the exit status the
// interruption calls for (128 plus its signal's number).
int stop_interrupted_build(SkinBuild& build);

// Where a previous skin is kept during a build, in the command
// interpreter's form.
inline constexpr char kPreviousSkinFolder[] = ".\\skindata\\temp\\previous";
// Where a kept copy goes to be removed: whatever is there is only to go.
inline constexpr char kDiscardedFolder[] = ".\\skindata\\temp\\discarded";
inline constexpr char kBuildLockFile[] = ".\\skindata\\temp\\build.lock";
inline constexpr char kToolMessagesFile[] = ".\\skindata\\temp\\tool-messages.txt";

#endif  // SKINBUILDER_ASSEMBLY_PREVIOUS_SKIN_H_
