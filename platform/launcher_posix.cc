#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <ctime>

#include "platform/environment.h"
#include "platform/interruption.h"
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

// --- Programs started and not yet waited for ----------------------------------

using Clock = std::chrono::steady_clock;

// Between SIGTERM and SIGKILL: time for a tool to remove its temporary files.
constexpr std::chrono::seconds kGrace(2);
// The longest a wait sleeps without looking: a signal that comes just
// before the sleep begins is seen by then at the latest.
constexpr std::chrono::milliseconds kLongestPause(250);

struct Started {
  pid_t process = -1;  // also its process group
  Clock::time_point deadline;
  bool stopping = false;  // SIGTERM sent
  bool killed = false;    // SIGKILL sent
  bool past_limit = false;
  Clock::time_point stopped_at;
};
std::vector<Started> started;
int stopped_at_limit = 0;

Started* started_entry(ProcessId process) {
  for (Started& entry : started) {
    if (entry.process == process) return &entry;
  }
  return nullptr;
}

void forget(ProcessId process) {
  Started* entry = started_entry(process);
  if (entry == nullptr) return;
  if (entry->past_limit) ++stopped_at_limit;
  started.erase(started.begin() + (entry - started.data()));
  release_interruptions();
}

int exit_code_of(int status) {
  if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
  return WEXITSTATUS(status);
}

// A child that ends wakes a waiting pselect; the handler itself has
// nothing to do.
void on_child_ended(int) {}

void catch_child_endings() {
  static bool caught = false;
  if (caught) return;
  struct sigaction action = {};
  action.sa_handler = on_child_ended;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART | SA_NOCLDSTOP;
  sigaction(SIGCHLD, &action, nullptr);
  caught = true;
}

// The group gets SIGTERM, and SIGCONT in case the terminal stopped it (a
// tool in a group of its own that reads the terminal is stopped).
void stop_group(Started& entry, bool past_limit) {
  if (entry.stopping) return;
  kill(-entry.process, SIGTERM);
  kill(-entry.process, SIGCONT);
  entry.stopping = true;
  entry.past_limit = past_limit;
  entry.stopped_at = Clock::now();
}

// Stops what has run past its limit, or everything after an interruption,
// and kills what outlived its grace.
void enforce_limits(const std::vector<ProcessId>& running) {
  Clock::time_point now = Clock::now();
  for (ProcessId process : running) {
    Started* entry = started_entry(process);
    if (entry == nullptr) continue;
    if (interruption_noted()) {
      stop_group(*entry, false);
    } else if (now >= entry->deadline) {
      stop_group(*entry, true);
    }
    if (entry->stopping && !entry->killed && now >= entry->stopped_at + kGrace) {
      kill(-entry->process, SIGKILL);
      entry->killed = true;
    }
  }
}

// When enforce_limits next has something to do, or kLongestPause from now.
Clock::time_point next_check(const std::vector<ProcessId>& running) {
  Clock::time_point next = Clock::now() + kLongestPause;
  for (ProcessId process : running) {
    const Started* entry = started_entry(process);
    if (entry == nullptr || entry->killed) continue;
    next = std::min(next, entry->stopping ? entry->stopped_at + kGrace : entry->deadline);
  }
  return next;
}

// Collects one of the programs that has ended, if any: its place in the
// list and its exit code. One that cannot be waited for counts as ended
// with -1.
bool collect_ended(const std::vector<ProcessId>& running, size_t* index, int* exit_code) {
  for (size_t i = 0; i < running.size(); ++i) {
    int status = 0;
    pid_t done = waitpid(static_cast<pid_t>(running[i]), &status, WNOHANG);
    if (done == 0 || (done < 0 && errno == EINTR)) continue;
    *index = i;
    *exit_code = done < 0 ? -1 : exit_code_of(status);
    forget(running[i]);
    return true;
  }
  return false;
}

// Sleeps until `until`, or until a child ends or a signal comes; blocked
// signals are let in during the sleep only.
void pause_until(Clock::time_point until, const sigset_t& unblocked) {
  auto left = std::chrono::duration_cast<std::chrono::nanoseconds>(until - Clock::now());
  if (left.count() <= 0) return;
  timespec pause;
  pause.tv_sec = static_cast<time_t>(left.count() / 1000000000);
  pause.tv_nsec = static_cast<long>(left.count() % 1000000000);
  pselect(0, nullptr, nullptr, nullptr, &pause, &unblocked);
}

// The wait for a child not started by start_program, which has no limit.
int wait_unlimited(ProcessId process) {
  int status = 0;
  while (waitpid(static_cast<pid_t>(process), &status, 0) < 0) {
    if (errno != EINTR) return -1;
  }
  return exit_code_of(status);
}

}  // namespace

bool is_program_file(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && access(path.c_str(), X_OK) == 0;
}

int programs_stopped_at_time_limit() {
  return stopped_at_limit;
}

// The child leads a process group of its own, with no signal blocked.
// Signals are noted from before it starts (platform/interruption.h): a
// Ctrl-C that came between its start and the wait would otherwise end this
// program and leave the child running.
ProcessId start_program(const std::vector<std::string>& arguments, const StandardStreams& streams) {
  if (arguments.empty() || arguments[0].empty() || interruption_noted()) return kNoProcess;
  catch_child_endings();
  hold_interruptions();
  SafeStreams safe = lift_streams(streams);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  for (int i = 0; i < 3; ++i) {
    if (safe.fds[i] >= 0) posix_spawn_file_actions_adddup2(&actions, safe.fds[i], i);
  }
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGMASK);
  posix_spawnattr_setpgroup(&attributes, 0);
  sigset_t none;
  sigemptyset(&none);
  posix_spawnattr_setsigmask(&attributes, &none);
  std::vector<char*> argv = argument_vector(arguments);
  pid_t process = -1;
  bool has_folder = arguments[0].find('/') != std::string::npos;
  int failure = has_folder
                    ? posix_spawn(&process, argv[0], &actions, &attributes, argv.data(), environ)
                    : posix_spawnp(&process, argv[0], &actions, &attributes, argv.data(), environ);
  posix_spawnattr_destroy(&attributes);
  posix_spawn_file_actions_destroy(&actions);
  close_streams(safe);
  if (failure != 0) {
    release_interruptions();
    return kNoProcess;
  }
  Started entry;
  entry.process = process;
  entry.deadline = Clock::now() + std::chrono::seconds(time_limit_seconds());
  started.push_back(entry);
  return process;
}

int wait_program(ProcessId process) {
  if (started_entry(process) == nullptr) return wait_unlimited(process);
  std::vector<ProcessId> one = {process};
  return wait_for_any(one);
}

// SIGCHLD stays blocked while the programs are looked at, and is let in
// only during the sleep, so an ending between the look and the sleep still
// wakes it.
int wait_for_any(std::vector<ProcessId>& running) {
  if (running.empty()) return -1;
  sigset_t child_ended, previous;
  sigemptyset(&child_ended);
  sigaddset(&child_ended, SIGCHLD);
  sigprocmask(SIG_BLOCK, &child_ended, &previous);
  size_t index = 0;
  int exit_code = -1;
  while (!collect_ended(running, &index, &exit_code)) {
    enforce_limits(running);
    pause_until(next_check(running), previous);
  }
  sigprocmask(SIG_SETMASK, &previous, nullptr);
  running.erase(running.begin() + static_cast<std::ptrdiff_t>(index));
  return exit_code;
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
  return wait_unlimited(child) == 0;
}

std::string find_program_in_path(const std::string& name) {
  if (name.empty() || name.find('/') != std::string::npos) return std::string();
  for (const std::string& folder : path_folders()) {
    std::string candidate = folder + "/" + name;
    if (is_program_file(candidate)) return candidate;
  }
  return std::string();
}
