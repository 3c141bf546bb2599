#include <cwctype>
#include <filesystem>

#include "platform/environment.h"
#include "platform/file_moves.h"
#include "platform/file_system.h"
#include "platform/plugin_folders.h"
#include "platform/registry.h"

std::vector<std::string> plugin_folders() {
  // The folder plug-in installers record as VSTPluginsPath.
  std::vector<std::string> folders = machine_registry_paths(L"SOFTWARE\\VST", L"VSTPluginsPath");
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

// Links and junctions followed; Windows file names do not tell letter
// cases apart, so neither does the identity.
std::string folder_identity(const std::string& folder) {
  std::string final = final_path(folder);
  if (final.empty()) return final;
  std::wstring identity = fs_path(final).native();
  for (wchar_t& c : identity) c = static_cast<wchar_t>(std::towlower(c));
  return path_text(std::filesystem::path(identity));
}
