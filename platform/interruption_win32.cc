#include <io.h>

#include <csignal>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include "platform/interruption.h"

namespace {

// The signal numbers POSIX would give: Ctrl-C is SIGINT, a console that
// goes away is a hang-up (SIGHUP, which Windows' C library does not name).
constexpr LONG kHangUp = 1;

volatile LONG noted_signal = 0;
bool watching = false;

// The console calls this on a thread of its own. Ctrl-C and Ctrl-Break are
// only noted: the program goes on to its next safe point. A closed window,
// a log-off or a shutdown ends the process when this returns, so the
// thread waits here while the main thread puts the folders right (Windows
// allows about five seconds); the main thread's exit ends the wait.
BOOL WINAPI note_event(DWORD event) {
  bool closing = event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT;
  InterlockedExchange(&noted_signal, closing ? kHangUp : SIGINT);
  if (closing) Sleep(4500);
  return TRUE;
}

}  // namespace

void watch_interruptions() {
  watching = true;
  InterlockedExchange(&noted_signal, 0);
  SetConsoleCtrlHandler(note_event, TRUE);
}

void stop_watching_interruptions() {
  SetConsoleCtrlHandler(note_event, FALSE);
  watching = false;
}

// The tools share the console, so a Ctrl-C reaches them as it reaches the
// program, and their job objects end them when the program ends
// (platform/launcher.h): outside the watched span the console's default
// handling stays as it was.
void hold_interruptions() {}
void release_interruptions() {}

bool interruption_noted() {
  return noted_signal != 0;
}

int interruption_signal() {
  return static_cast<int>(noted_signal);
}

void note_interruption(int signal_number) {
  InterlockedExchange(&noted_signal, signal_number);
}

// Ctrl-C ends a console read at once, but the console tells the handler
// on its own thread a moment later: a read that ends with nothing gives
// that moment before it counts as the end of the input.
long read_unless_interrupted(std::FILE* stream, char* buffer, unsigned size) {
  if (interruption_noted()) return -1;
  int count = _read(_fileno(stream), buffer, size);
  if (count > 0) return count;
  if (watching && !interruption_noted()) Sleep(200);
  return interruption_noted() ? -1 : 0;
}
