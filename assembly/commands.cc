#include "assembly/commands.h"

#include <cstdarg>
#include <cstdio>
#include <string>

#include "platform/interruption.h"
#include "platform/shell.h"

namespace {

CommandRunner current_runner = nullptr;

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

int run_command(const char* line) {
  if (line[0] == '\0') return -1;
  std::fflush(stdout);
  int status = current_runner != nullptr ? current_runner(line) : run_shell_line(line);
  std::fflush(stdout);
  // A Ctrl-C during the command ended it; the program stops here.
  handle_interruption();
  return status;
}

CommandRunner set_command_runner(CommandRunner runner) {
  CommandRunner previous = current_runner;
  current_runner = runner;
  return previous;
}
