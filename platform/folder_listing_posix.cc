#include "platform/folder_listing.h"
#include "platform/paths.h"
#include "platform/wildcard.h"

std::vector<std::string> list_matching_names(const char* folder, const char* pattern) {
  std::vector<std::string> names;
  for (const std::string& name : folder_entries(find_path(local_path(folder)))) {
    if (wildcard_match(pattern, name)) names.push_back(name);
  }
  return names;
}
