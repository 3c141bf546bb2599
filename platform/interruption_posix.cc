#include <signal.h>
#include <sys/select.h>
#include <unistd.h>

#include <cerrno>

#include "platform/interruption.h"

namespace {

volatile sig_atomic_t noted_signal = 0;
InterruptionAction current_action = nullptr;

constexpr int kWatchedSignals[] = {SIGINT, SIGTERM, SIGHUP};

void note_signal(int signal_number) {
  noted_signal = signal_number;
}

sigset_t watched_set() {
  sigset_t set;
  sigemptyset(&set);
  for (int signal_number : kWatchedSignals) sigaddset(&set, signal_number);
  return set;
}

// Waits until fd can be read or a watched signal comes: the signals are
// unblocked only inside pselect, so none can slip in between the check of
// the flag and the wait. False when a signal came first.
bool wait_readable(int fd) {
  sigset_t watched = watched_set(), previous;
  sigprocmask(SIG_BLOCK, &watched, &previous);
  int ready = 0;
  while (noted_signal == 0) {
    fd_set readable;
    FD_ZERO(&readable);
    FD_SET(fd, &readable);
    ready = pselect(fd + 1, &readable, nullptr, nullptr, nullptr, &previous);
    if (ready >= 0 || errno != EINTR) break;
  }
  sigprocmask(SIG_SETMASK, &previous, nullptr);
  return noted_signal == 0;
}

void set_handler(void (*handler)(int)) {
  struct sigaction action = {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  action.sa_flags = 0;  // no SA_RESTART: a waiting read returns with EINTR
  for (int signal_number : kWatchedSignals) sigaction(signal_number, &action, nullptr);
}

}  // namespace

void watch_interruptions(InterruptionAction action) {
  current_action = action;
  noted_signal = 0;
  set_handler(note_signal);
}

void stop_watching_interruptions() {
  set_handler(SIG_DFL);
  current_action = nullptr;
}

bool interruption_noted() {
  return noted_signal != 0;
}

void handle_interruption() {
  int signal_number = noted_signal;
  if (signal_number == 0 || current_action == nullptr) return;
  InterruptionAction action = current_action;
  stop_watching_interruptions();
  action(128 + signal_number);
}

long read_unless_interrupted(std::FILE* stream, char* buffer, unsigned size) {
  int fd = fileno(stream);
  for (;;) {
    if (!wait_readable(fd)) return -1;
    ssize_t count = read(fd, buffer, size);
    if (count < 0 && errno == EINTR) continue;
    return count < 0 ? 0 : static_cast<long>(count);
  }
}
