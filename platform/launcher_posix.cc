#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "platform/environment.h"
#include "platform/launcher.h"

extern char** environ;

namespace {

std::vector<char*> argument_vector(const std::vector<std::string>& arguments) {
  std::vector<char*> pointers;
  for (const std::string& argument : arguments)
    pointers.push_back(const_cast<char*>(argument.c_str()));
  pointers.push_back(nullptr);
  return pointers;
}

// Copies of the caller's descriptors above the standard three, so that
// placing them on 0, 1 and 2 in the child never overwrites one that a later
// step still needs (as in "2>&1 >FILE").
struct SafeStreams {
  int fds[3];
};

SafeStreams lift_streams(const StandardStreams& streams) {
  int wanted[3] = {streams.input, streams.output, streams.error};
  SafeStreams safe;
  for (int i = 0; i < 3; ++i) safe.fds[i] = fcntl(wanted[i], F_DUPFD_CLOEXEC, 3);
  return safe;
}

void close_streams(const SafeStreams& safe) {
  for (int fd : safe.fds) {
    if (fd >= 0) close(fd);
  }
}

}  // namespace

bool is_program_file(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && access(path.c_str(), X_OK) == 0;
}

ProcessId start_program(const std::vector<std::string>& arguments, const StandardStreams& streams) {
  if (arguments.empty() || arguments[0].empty()) return kNoProcess;
  SafeStreams safe = lift_streams(streams);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  for (int i = 0; i < 3; ++i) {
    if (safe.fds[i] >= 0) posix_spawn_file_actions_adddup2(&actions, safe.fds[i], i);
  }
  std::vector<char*> argv = argument_vector(arguments);
  pid_t process = -1;
  bool has_folder = arguments[0].find('/') != std::string::npos;
  int failure = has_folder
                    ? posix_spawn(&process, argv[0], &actions, nullptr, argv.data(), environ)
                    : posix_spawnp(&process, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close_streams(safe);
  return failure == 0 ? process : kNoProcess;
}

int wait_program(ProcessId process) {
  int status = 0;
  while (waitpid(static_cast<pid_t>(process), &status, 0) < 0) {
    if (errno != EINTR) return -1;
  }
  if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
  return WEXITSTATUS(status);
}

// The ended process is only looked at, not collected, until it is known to
// be one of the list; should another child of this program have ended, the
// oldest of the list is waited for instead.
int wait_for_any(std::vector<ProcessId>& running) {
  ProcessId ended = running.front();
  siginfo_t info = {};
  if (waitid(P_ALL, 0, &info, WEXITED | WNOWAIT) == 0 &&
      std::find(running.begin(), running.end(), info.si_pid) != running.end()) {
    ended = info.si_pid;
  }
  running.erase(std::find(running.begin(), running.end(), ended));
  return wait_program(ended);
}

// The child starts the program in a grandchild and leaves at once, so the
// program belongs to no one here and leaves no zombie behind.
bool start_detached(const std::vector<std::string>& arguments) {
  if (arguments.empty()) return false;
  std::vector<char*> argv = argument_vector(arguments);
  pid_t child = fork();
  if (child < 0) return false;
  if (child == 0) {
    setsid();
    if (fork() == 0) {
      int null_fd = open("/dev/null", O_RDWR);
      for (int fd = 0; fd < 3; ++fd) dup2(null_fd, fd);
      execvp(argv[0], argv.data());
      _exit(127);
    }
    _exit(0);
  }
  return wait_program(child) == 0;
}

std::string find_program_in_path(const std::string& name) {
  if (name.empty() || name.find('/') != std::string::npos) return std::string();
  for (const std::string& folder : path_folders()) {
    std::string candidate = folder + "/" + name;
    if (is_program_file(candidate)) return candidate;
  }
  return std::string();
}
