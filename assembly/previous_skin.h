// Keeping the user's previous skin until the new one is complete, and one
// build at a time per working folder.
//
// A build under a name whose folder exists replaces that folder, but the
// old folder is not removed first: begin_skin_build moves it aside, into
// skindata\temp\previous, before the template is copied (the clearing
// command then finds nothing to remove), and it is removed only when the
// new skin has passed its check (keep_new_skin). When the build fails
// (restore_previous_skin) or is interrupted (platform/interruption.h), the
// half-made folder is removed and the previous one moved back, with one
// line said, so that the user ends with what they had.
//
// A folder of the skin's name that is not a skin (it lacks a skin's Images
// and Scripts folders), or a file of that name, is never touched.
//
// From begin to the end of the build, the working folder's build lock is
// held (skindata\temp\build.lock): a second program that wants to build in
// the same folder waits for it, saying so in one line. Meanwhile the
// tools' own messages go to skindata\temp\tool-messages.txt instead of the
// console (the build reports failures itself).
#ifndef SKINBUILDER_ASSEMBLY_PREVIOUS_SKIN_H_
#define SKINBUILDER_ASSEMBLY_PREVIOUS_SKIN_H_

enum class ExistingFolder {
  kNone,   // nothing of that name
  kSkin,   // a folder with a skin's Images and Scripts folders
  kOther,  // any other folder, or a file
};

ExistingFolder existing_folder(const char* skin_name);

// nullptr when the name can be built under, else the one-line reason: a
// folder or file of that name is there and is not a skin.
const char* name_taken_by_other_folder(const char* skin_name);

// Takes the build lock (waiting for another build, if any) and moves an
// existing skin of that name aside. False when the build must not start,
// after one line saying why; nothing has been touched then. From now on an
// interruption puts everything back and ends the program.
bool begin_skin_build(const char* skin_name);

// The new skin passed its check: the previous one is removed.
void keep_new_skin();

// The build failed: the half-made folder is removed and the previous skin
// put back, told in one line.
void restore_previous_skin();

// Where a previous skin is kept during a build, in the command
// interpreter's form.
inline constexpr char kPreviousSkinFolder[] = ".\\skindata\\temp\\previous";
inline constexpr char kBuildLockFile[] = ".\\skindata\\temp\\build.lock";
inline constexpr char kToolMessagesFile[] = ".\\skindata\\temp\\tool-messages.txt";

#endif  // SKINBUILDER_ASSEMBLY_PREVIOUS_SKIN_H_
