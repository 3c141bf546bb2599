#include "assembly/themes_folders.h"

#include <algorithm>
#include <filesystem>
#include <set>
#include <system_error>

#include "platform/environment.h"
#include "platform/file_system.h"
#include "platform/paths.h"
#include "platform/plugin_folders.h"

namespace {

namespace fs = std::filesystem;

const char* const kDataFolders[] = {"ZebraHZ.data", "Zebra2.data"};

// Themes folders found so far, and the identities of their folders.
struct Found {
  std::vector<std::string> folders;
  std::set<std::string> identities;
  void add(const std::string& folder) {
    if (!is_folder(folder)) return;
    std::string identity = folder_identity(folder);
    if (identity.empty() || !identities.insert(identity).second) return;
    folders.push_back(folder);
  }
};

void add_data_folders_in(const std::string& folder, Found& found) {
  for (const char* data : kDataFolders) {
    found.add(join_path(join_path(folder, data), "Support/Themes"));
  }
}

// The folders directly in `folder`, by name, at most kMostPluginEntries
// entries looked at; none when it cannot be read.
std::vector<std::string> subfolders_of(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code failure;
  fs::directory_iterator entry(fs_path(folder), fs::directory_options::skip_permission_denied,
                               failure);
  for (size_t seen = 0; !failure && entry != fs::directory_iterator() && seen < kMostPluginEntries;
       entry.increment(failure), ++seen) {
    std::error_code not_a_folder;
    if (entry->is_directory(not_a_folder)) names.push_back(path_text(entry->path().filename()));
  }
  std::sort(names.begin(), names.end());
  return names;
}

// SKINBUILDER_THEMES split at the system's separator, empty parts left out.
std::vector<std::string> named_themes_folders() {
  std::string list = environment_value("SKINBUILDER_THEMES").value_or("");
  std::vector<std::string> folders;
  size_t start = 0;
  while (start <= list.size()) {
    size_t end = list.find(folder_list_separator(), start);
    if (end == std::string::npos) end = list.size();
    if (end > start) folders.push_back(list.substr(start, end - start));
    start = end + 1;
  }
  return folders;
}

}  // namespace

std::vector<std::string> themes_folders_in(const std::vector<std::string>& plugin_folders,
                                           const std::vector<std::string>& named) {
  Found found;
  for (const std::string& plugins : plugin_folders) {
    if (!is_folder(plugins)) continue;
    add_data_folders_in(plugins, found);
    for (const std::string& name : subfolders_of(plugins)) {
      add_data_folders_in(join_path(plugins, name), found);
    }
  }
  for (const std::string& folder : named) found.add(folder);
  return found.folders;
}

std::vector<std::string> find_themes_folders() {
  return themes_folders_in(plugin_folders(), named_themes_folders());
}
