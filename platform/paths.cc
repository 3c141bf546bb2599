#include "platform/paths.h"

#include <filesystem>
#include <system_error>

#include "platform/file_system.h"
#include "platform/wildcard.h"

namespace {

namespace fs = std::filesystem;

std::vector<std::string> split_names(const std::string& path) {
  std::vector<std::string> names;
  size_t start = 0;
  while (start <= path.size()) {
    size_t end = path.find('/', start);
    if (end == std::string::npos) end = path.size();
    names.push_back(path.substr(start, end - start));
    start = end + 1;
  }
  return names;
}

// The entry of `folder` that is `name` in some letter case; the exact name
// wins when both exist. Empty when there is none.
std::string real_name(const std::string& folder, const std::string& name) {
  if (path_exists(join_path(folder, name))) return name;
  for (const std::string& entry : folder_entries(folder)) {
    if (same_name_any_case(entry, name)) return entry;
  }
  return std::string();
}

}  // namespace

std::string program_argument(const std::string& word) {
  if (word.compare(0, 2, ".\\") != 0) return word;
  return find_path(local_path(word));
}

std::string local_path(const std::string& path) {
  std::string result = path;
  for (char& c : result) {
    if (c == '\\') c = '/';
  }
  return result;
}

std::string find_path(const std::string& path) {
  std::vector<std::string> names = split_names(path);
  std::string result;
  bool searching = true;
  for (size_t i = 0; i < names.size(); ++i) {
    const std::string& name = names[i];
    std::string found = name;
    if (searching && !name.empty() && name != "." && name != "..") {
      found = real_name(i == 0 ? "." : (result.empty() ? "/" : result), name);
      searching = !found.empty();
      if (!searching) found = name;
    }
    result += (i == 0 ? "" : "/") + found;
  }
  return result;
}

std::string folder_of(const std::string& path) {
  size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

std::string name_of(const std::string& path) {
  size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string join_path(const std::string& folder, const std::string& name) {
  if (folder.empty()) return name;
  if (folder.back() == '/') return folder + name;
  return folder + "/" + name;
}

std::string without_final_slash(const std::string& path) {
  std::string result = path;
  while (result.size() > 1 && result.back() == '/') result.pop_back();
  return result;
}

std::string windows_form(const std::string& path) {
  std::string result = path;
  for (char& c : result) {
    if (c == '/') c = '\\';
  }
  return result;
}

std::string shown_relative(const std::string& path) {
  std::string local = local_path(path);
  if (local.compare(0, 2, "./") == 0) local.erase(0, 2);
  return shown_path(local);
}

bool same_file(const std::string& a, const std::string& b) {
  std::error_code error;
  return fs::equivalent(fs_path(a), fs_path(b), error) && !error;
}

bool is_folder(const std::string& path) {
  std::error_code error;
  return fs::is_directory(fs_path(path), error);
}

bool is_file(const std::string& path) {
  std::error_code error;
  fs::file_status status = fs::status(fs_path(path), error);
  return fs::exists(status) && !fs::is_directory(status);
}

bool path_exists(const std::string& path) {
  std::error_code error;
  return fs::exists(fs::symlink_status(fs_path(path), error));
}

std::vector<std::string> folder_entries(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code error;
  for (fs::directory_iterator it(fs_path(folder), error), end; !error && it != end;
       it.increment(error)) {
    names.push_back(path_text(it->path().filename()));
  }
  return names;
}

bool make_folders(const std::string& path) {
  std::string found = find_path(path);
  // An absolute path is made from below its root: "C:" alone is not a
  // folder that can be made (nor, for the system, always one that exists).
  size_t root = path_text(fs_path(found).root_path()).size();
  for (size_t slash = found.find('/', root > 1 ? root : 1);; slash = found.find('/', slash + 1)) {
    std::string partial = found.substr(0, slash);
    std::error_code error;
    if (!partial.empty() && !is_folder(partial)) fs::create_directory(fs_path(partial), error);
    if (error && !is_folder(partial)) return false;
    if (slash == std::string::npos) break;
  }
  return is_folder(found);
}
