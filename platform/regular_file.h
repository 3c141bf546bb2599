// Reading files that other people put in place, such as shared presets:
// only a regular file is read, never a FIFO, a device or a folder, and
// opening one never waits (a FIFO with no writer would hold the program
// forever). A symbolic link counts as what it points to.
#ifndef SKINBUILDER_PLATFORM_REGULAR_FILE_H_
#define SKINBUILDER_PLATFORM_REGULAR_FILE_H_

#include <cstddef>
#include <string>

enum class FileRead {
  kRead,        // bytes holds the file's first bytes, at most limit of them
  kMissing,     // nothing of that name, or it cannot be opened
  kNotRegular,  // a folder, FIFO, device or other special file
  kUnreadable,  // opened, but reading failed
};

// path is in the local form (platform/native_path.h).
FileRead read_regular_file(const char* path, size_t limit, std::string& bytes);

// Whether path names a regular file (following links).
bool is_regular_file(const char* path);

#endif  // SKINBUILDER_PLATFORM_REGULAR_FILE_H_
