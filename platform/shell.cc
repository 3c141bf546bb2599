#include "platform/shell.h"

#include "platform/error_log.h"
#include "platform/interpreter.h"
#include "platform/launcher.h"

namespace {

CommandRunner current_runner = nullptr;
std::string stopped_line;

}  // namespace

int run_shell_line(const char* line) {
  ErrorsToLog errors;
  return interpret_command_line(line);
}

CommandRunner set_command_runner(CommandRunner runner) {
  CommandRunner previous = current_runner;
  current_runner = runner;
  return previous;
}

int run_line(const char* line) {
  int stopped_before = programs_stopped_at_time_limit();
  int status = current_runner != nullptr ? current_runner(line) : run_shell_line(line);
  if (programs_stopped_at_time_limit() != stopped_before && stopped_line.empty()) {
    stopped_line = line;
  }
  return status;
}

const std::string& line_stopped_at_time_limit() {
  return stopped_line;
}
