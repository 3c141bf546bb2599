#include "platform/interpreter.h"
#include "platform/shell.h"

int run_shell_line(const char* line) {
  return interpret_command_line(line);
}
