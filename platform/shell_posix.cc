#include "platform/interpreter.h"
#include "platform/shell.h"

void run_shell_line(const char* line) {
  interpret_command_line(line);
}
