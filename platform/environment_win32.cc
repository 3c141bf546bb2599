#include <stdlib.h>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include "platform/environment.h"
#include "platform/file_system.h"

namespace {

std::wstring wide(const char* text) {
  return fs_path(text).native();
}

}  // namespace

std::optional<std::string> environment_value(const char* name) {
  const wchar_t* value = _wgetenv(wide(name).c_str());
  if (value == nullptr) return std::nullopt;
  return path_text(std::filesystem::path(value));
}

// _wputenv_s keeps the C library's copy and the system's in step; programs
// started later take the system's.
void set_environment_variable(const char* name, const char* value) {
  _wputenv_s(wide(name).c_str(), value != nullptr ? wide(value).c_str() : L"");
}

int usable_processors() {
  DWORD_PTR process = 0, system = 0;
  int count = 0;
  if (GetProcessAffinityMask(GetCurrentProcess(), &process, &system)) {
    for (; process != 0; process &= process - 1) ++count;
  }
  return count > 0 ? count : 1;
}

// Folders in PATH may be quoted (a ';' inside the quotes is part of the
// name); an empty entry is skipped, as Windows' own search does.
std::vector<std::string> path_folders() {
  std::string path = environment_value("PATH").value_or("");
  std::vector<std::string> folders;
  std::string folder;
  bool quoted = false;
  for (size_t i = 0; i <= path.size(); ++i) {
    char c = i < path.size() ? path[i] : ';';
    if (c == '"') {
      quoted = !quoted;
    } else if (c == ';' && !quoted) {
      if (!folder.empty()) folders.push_back(folder);
      folder.clear();
    } else {
      folder += c;
    }
  }
  return folders;
}
