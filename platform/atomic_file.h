// Writing a file so that it is either what it was or the whole new bytes,
// never anything between: not after a full disk, a failed write, a kill or
// a power cut.
//
// The bytes go to a temporary file beside the target, named
// "<target>.<process id>.tmp" (a number after the id when that is taken).
// Every write is checked, the file is flushed to the disk and closed, and
// only then renamed over the target in one step. Whatever fails on the
// way, the temporary file is removed and the target is left as it was. A
// kill between the first write and the rename leaves at most that
// temporary file, whose name ends in ".tmp": it never passes for the file
// it was meant to become.
#ifndef SKINBUILDER_PLATFORM_ATOMIC_FILE_H_
#define SKINBUILDER_PLATFORM_ATOMIC_FILE_H_

#include <string>
#include <system_error>

// path is in the local form (platform/native_path.h). False, with the
// system's reason in failure, when the file could not be written.
bool write_file_atomically(const std::string& path, const std::string& bytes,
                           std::error_code& failure);

// Makes a new or renamed entry beside path reach the disk with its folder,
// so that a power loss cannot forget a rename the program has built on.
// Nothing to do on Windows, whose renames are journalled with the folder.
void flush_folder_of(const std::string& path);

// The temporary file's name for a target, for the given process and try.
std::string temporary_file_name(const std::string& path, unsigned long process, int attempt);

#endif  // SKINBUILDER_PLATFORM_ATOMIC_FILE_H_
