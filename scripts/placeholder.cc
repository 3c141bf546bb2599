#include "scripts/placeholder.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <regex>
#include <string>
#include <system_error>

#include "platform/native_path.h"
#include "platform/paths.h"

namespace {

enum class ReadResult { kRead, kMissing, kUnreadable };

// Reads the whole file in text mode into content.
ReadResult read_text(const std::string& file, std::string& content) {
  content.clear();
  std::FILE* in = std::fopen(file.c_str(), "r");
  if (in == nullptr) return errno == ENOENT ? ReadResult::kMissing : ReadResult::kUnreadable;
  char chunk[4096];
  size_t count;
  while ((count = std::fread(chunk, 1, sizeof chunk, in)) > 0) content.append(chunk, count);
  bool failed = std::ferror(in) != 0;
  std::fclose(in);
  return failed ? ReadResult::kUnreadable : ReadResult::kRead;
}

// Writes content beside the file and renames it over the file, so that a
// failure at any point leaves the old file whole. std::filesystem::rename
// replaces an existing file on Windows too, where the C library's rename
// refuses to.
void write_text_over(const std::string& file, const std::string& content) {
  std::string fresh = file + ".new";
  std::FILE* out = std::fopen(fresh.c_str(), "w");
  if (out == nullptr) return;
  bool written = std::fwrite(content.data(), 1, content.size(), out) == content.size();
  written = std::fclose(out) == 0 && written;
  std::error_code error;
  if (written) std::filesystem::rename(fresh, file, error);
  if (!written || error) std::filesystem::remove(fresh, error);
}

// The value as a replacement format that inserts it as it stands: "$" is
// the format's one special character, and "$$" a plain "$". A measured
// colour is whatever six characters the listing file held, and "$`" or
// "$'" there would copy the whole script into every match, growing it
// without bound with each pass.
std::string literal_format(const char* value) {
  std::string format;
  for (const char* c = value; *c != '\0'; ++c) {
    if (*c == '$') format += '$';
    format += *c;
  }
  return format;
}

}  // namespace

void replace_placeholder(const char* path, const char* placeholder, const char* value) {
  if (path[0] == '\0') return;
  std::string file = native_path(path);
  std::string content;
  if (read_text(file, content) == ReadResult::kUnreadable) {
    std::printf("Cannot read %s; left as it is.\n", shown_relative(path).c_str());
    return;
  }
  std::regex pattern(placeholder);
  write_text_over(file, std::regex_replace(content, pattern, literal_format(value)));
}
