#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <filesystem>

#include "platform/atomic_file.h"
#include "platform/file_system.h"

namespace {

constexpr int kAttempts = 100;

std::error_code last_error() {
  return std::error_code(static_cast<int>(GetLastError()), std::system_category());
}

// CREATE_NEW: a file of that name from an earlier process of the same id
// is never reused, and two writers of one file write apart.
HANDLE create_temporary(const std::string& path, std::filesystem::path& temporary) {
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    temporary = fs_path(temporary_file_name(path, GetCurrentProcessId(), attempt));
    HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) return file;
  }
  return INVALID_HANDLE_VALUE;
}

bool write_all(HANDLE file, const std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    size_t left = bytes.size() - done;
    DWORD wanted = left > 0x10000000 ? 0x10000000 : static_cast<DWORD>(left);
    DWORD count = 0;
    if (!WriteFile(file, bytes.data() + done, wanted, &count, nullptr)) return false;
    if (count == 0) {
      SetLastError(ERROR_DISK_FULL);
      return false;
    }
    done += count;
  }
  return true;
}

}  // namespace

bool write_file_atomically(const std::string& path, const std::string& bytes,
                           std::error_code& failure) {
  failure.clear();
  std::filesystem::path temporary;
  HANDLE file = create_temporary(path, temporary);
  if (file == INVALID_HANDLE_VALUE) {
    failure = last_error();
    return false;
  }
  // Flushed before the rename: a full disk may show only then.
  bool written = write_all(file, bytes) && FlushFileBuffers(file);
  if (!written) failure = last_error();
  if (!CloseHandle(file) && written) {
    failure = last_error();
    written = false;
  }
  // WRITE_THROUGH: the call returns once the rename is on the disk.
  if (written && !MoveFileExW(temporary.c_str(), fs_path(path).c_str(),
                              MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    failure = last_error();
    written = false;
  }
  if (!written) DeleteFileW(temporary.c_str());
  return written;
}

void flush_folder_of(const std::string&) {}
