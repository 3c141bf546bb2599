#include "platform/folder_listing.h"
#include "platform/paths.h"
#include "platform/regular_file.h"
#include "platform/wildcard.h"

std::vector<std::string> list_matching_names(const char* folder, const char* pattern) {
  std::vector<std::string> names;
  for (const std::string& name : folder_entries(find_path(local_path(folder)))) {
    if (wildcard_match(pattern, name)) names.push_back(name);
  }
  return names;
}

std::vector<std::string> list_matching_files(const char* folder, const char* pattern) {
  std::string found = find_path(local_path(folder));
  std::vector<std::string> names;
  for (const std::string& name : list_matching_names(folder, pattern)) {
    if (is_regular_file(join_path(found, name).c_str())) names.push_back(name);
  }
  return names;
}
