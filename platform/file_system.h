// File names between the program's text and the system's file functions.
//
// The program keeps paths as narrow text: on POSIX the bytes of the name,
// on Windows text in the system's ANSI code page, which is what the C
// library's fopen and every "A" function read. Windows' own names are
// UTF-16: a working folder such as "C:\Users\Jürgen\Skins", or a temporary
// folder below it, is reached only through the wide functions. The file
// system code of the command interpreter therefore goes through
// std::filesystem with paths made here, so that both kinds of code name
// the same files.
#ifndef SKINBUILDER_PLATFORM_FILE_SYSTEM_H_
#define SKINBUILDER_PLATFORM_FILE_SYSTEM_H_

#include <filesystem>
#include <string>
#include <system_error>

// A path in the local form (platform/paths.h) as the system names it.
std::filesystem::path fs_path(const std::string& local);

// The path back in the program's narrow text ("/" as separator on POSIX,
// as the system gives it on Windows).
std::string path_text(const std::filesystem::path& path);

// A path as the system writes it, for messages: "/" on POSIX, "\" on
// Windows.
std::string shown_path(const std::string& local);

// Copies a file over whatever file is at `to`; `failure` says why it could
// not. (MinGW's std::filesystem::copy_file refuses to overwrite on Windows:
// its stat gives every file of a drive the same number, so any two files
// look like one.)
void copy_file_over(const std::string& from, const std::string& to, std::error_code& failure);

// What a failed file operation means for the messages that tell it.
enum class FileFailure {
  kNoSpace,      // the disk (or the user's quota) is full
  kNotFound,     // a folder on the way does not exist
  kNoAccess,     // no permission, or a read-only disk
  kNameTooLong,  // the path, or a name in it, is longer than the system takes
  kOther,        // everything else
};
FileFailure failure_kind(const std::error_code& failure);

#endif  // SKINBUILDER_PLATFORM_FILE_SYSTEM_H_
