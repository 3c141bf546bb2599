#include <io.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <string>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include "platform/error_log.h"
#include "platform/image_viewer.h"
#include "platform/shell.h"

namespace {

bool is_blank(char c) {
  return c == ' ' || c == '\t';
}

bool ends_in_png(const std::string& path) {
  if (path.size() < 4) return false;
  std::string tail = path.substr(path.size() - 4);
  for (char& c : tail) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return tail == ".png";
}

// The path when the line is one word naming an existing .png file, quoted
// or not, with no redirection, pipe or escape; else empty.
std::string image_path_of(const char* line) {
  std::string word = line;
  while (!word.empty() && is_blank(word.back())) word.pop_back();
  size_t start = 0;
  while (start < word.size() && is_blank(word[start])) ++start;
  word.erase(0, start);
  if (word.size() >= 2 && word.front() == '"' && word.back() == '"') {
    word = word.substr(1, word.size() - 2);
    if (word.find('"') != std::string::npos) return std::string();
  } else if (word.find_first_of(" \t\"") != std::string::npos) {
    return std::string();
  }
  if (word.find_first_of("<>|&^") != std::string::npos || !ends_in_png(word)) return std::string();
  DWORD attributes = GetFileAttributesA(word.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
    return std::string();
  return word;
}

// cmd's "cls" writes a form feed when its output is no console; the
// dialogue's text, piped or captured, then reads as it does everywhere.
bool is_cls_without_console(const char* line) {
  if (_stricmp(line, "cls") != 0) return false;
  DWORD mode = 0;
  HANDLE output = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stdout)));
  return output == INVALID_HANDLE_VALUE || !GetConsoleMode(output, &mode);
}

}  // namespace

// cmd.exe runs every other line; system() gives back cmd's exit status,
// which is that of the line's last command.
int run_shell_line(const char* line) {
  if (is_cls_without_console(line)) return 0;
  ErrorsToLog errors;
  std::string image = image_path_of(line);
  if (!image.empty()) {
    open_image(image.c_str());
    return 0;
  }
  return std::system(line);
}
