#include <algorithm>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include "platform/environment.h"
#include "platform/file_system.h"
#include "platform/image_tools.h"
#include "platform/paths.h"
#include "platform/registry.h"
#include "platform/wildcard.h"

namespace {

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
  // The folder ImageMagick's installer records as its BinPath.
  std::vector<std::string> folders =
      machine_registry_paths(L"SOFTWARE\\ImageMagick\\Current", L"BinPath");
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
