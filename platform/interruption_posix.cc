#include <signal.h>
#include <sys/select.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "platform/interruption.h"

namespace {

volatile sig_atomic_t noted_signal = 0;
bool watching = false;
int holds = 0;  // started programs not yet waited for

constexpr int kWatchedSignals[] = {SIGINT, SIGTERM, SIGHUP};
constexpr int kWatchedCount = sizeof kWatchedSignals / sizeof kWatchedSignals[0];

// What each signal did before it was noted here, put back afterwards: a
// program started with SIGHUP ignored (nohup) keeps it ignored.
bool noted_here[kWatchedCount] = {};
struct sigaction original_actions[kWatchedCount];

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

// A build notes every interruption, even one the program was started to
// ignore (a shell starts a program in the background with Ctrl-C ignored);
// a wait for programs outside a build notes only what would have ended
// the program.
void start_noting(bool even_ignored) {
  struct sigaction action = {};
  action.sa_handler = note_signal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = 0;  // no SA_RESTART: a waiting read returns with EINTR
  for (int i = 0; i < kWatchedCount; ++i) {
    struct sigaction current;
    if (noted_here[i] || sigaction(kWatchedSignals[i], nullptr, &current) != 0) continue;
    if (!even_ignored && current.sa_handler == SIG_IGN) continue;
    original_actions[i] = current;
    sigaction(kWatchedSignals[i], &action, nullptr);
    noted_here[i] = true;
  }
}

void stop_noting() {
  for (int i = 0; i < kWatchedCount; ++i) {
    if (noted_here[i]) sigaction(kWatchedSignals[i], &original_actions[i], nullptr);
    noted_here[i] = false;
  }
}

// Does what the signal would have done had it not been noted: its default
// action ends the program with it (a shell reports 128 plus its number); an
// ignored one is let go.
void act_as_signal(int signal_number) {
  std::fflush(stdout);
  raise(signal_number);
}

}  // namespace

void watch_interruptions() {
  watching = true;
  noted_signal = 0;
  start_noting(true);
}

void stop_watching_interruptions() {
  if (holds == 0) stop_noting();
  watching = false;
}

void hold_interruptions() {
  if (holds++ > 0 || watching) return;
  noted_signal = 0;
  start_noting(false);
}

void release_interruptions() {
  if (holds == 0 || --holds > 0 || watching) return;
  stop_noting();
  int signal_number = noted_signal;
  noted_signal = 0;
  if (signal_number != 0) act_as_signal(signal_number);
}

bool interruption_noted() {
  return noted_signal != 0;
}

int interruption_signal() {
  return noted_signal;
}

void note_interruption(int signal_number) {
  noted_signal = signal_number;
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
