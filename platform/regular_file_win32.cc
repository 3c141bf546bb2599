#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include "platform/regular_file.h"

namespace {

// Windows names its devices (CON, NUL, COM1 ...) in every folder; only a
// file on a disk counts.
bool names_disk_file(HANDLE file) {
  return GetFileType(file) == FILE_TYPE_DISK;
}

FileRead read_up_to(HANDLE file, size_t limit, std::string& bytes) {
  char chunk[4096];
  while (bytes.size() < limit) {
    DWORD wanted = static_cast<DWORD>(limit - bytes.size() < sizeof chunk ? limit - bytes.size()
                                                                          : sizeof chunk);
    DWORD count = 0;
    if (!ReadFile(file, chunk, wanted, &count, nullptr)) return FileRead::kUnreadable;
    if (count == 0) break;
    bytes.append(chunk, count);
  }
  return FileRead::kRead;
}

}  // namespace

FileRead read_regular_file(const char* path, size_t limit, std::string& bytes) {
  bytes.clear();
  DWORD attributes = GetFileAttributesA(path);
  if (attributes == INVALID_FILE_ATTRIBUTES) return FileRead::kMissing;
  if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return FileRead::kNotRegular;
  HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return FileRead::kMissing;
  FileRead result = names_disk_file(file) ? read_up_to(file, limit, bytes) : FileRead::kNotRegular;
  CloseHandle(file);
  return result;
}

bool is_regular_file(const char* path) {
  DWORD attributes = GetFileAttributesA(path);
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    return false;
  }
  HANDLE file = CreateFileA(path, 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  bool regular = names_disk_file(file);
  CloseHandle(file);
  return regular;
}
