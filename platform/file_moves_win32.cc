#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <filesystem>

#include "platform/file_moves.h"
#include "platform/file_system.h"

namespace {

std::error_code last_error() {
  return std::error_code(static_cast<int>(GetLastError()), std::system_category());
}

// The handle is opened on what a link points at, and the system names it.
std::string final_path_of(const std::wstring& link) {
  HANDLE file = CreateFileW(link.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::string();
  wchar_t name[MAX_PATH * 4];
  DWORD length = GetFinalPathNameByHandleW(file, name, MAX_PATH * 4, FILE_NAME_NORMALIZED);
  CloseHandle(file);
  if (length == 0 || length >= MAX_PATH * 4) return std::string();
  std::wstring path(name, length);
  // "\\?\C:\Themes" is how the system names it inside; users know "C:\Themes".
  if (path.compare(0, 8, L"\\\\?\\UNC\\") == 0) return path_text(L"\\\\" + path.substr(8));
  if (path.compare(0, 4, L"\\\\?\\") == 0) path.erase(0, 4);
  return path_text(std::filesystem::path(path));
}

}  // namespace

// MoveFileEx without MOVEFILE_COPY_ALLOWED: a copy would move a file
// across drives silently and in many steps, and a folder not at all.
RenameResult rename_path(const std::string& from, const std::string& to,
                         std::error_code& failure) {
  failure.clear();
  std::wstring source = fs_path(from).native();
  DWORD attributes = GetFileAttributesW(source.c_str());
  bool folder = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
  DWORD flags = folder ? 0 : MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH;
  if (MoveFileExW(source.c_str(), fs_path(to).c_str(), flags)) return RenameResult::kRenamed;
  failure = last_error();
  return GetLastError() == ERROR_NOT_SAME_DEVICE ? RenameResult::kOtherFileSystem
                                                 : RenameResult::kFailed;
}

// A reparse point's tag tells a symbolic link or junction (a mount point)
// from the other kinds; FindFirstFile reports it without opening the path.
bool is_link(const std::string& path, std::string& target) {
  target.clear();
  std::wstring wide = fs_path(path).native();
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW(wide.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return false;
  FindClose(search);
  if (!(found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) return false;
  if (found.dwReserved0 != IO_REPARSE_TAG_SYMLINK &&
      found.dwReserved0 != IO_REPARSE_TAG_MOUNT_POINT) {
    return false;
  }
  target = final_path_of(wide);
  return true;
}

std::string final_path(const std::string& path) {
  return final_path_of(fs_path(path).native());
}
