// How long a path the system takes from the program.
//
// POSIX looks a relative path up from the working folder however deep that
// lies: only the text handed over counts, at most PATH_MAX - 1 bytes, with
// each name in it at most NAME_MAX bytes (as the file system of the working
// folder says; most say 255, some encrypted ones less). Windows counts the
// whole path, working folder included, in UTF-16 characters: a program
// that does not declare itself long-path aware (this one does not) reaches
// a file by a path of at most 259 characters (MAX_PATH less its NUL), and
// creates a folder by one of at most 247 (room is kept for an 8.3 name).
// Past these limits file functions fail with "path not found" or "name too
// long", wherever the build happens to be.
#ifndef SKINBUILDER_PLATFORM_PATH_LIMITS_H_
#define SKINBUILDER_PLATFORM_PATH_LIMITS_H_

#include <cstddef>
#include <string>

struct PathLimits {
  size_t file_path;    // the longest path of a file, as counted_path_length counts
  size_t folder_path;  // the longest path of a folder to be created
  size_t name;         // the longest name of one file or folder
};

PathLimits path_limits();

// The length the system counts for a path in the local form
// (platform/paths.h), relative to the working folder: on POSIX the text as
// it is, on Windows the full path it stands for.
size_t counted_path_length(const std::string& local);

#endif  // SKINBUILDER_PLATFORM_PATH_LIMITS_H_
