#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <thread>

#include "platform/child_process.h"

namespace {

// An unnamed file holding the text, read from its start.
FILE* file_holding(const std::string& text) {
  FILE* file = std::tmpfile();
  if (file == nullptr) return nullptr;
  std::fwrite(text.data(), 1, text.size(), file);
  std::fflush(file);
  std::rewind(file);
  return file;
}

std::string everything_in(FILE* file) {
  std::string text;
  std::rewind(file);
  char buffer[4096];
  for (size_t got; (got = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
    text.append(buffer, got);
  return text;
}

int exit_code_of(int status) {
  if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Waits for the child, killing it once the limit has passed. Polling keeps
// this free of signal handlers, which would touch the whole test process.
int wait_with_limit(pid_t child, int limit_seconds) {
  auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(limit_seconds);
  int status = 0;
  for (;;) {
    pid_t done = waitpid(child, &status, WNOHANG);
    if (done == child) return exit_code_of(status);
    if (done < 0 && errno != EINTR) return -1;
    if (std::chrono::steady_clock::now() >= deadline) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  kill(child, SIGKILL);
  while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  return exit_code_of(status);
}

}  // namespace

ChildRun run_child(const std::string& program, const std::string& folder, const std::string& input,
                   int limit_seconds, ErrorOutput errors) {
  ChildRun run;
  FILE* in = file_holding(input);
  FILE* out = std::tmpfile();
  FILE* err = errors == ErrorOutput::kApart ? std::tmpfile() : out;
  if (in != nullptr && out != nullptr && err != nullptr) {
    std::fflush(nullptr);
    pid_t child = fork();
    if (child == 0) {
      // Only calls that are safe between fork and exec.
      dup2(fileno(in), 0);
      dup2(fileno(out), 1);
      dup2(fileno(err), 2);
      if (chdir(folder.c_str()) == 0) execl(program.c_str(), program.c_str(), nullptr);
      _exit(127);
    }
    if (child > 0) run.exit_code = wait_with_limit(child, limit_seconds);
    run.output = everything_in(out);
    if (err != out) run.errors = everything_in(err);
  }
  if (in != nullptr) std::fclose(in);
  if (err != nullptr && err != out) std::fclose(err);
  if (out != nullptr) std::fclose(out);
  return run;
}

std::string shell_output(const std::string& line) {
  std::string output;
  FILE* pipe = popen(line.c_str(), "r");
  if (pipe == nullptr) return output;
  char buffer[4096];
  for (size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
    output.append(buffer, got);
  }
  pclose(pipe);
  return output;
}

