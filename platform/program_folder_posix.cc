#include <unistd.h>

#include <string>

#include "platform/paths.h"
#include "platform/program_folder.h"

namespace {

// Longer than any path Linux hands out for the link (one page).
constexpr size_t kLongestLink = 65536;

// The target of /proc/self/exe, or empty when it cannot be read (no /proc,
// a process not allowed to look at itself). readlink fills the buffer
// without a terminator and cuts a longer target: a target that fills the
// buffer is read again into a larger one.
std::string program_link() {
  std::string link(256, '\0');
  while (link.size() <= kLongestLink) {
    ssize_t length = readlink("/proc/self/exe", &link[0], link.size());
    if (length < 0) return std::string();
    if (static_cast<size_t>(length) < link.size()) return link.substr(0, length);
    link.resize(link.size() * 2);
  }
  return std::string();
}

bool ends_with(const std::string& text, const std::string& tail) {
  return text.size() >= tail.size() &&
         text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace

// When the program's file has been removed since the start, Linux adds
// " (deleted)" to the link's target; a program run from memory (memfd)
// gets a made-up name such as "/memfd:x (deleted)". Neither names a folder
// the program can count on, unless a file of that very name exists.
std::string program_folder() {
  std::string link = program_link();
  if (link.empty() || link[0] != '/') return std::string();
  if (ends_with(link, " (deleted)") && !is_file(link)) return std::string();
  std::string folder = folder_of(link);
  return is_folder(folder) ? folder : std::string();
}
