#include "assembly/commands.h"

#include <cstdarg>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/interruption.h"
#include "platform/launcher.h"
#include "platform/shell.h"

namespace {

// The report quotes the stopped line in about this many characters.
constexpr size_t kBriefLine = 100;

// Where the words after the first begin: after blanks outside quotes.
std::vector<size_t> later_word_starts(const std::string& line) {
  std::vector<size_t> starts;
  bool quoted = false;
  for (size_t i = 1; i < line.size(); ++i) {
    if (line[i - 1] == '"') quoted = !quoted;
    if (!quoted && line[i - 1] == ' ' && line[i] != ' ') starts.push_back(i);
  }
  return starts;
}

// vsnprintf that never leaves a cut text behind: the buffer is either the
// whole text or empty.
int format_whole(char* buffer, size_t size, const char* format, va_list args) {
  int length = std::vsnprintf(buffer, size, format, args);
  if (length < 0 || static_cast<size_t>(length) >= size) {
    if (size > 0) buffer[0] = '\0';
  }
  return length;
}

// The skipped line is shown in full so the user can see what was left out
// and why (usually a very long advanced options text).
void report_skipped(const char* format, va_list args) {
  va_list measure;
  va_copy(measure, args);
  int length = std::vsnprintf(nullptr, 0, format, measure);
  va_end(measure);
  if (length < 0) return;
  std::string text(static_cast<size_t>(length) + 1, '\0');
  std::vsnprintf(&text[0], text.size(), format, args);
  text.pop_back();
  std::printf("Skipped a command longer than %zu characters: %s\n", kCommandBufferSize - 1,
              text.c_str());
}

}  // namespace

int format_bounded(char* buffer, size_t size, const char* format, ...) {
  va_list args;
  va_start(args, format);
  int length = format_whole(buffer, size, format, args);
  va_end(args);
  return length;
}

size_t command_length(const char* format, ...) {
  va_list args;
  va_start(args, format);
  int length = std::vsnprintf(nullptr, 0, format, args);
  va_end(args);
  return length < 0 ? 0 : static_cast<size_t>(length);
}

void format_command(char* buffer, const char* format, ...) {
  va_list args;
  va_start(args, format);
  va_list again;
  va_copy(again, args);
  int length = format_whole(buffer, kCommandBufferSize, format, args);
  if (length < 0 || static_cast<size_t>(length) >= kCommandBufferSize)
    report_skipped(format, again);
  va_end(again);
  va_end(args);
}

// An interruption is only noted where it comes: what ran during it may be
// cut short, and what follows would work on a folder about to be put back.
int run_command(const char* line) {
  if (interruption_noted()) return kInterruptedStatus;
  if (line[0] == '\0') return -1;
  std::fflush(stdout);
  int status = run_line(line);
  std::fflush(stdout);
  return interruption_noted() ? kInterruptedStatus : status;
}

std::string time_limit_message() {
  int seconds = time_limit_seconds();
  return "The image tool was stopped after " + std::to_string(seconds) +
         (seconds == 1 ? " second: " : " seconds: ") + line_in_brief(line_stopped_at_time_limit(), kBriefLine);
}

std::string line_in_brief(const std::string& line, size_t most) {
  if (line.size() <= most) return line;
  std::vector<size_t> starts = later_word_starts(line);
  if (starts.empty()) return line.substr(0, most) + "...";
  std::string head = line.substr(0, starts.front()) + "...";
  size_t tail = line.size();
  for (auto start = starts.rbegin(); start != starts.rend(); ++start) {
    if (head.size() + 1 + line.size() - *start > most) break;
    tail = *start;
  }
  if (tail < line.size()) return head + " " + line.substr(tail);
  size_t room = most > head.size() ? most - head.size() : 0;
  return head + line.substr(line.size() - room);
}
