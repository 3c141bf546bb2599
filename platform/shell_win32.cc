#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <string>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

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

std::string error_log;
bool error_log_fresh = false;

// The C library's standard error is pointed at the log for the length of
// the command: for descriptors 0 to 2 _dup2 also sets the process's
// standard handle, which cmd.exe and the tools inherit.
class ErrorsToLog {
 public:
  ErrorsToLog() {
    if (error_log.empty()) return;
    int flags = _O_WRONLY | _O_CREAT | _O_BINARY | (error_log_fresh ? _O_TRUNC : _O_APPEND);
    int log = _open(error_log.c_str(), flags, _S_IREAD | _S_IWRITE);
    if (log < 0) return;
    error_log_fresh = false;
    std::fflush(stderr);
    saved_ = _dup(2);
    _dup2(log, 2);
    _close(log);
  }
  ~ErrorsToLog() {
    if (saved_ < 0) return;
    std::fflush(stderr);
    _dup2(saved_, 2);
    _close(saved_);
  }

 private:
  int saved_ = -1;
};

}  // namespace

void send_command_errors_to(const char* path) {
  error_log = path != nullptr ? path : "";
  error_log_fresh = true;
}

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
