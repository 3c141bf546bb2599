#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

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

pid_t start_program(const std::vector<std::string>& arguments, const StandardStreams& streams) {
  if (arguments.empty() || arguments[0].empty()) return -1;
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
  return failure == 0 ? process : -1;
}

int wait_program(pid_t process) {
  int status = 0;
  while (waitpid(process, &status, 0) < 0) {
    if (errno != EINTR) return -1;
  }
  if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
  return WEXITSTATUS(status);
}

int run_program(const std::vector<std::string>& arguments, const StandardStreams& streams) {
  pid_t process = start_program(arguments, streams);
  return process < 0 ? -1 : wait_program(process);
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

bool program_in_path(const std::string& name) {
  const char* path = std::getenv("PATH");
  std::string folders = path != nullptr ? path : "";
  size_t start = 0;
  while (start <= folders.size()) {
    size_t end = folders.find(':', start);
    if (end == std::string::npos) end = folders.size();
    std::string folder = end > start ? folders.substr(start, end - start) : ".";
    std::string candidate = folder + "/" + name;
    struct stat info;
    if (stat(candidate.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
        access(candidate.c_str(), X_OK) == 0) {
      return true;
    }
    start = end + 1;
  }
  return false;
}

int make_scratch_file() {
  const char* folder = std::getenv("TMPDIR");
  std::string name =
      std::string(folder != nullptr && folder[0] != '\0' ? folder : "/tmp") + "/skinbuilder-XXXXXX";
  int fd = mkostemp(&name[0], O_CLOEXEC);
  if (fd >= 0) unlink(name.c_str());
  return fd;
}

void write_text(int fd, const std::string& text) {
  size_t done = 0;
  while (done < text.size()) {
    ssize_t written = write(fd, text.data() + done, text.size() - done);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return;
    done += static_cast<size_t>(written);
  }
}

std::string read_all(int fd) {
  std::string text;
  char buffer[65536];
  while (true) {
    ssize_t count = read(fd, buffer, sizeof buffer);
    if (count < 0 && errno == EINTR) continue;
    if (count <= 0) return text;
    text.append(buffer, static_cast<size_t>(count));
  }
}
