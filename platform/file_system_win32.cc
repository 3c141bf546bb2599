#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include "platform/file_system.h"

// CP_ACP, not UTF-8: the narrow text comes from the console and the C
// library, which both speak the ANSI code page (platform/console.h).
std::filesystem::path fs_path(const std::string& local) {
  if (local.empty()) return std::filesystem::path();
  int size = static_cast<int>(local.size());
  int length = MultiByteToWideChar(CP_ACP, 0, local.data(), size, nullptr, 0);
  std::wstring wide(static_cast<size_t>(length > 0 ? length : 0), L'\0');
  if (length > 0) MultiByteToWideChar(CP_ACP, 0, local.data(), size, &wide[0], length);
  return std::filesystem::path(wide);
}

std::string path_text(const std::filesystem::path& path) {
  const std::wstring& wide = path.native();
  if (wide.empty()) return std::string();
  int size = static_cast<int>(wide.size());
  int length = WideCharToMultiByte(CP_ACP, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<size_t>(length > 0 ? length : 0), '\0');
  if (length > 0) WideCharToMultiByte(CP_ACP, 0, wide.data(), size, &text[0], length, nullptr, nullptr);
  return text;
}

std::string shown_path(const std::string& local) {
  std::string shown = local;
  for (char& c : shown) {
    if (c == '/') c = '\\';
  }
  return shown;
}

void copy_file_over(const std::string& from, const std::string& to, std::error_code& failure) {
  failure.clear();
  if (!CopyFileW(fs_path(from).c_str(), fs_path(to).c_str(), FALSE)) {
    failure.assign(static_cast<int>(GetLastError()), std::system_category());
  }
}

// The file system functions report the system's own error numbers or the C
// library's, depending on the call; both kinds are read here.
FileFailure failure_kind(const std::error_code& failure) {
  int value = failure.value();
  bool system = failure.category() == std::system_category();
  if (failure == std::errc::no_space_on_device ||
      (system && (value == ERROR_DISK_FULL || value == ERROR_HANDLE_DISK_FULL))) {
    return FileFailure::kNoSpace;
  }
  if (failure == std::errc::no_such_file_or_directory ||
      (system && (value == ERROR_PATH_NOT_FOUND || value == ERROR_FILE_NOT_FOUND))) {
    return FileFailure::kNotFound;
  }
  if (failure == std::errc::permission_denied || failure == std::errc::read_only_file_system ||
      (system && (value == ERROR_ACCESS_DENIED || value == ERROR_WRITE_PROTECT))) {
    return FileFailure::kNoAccess;
  }
  // Past MAX_PATH some functions say the name is too long, others that
  // the path is not found (taken as such above).
  if (failure == std::errc::filename_too_long ||
      (system && (value == ERROR_FILENAME_EXCED_RANGE || value == ERROR_BUFFER_OVERFLOW))) {
    return FileFailure::kNameTooLong;
  }
  return FileFailure::kOther;
}
