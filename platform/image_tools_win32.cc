#include <algorithm>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include "platform/environment.h"
#include "platform/file_system.h"
#include "platform/image_tools.h"
#include "platform/paths.h"
#include "platform/wildcard.h"

namespace {

// The folder ImageMagick's installer records as BinPath under
// HKLM\SOFTWARE\ImageMagick\Current, in the 64-bit or the 32-bit view.
std::string registry_bin_path(REGSAM view) {
  wchar_t value[MAX_PATH + 1] = {};
  DWORD size = sizeof value - sizeof value[0];
  LSTATUS status = RegGetValueW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\ImageMagick\\Current", L"BinPath",
                                RRF_RT_REG_SZ | view, nullptr, value, &size);
  if (status != ERROR_SUCCESS) return std::string();
  return path_text(std::filesystem::path(value));
}

// The installer's folders, ImageMagick-7.1.1-Q16-HDRI and the like, newest
// name first.
std::vector<std::string> installer_folders(const char* variable) {
  std::optional<std::string> root = environment_value(variable);
  if (!root || root->empty()) return {};
  std::vector<std::string> folders;
  for (const std::string& name : folder_entries(*root)) {
    std::string folder = join_path(*root, name);
    if (wildcard_match("ImageMagick-7*", name) && is_folder(folder)) folders.push_back(folder);
  }
  std::sort(folders.rbegin(), folders.rend());
  return folders;
}

}  // namespace

std::vector<std::string> imagemagick_install_folders() {
  std::vector<std::string> folders;
  for (REGSAM view : {RRF_SUBKEY_WOW6464KEY, RRF_SUBKEY_WOW6432KEY}) {
    std::string folder = registry_bin_path(view);
    if (!folder.empty()) folders.push_back(folder);
  }
  for (const char* variable : {"ProgramFiles", "ProgramW6432", "ProgramFiles(x86)"}) {
    std::vector<std::string> found = installer_folders(variable);
    folders.insert(folders.end(), found.begin(), found.end());
  }
  return folders;
}

// The installer's PATH option lets every console find magick; without it
// the program still finds the installation (above), but other tools do not.
const char* no_imagemagick_advice() {
  return "ImageMagick 7 is needed: install it from "
         "https://imagemagick.org/script/download.php#windows and tick \"Add application "
         "directory to your system path\", then start the program again.";
}

std::string executable_file_name(const std::string& name) {
  return name + ".exe";
}
