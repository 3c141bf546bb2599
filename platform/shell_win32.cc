#include <cstdlib>

#include "platform/shell.h"

// cmd.exe runs the line; its exit status is not used.
void run_shell_line(const char* line) {
  std::system(line);
}
