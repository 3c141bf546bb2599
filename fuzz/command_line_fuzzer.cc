// The built-in interpreter's reading of a line and its wildcard rules, over
// any bytes: the input's first line is read as a command line; the next two
// lines are a wildcard pattern and a file name, matched and renamed; the
// lines after them are the words of a program's command line as Windows
// hands it over, which must split back into the same words; the whole
// input is also read as a tool's answer to -version.
#include <cstddef>
#include <cstdint>
#include <string>

#include <vector>

#include "fuzz/fuzz_support.h"
#include "platform/command_line.h"
#include "platform/image_tools.h"
#include "platform/launcher.h"
#include "platform/wildcard.h"

namespace {

// The text up to the next newline (or the end), from `from` on; `from`
// moves past the newline.
std::string next_line(const std::string& text, size_t& from) {
  if (from > text.size()) return "";
  size_t end = text.find('\n', from);
  if (end == std::string::npos) end = text.size();
  std::string line = text.substr(from, end - from);
  from = end + 1;
  return line;
}

void check_parse(const std::string& line) {
  CommandLine parsed = parse_command_line(line);
  if (!parsed.error.empty() && !parsed.stages.empty()) fuzz_failure("stages and an error");
  size_t typed = 0;
  for (const CommandStage& stage : parsed.stages) {
    if (stage.words.empty() && stage.redirections.empty()) fuzz_failure("an empty stage");
    for (const CommandWord& word : stage.words) typed += word.typed.size();
  }
  if (typed > line.size()) fuzz_failure("words longer than the line");
}

void check_wildcards(const std::string& pattern, const std::string& name) {
  wildcard_match(pattern, name);
  if (!has_wildcard(name) && !wildcard_match(name, name)) fuzz_failure("a name that misses itself");
  // Each character of the pattern gives at most one of the result, and '*'
  // hands on a part of the name that nothing else takes.
  std::string destination = wildcard_destination_name(name, pattern);
  if (destination.size() > name.size() + pattern.size()) fuzz_failure("a destination too long");
}

// Splits a command line as Windows' C library does for every word after
// the program's name: blanks part words outside quotes; 2n backslashes
// before a quote give n and the quote opens or closes, 2n+1 give n and a
// quote; other backslashes are themselves.
std::vector<std::string> split_as_windows(const std::string& line) {
  std::vector<std::string> words;
  size_t i = 0;
  while (true) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
    if (i >= line.size()) return words;
    std::string word;
    bool quoted = false;
    for (; i < line.size() && (quoted || (line[i] != ' ' && line[i] != '\t')); ++i) {
      size_t backslashes = 0;
      while (i < line.size() && line[i] == '\\') ++backslashes, ++i;
      if (i < line.size() && line[i] == '"') {
        word.append(backslashes / 2, '\\');
        if (backslashes % 2 == 1) word += '"';
        else quoted = !quoted;
      } else {
        word.append(backslashes, '\\');
        if (i >= line.size()) break;
        if (!quoted && (line[i] == ' ' || line[i] == '\t')) break;
        word += line[i];
      }
    }
    words.push_back(word);
  }
}

void check_windows_words(const std::vector<std::string>& words) {
  if (split_as_windows(windows_command_line(words)) != words) {
    fuzz_failure("words that do not split back into themselves");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  size_t from = 0;
  check_parse(next_line(text, from));
  std::string pattern = next_line(text, from);
  std::string name = next_line(text, from);
  check_wildcards(pattern, name);
  std::vector<std::string> words;
  while (from <= text.size()) {
    std::string word = next_line(text, from);
    if (word.find('\0') == std::string::npos) words.push_back(word);
  }
  check_windows_words(words);
  int major = 0;
  version_from_text(text, &major);
  if (major < 0 || major > 9999) fuzz_failure("a version number out of bounds");
  return 0;
}
