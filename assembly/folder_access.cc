#include "assembly/folder_access.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <string>
#include <system_error>

#include "platform/file_system.h"
#include "platform/native_path.h"

namespace {

// A skin image is rarely below this size; less room than this on a disk
// means the next image will not fit.
constexpr std::uintmax_t kRoomForAnImage = 256 * 1024;

const char kProbeName[] = "skinbuilder-write-test.tmp";

const char* reason_of(int error_number) {
  const char* reason = file_failure_reason(std::error_code(error_number, std::generic_category()));
  return reason != nullptr ? reason : "the folder cannot be written";
}

// Writes one byte to a new file and closes it: a full disk often shows only
// when the byte reaches it.
int write_probe(const std::string& path) {
  errno = 0;
  std::FILE* probe = std::fopen(path.c_str(), "wb");
  if (probe == nullptr) return errno != 0 ? errno : EACCES;
  bool written = std::fputc('.', probe) != EOF;
  int write_error = errno;
  bool closed = std::fclose(probe) == 0;
  int close_error = errno;
  std::error_code ignored;
  std::filesystem::remove(path, ignored);
  if (!written) return write_error != 0 ? write_error : ENOSPC;
  if (!closed) return close_error != 0 ? close_error : ENOSPC;
  return 0;
}

// The space left for this user on the disk that holds the folder; the
// largest value when it cannot be told.
std::uintmax_t space_left_for(const char* folder) {
  std::error_code error;
  std::filesystem::space_info space = std::filesystem::space(native_path(folder), error);
  if (error) return std::numeric_limits<std::uintmax_t>::max();
  return space.available;
}

}  // namespace

const char* file_failure_reason(const std::error_code& failure) {
  switch (failure_kind(failure)) {
    case FileFailure::kNoSpace:
      return kNoSpaceLeft;
    case FileFailure::kNoAccess:
      return kNoWriteAccess;
    case FileFailure::kNameTooLong:
      return kPathTooLong;
    case FileFailure::kNotFound:
    case FileFailure::kOther:
      break;
  }
  return nullptr;
}

const char* folder_write_problem(const char* folder) {
  std::filesystem::path probe = std::filesystem::path(native_path(folder)) / kProbeName;
  int failure = write_probe(probe.string());
  if (failure == 0) return nullptr;
  if (disk_full_at(folder)) return kNoSpaceLeft;
  return reason_of(failure);
}

bool disk_full_at(const char* folder) {
  return space_left_for(folder) < kRoomForAnImage;
}
