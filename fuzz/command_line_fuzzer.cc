// The built-in interpreter's reading of a line and its wildcard rules, over
// any bytes: the input's first line is read as a command line; the next two
// lines are a wildcard pattern and a file name, matched and renamed.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_support.h"
#include "platform/command_line.h"
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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  size_t from = 0;
  check_parse(next_line(text, from));
  std::string pattern = next_line(text, from);
  std::string name = next_line(text, from);
  check_wildcards(pattern, name);
  return 0;
}
