#include <cwctype>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include "platform/environment.h"
#include "platform/file_system.h"
#include "platform/plugin_folders.h"

namespace {

// The folder plug-in installers record as VSTPluginsPath under
// HKLM\SOFTWARE\VST, in the 64-bit or the 32-bit view. A REG_EXPAND_SZ
// value ("%ProgramFiles%\...") comes expanded.
std::string registry_plugin_folder(DWORD view) {
  wchar_t value[MAX_PATH * 4] = {};
  DWORD size = sizeof value - sizeof value[0];
  LSTATUS status = RegGetValueW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\VST", L"VSTPluginsPath",
                                RRF_RT_REG_SZ | view, nullptr, value, &size);
  if (status != ERROR_SUCCESS) return std::string();
  return path_text(std::filesystem::path(value));
}

}  // namespace

std::vector<std::string> plugin_folders() {
  std::vector<std::string> folders;
  for (DWORD view : {RRF_SUBKEY_WOW6464KEY, RRF_SUBKEY_WOW6432KEY}) {
    std::string folder = registry_plugin_folder(view);
    if (!folder.empty()) folders.push_back(folder);
  }
  std::string program_files = environment_value("ProgramFiles").value_or("");
  if (!program_files.empty()) {
    std::vector<std::string> below = program_files_plugin_folders(program_files);
    folders.insert(folders.end(), below.begin(), below.end());
  }
  return folders;
}

char folder_list_separator() {
  return ';';
}

// The system names the folder behind an open handle, links and junctions
// followed; Windows file names do not tell letter cases apart, so neither
// does the identity.
std::string folder_identity(const std::string& folder) {
  HANDLE handle = CreateFileW(fs_path(folder).c_str(), 0,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return std::string();
  wchar_t name[MAX_PATH * 4];
  DWORD length = GetFinalPathNameByHandleW(handle, name, MAX_PATH * 4, FILE_NAME_NORMALIZED);
  CloseHandle(handle);
  if (length == 0 || length >= MAX_PATH * 4) return std::string();
  std::wstring identity(name, length);
  for (wchar_t& c : identity) c = static_cast<wchar_t>(std::towlower(c));
  return path_text(std::filesystem::path(identity));
}
