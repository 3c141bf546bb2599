#include "platform/registry.h"

#include <filesystem>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include "platform/file_system.h"

namespace {

std::string registry_path(const wchar_t* key, const wchar_t* value, DWORD view) {
  // Room for a long path; a longer value is not read at all.
  wchar_t text[MAX_PATH * 4] = {};
  DWORD size = sizeof text - sizeof text[0];
  LSTATUS status =
      RegGetValueW(HKEY_LOCAL_MACHINE, key, value, RRF_RT_REG_SZ | view, nullptr, text, &size);
  if (status != ERROR_SUCCESS) return std::string();
  return path_text(std::filesystem::path(text));
}

}  // namespace

std::vector<std::string> machine_registry_paths(const wchar_t* key, const wchar_t* value) {
  std::vector<std::string> paths;
  for (DWORD view : {RRF_SUBKEY_WOW6464KEY, RRF_SUBKEY_WOW6432KEY}) {
    std::string path = registry_path(key, value, view);
    if (!path.empty()) paths.push_back(path);
  }
  return paths;
}
