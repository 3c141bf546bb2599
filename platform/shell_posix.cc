#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "platform/interpreter.h"
#include "platform/shell.h"

namespace {

std::string error_log;
bool error_log_fresh = false;

// The process's own standard error is pointed at the log for the length
// of the command, so that everything the command does keeps the console's
// three streams (the image tool runs in this process where it can, and
// only does so for unredirected commands).
class ErrorsToLog {
 public:
  ErrorsToLog() {
    if (error_log.empty()) return;
    int flags = O_WRONLY | O_CREAT | O_CLOEXEC | (error_log_fresh ? O_TRUNC : O_APPEND);
    int log = open(error_log.c_str(), flags, 0666);
    if (log < 0) return;
    error_log_fresh = false;
    std::fflush(stderr);
    saved_ = dup(2);
    dup2(log, 2);
    close(log);
  }
  ~ErrorsToLog() {
    if (saved_ < 0) return;
    std::fflush(stderr);
    dup2(saved_, 2);
    close(saved_);
  }

 private:
  int saved_ = -1;
};

}  // namespace

void send_command_errors_to(const char* path) {
  error_log = path != nullptr ? path : "";
  error_log_fresh = true;
}

int run_shell_line(const char* line) {
  ErrorsToLog errors;
  return interpret_command_line(line);
}
