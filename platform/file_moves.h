// Renames and links: the file operations whose meaning
// the two systems report differently, for the code that keeps a user's
// folders safe across a crash (assembly/previous_skin.h).
//
// Paths are in the local form (platform/native_path.h).
#ifndef SKINBUILDER_PLATFORM_FILE_MOVES_H_
#define SKINBUILDER_PLATFORM_FILE_MOVES_H_

#include <string>
#include <system_error>

enum class RenameResult {
  kRenamed,
  // The two paths lie on different file systems (EXDEV on POSIX,
  // ERROR_NOT_SAME_DEVICE on Windows): nothing was changed, and only a copy
  // followed by a removal can move it.
  kOtherFileSystem,
  kFailed,  // anything else; `failure` says what
};

// Renames a file or folder in one step: a crash leaves it under one name or
// the other. A file replaces a file at `to`; a folder goes only where
// nothing is.
RenameResult rename_path(const std::string& from, const std::string& to,
                         std::error_code& failure);

// Whether the path itself is a link to somewhere else: a symbolic link, or
// on Windows also a junction. (Other reparse points, such as a cloud
// drive's placeholders, are the user's real folders and files.) `target`
// is where it points as the system writes it, or empty when that cannot be
// told.
bool is_link(const std::string& path, std::string& target);

// The path with every link on the way followed, as the system writes it
// (on Windows "C:\Themes", not "\\?\C:\Themes"); empty when it cannot be
// reached.
std::string final_path(const std::string& path);

#endif  // SKINBUILDER_PLATFORM_FILE_MOVES_H_
