#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <filesystem>
#include <string>
#include <system_error>

#include "platform/file_system.h"
#include "platform/program_folder.h"

namespace {

// The longest path the wide functions take.
constexpr DWORD kLongestPath = 32768;

// GetModuleFileNameW cuts a longer name to the buffer (returning its full
// size, without a terminator on old systems): a name that fills the buffer
// is read again into a larger one.
std::wstring program_file() {
  std::wstring name(MAX_PATH, L'\0');
  while (name.size() <= kLongestPath) {
    DWORD size = static_cast<DWORD>(name.size());
    DWORD length = GetModuleFileNameW(nullptr, &name[0], size);
    if (length == 0) return std::wstring();
    if (length < size) return name.substr(0, length);
    name.resize(name.size() * 2);
  }
  return std::wstring();
}

// A program started by its long form ("\\?\C:\...") gets that form back;
// the working folder and cmd take the plain one, as users write it.
std::wstring plain_form(std::wstring path) {
  if (path.compare(0, 8, L"\\\\?\\UNC\\") == 0) return L"\\\\" + path.substr(8);
  if (path.compare(0, 4, L"\\\\?\\") == 0) path.erase(0, 4);
  return path;
}

}  // namespace

// The narrow text is in the ANSI code page: a folder with a character that
// the code page lacks comes back with "?" in its place, which names no
// folder; such a folder counts as unknown.
std::string program_folder() {
  std::wstring file = program_file();
  if (file.empty()) return std::string();
  std::filesystem::path folder = std::filesystem::path(plain_form(file)).parent_path();
  std::string text = path_text(folder);
  if (text.empty() || fs_path(text).native() != folder.native()) return std::string();
  std::error_code failure;
  return std::filesystem::is_directory(folder, failure) ? text : std::string();
}
