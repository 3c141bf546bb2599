#include "platform/launcher.h"

#include <climits>
#include <optional>

#include "platform/environment.h"

namespace {

// Ten minutes: the heaviest command of a build takes seconds on a slow
// machine, so only a tool that hangs comes near it.
constexpr int kDefaultTimeLimit = 600;

bool needs_quotes(const std::string& word) {
  return word.empty() || word.find_first_of(" \t\n\v\"") != std::string::npos;
}

// Backslashes count only before a quote: 2n before a quote give n and end
// a quoted part, 2n+1 give n and a quote. So a run of them before a quote,
// and before the closing quote, is doubled.
std::string quoted(const std::string& word) {
  std::string text = "\"";
  size_t backslashes = 0;
  for (char c : word) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    text.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
    backslashes = 0;
    text += c;
  }
  text.append(backslashes * 2, '\\');
  return text + "\"";
}

}  // namespace

std::string windows_command_line(const std::vector<std::string>& words) {
  std::string line;
  for (const std::string& word : words) {
    if (!line.empty()) line += ' ';
    line += needs_quotes(word) ? quoted(word) : word;
  }
  return line;
}

int run_program(const std::vector<std::string>& arguments, const StandardStreams& streams) {
  ProcessId process = start_program(arguments, streams);
  return process == kNoProcess ? -1 : wait_program(process);
}

int time_limit_seconds() {
  std::optional<std::string> text = environment_value("SKINBUILDER_TOOL_TIMEOUT");
  if (!text || text->empty()) return kDefaultTimeLimit;
  long long seconds = 0;
  for (char c : *text) {
    if (c < '0' || c > '9') return kDefaultTimeLimit;
    seconds = seconds * 10 + (c - '0');
    if (seconds > INT_MAX) seconds = INT_MAX;  // stays far below overflow
  }
  return seconds >= 1 ? static_cast<int>(seconds) : kDefaultTimeLimit;
}
