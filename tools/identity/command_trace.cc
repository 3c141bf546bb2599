// The wizard as skinbuilder runs it, with every command line also written,
// one per line, to the file named by the first argument. For comparing what
// two versions of the program do with the same answers
// (tools/identity/compare_versions.sh).
#include <cstdio>

#include "assembly/commands.h"
#include "platform/console.h"
#include "platform/shell.h"
#include "wizard/driver.h"
#include "wizard/startup_check.h"

namespace {

std::FILE* trace = nullptr;

int traced(const char* line) {
  std::fprintf(trace, "%s\n", line);
  std::fflush(trace);
  return run_shell_line(line);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 || (trace = std::fopen(argv[1], "w")) == nullptr) {
    std::fprintf(stderr, "usage: command-trace TRACE_FILE\n");
    return 2;
  }
  prepare_console();
  set_command_runner(traced);
  if (!check_working_folder("")) return 1;
  return run_wizard("");
}
