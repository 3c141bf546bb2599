#include "platform/shell.h"

#include "platform/error_log.h"
#include "platform/interpreter.h"

int run_shell_line(const char* line) {
  ErrorsToLog errors;
  return interpret_command_line(line);
}
