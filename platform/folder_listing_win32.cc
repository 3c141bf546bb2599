#include "platform/folder_listing.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include "platform/regular_file.h"
#include "platform/wildcard.h"

// FindFirstFileA also matches a pattern against the short 8.3 names (so that
// "*.kvl" finds "a.kvlx"); the names found are therefore matched once more
// against the long name, which gives the same result as everywhere else.
std::vector<std::string> list_matching_names(const char* folder, const char* pattern) {
  std::vector<std::string> names;
  std::string query = folder;
  if (!query.empty() && query.back() != '\\' && query.back() != '/') query += '\\';
  query += pattern;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(query.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    std::string name = found.cFileName;
    if (name != "." && name != ".." && wildcard_match(pattern, name)) names.push_back(name);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return names;
}

std::vector<std::string> list_matching_files(const char* folder, const char* pattern) {
  std::string prefix = folder;
  if (!prefix.empty() && prefix.back() != '\\' && prefix.back() != '/') prefix += '\\';
  std::vector<std::string> names;
  for (const std::string& name : list_matching_names(folder, pattern)) {
    if (is_regular_file((prefix + name).c_str())) names.push_back(name);
  }
  return names;
}
