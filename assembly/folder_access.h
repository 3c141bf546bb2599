// Whether the program can write where it works, and why not when it cannot.
//
// Used before the first question (the working folder and skindata\temp)
// and after a failed build, to name the real cause of the failure: a full
// disk is "no space left on the disk", not an access problem. Folders are
// given in the command interpreter's form (".\skindata\temp").
#ifndef SKINBUILDER_ASSEMBLY_FOLDER_ACCESS_H_
#define SKINBUILDER_ASSEMBLY_FOLDER_ACCESS_H_

#include <system_error>

// The reasons, as they end a sentence such as "47 images could not be
// written: no space left on the disk".
inline constexpr char kNoSpaceLeft[] = "no space left on the disk";
inline constexpr char kNoWriteAccess[] = "no write access";
inline constexpr char kPathTooLong[] = "the path is too long for the system";

// The reason behind a failed file operation (platform/file_system.h):
// kNoSpaceLeft, kNoWriteAccess or kPathTooLong; nullptr for any other.
const char* file_failure_reason(const std::error_code& failure);

// nullptr when a small file can be written in the folder (it is written,
// closed and removed again), else the reason: kNoSpaceLeft,
// kNoWriteAccess, or a general one.
const char* folder_write_problem(const char* folder);

// Whether the disk that holds the folder is full for practical purposes:
// less room than one skin image needs.
bool disk_full_at(const char* folder);

#endif  // SKINBUILDER_ASSEMBLY_FOLDER_ACCESS_H_
