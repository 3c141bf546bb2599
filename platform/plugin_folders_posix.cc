#include "platform/environment.h"
#include "platform/file_moves.h"
#include "platform/paths.h"
#include "platform/plugin_folders.h"

std::vector<std::string> plugin_folders() {
  std::vector<std::string> folders;
  std::string home = environment_value("HOME").value_or("");
  if (!home.empty()) {
    for (const char* below : {".vst", ".vst3", ".lxvst"}) folders.push_back(join_path(home, below));
  }
  for (const char* system : {"/usr/lib/vst", "/usr/local/lib/vst", "/usr/lib/vst3",
                             "/usr/local/lib/vst3"}) {
    folders.push_back(system);
  }
  std::string prefix = environment_value("WINEPREFIX").value_or("");
  if (prefix.empty() && !home.empty()) prefix = join_path(home, ".wine");
  if (!prefix.empty()) {
    std::vector<std::string> wine =
        program_files_plugin_folders(join_path(prefix, "drive_c/Program Files"));
    folders.insert(folders.end(), wine.begin(), wine.end());
  }
  return folders;
}

char folder_list_separator() {
  return ':';
}

std::string folder_identity(const std::string& folder) {
  return final_path(folder);
}
