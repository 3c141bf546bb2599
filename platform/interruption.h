// Ctrl-C and its kin while the user's folders are in a state of their own.
//
// From watch_interruptions until stop_watching_interruptions, an
// interruption (Ctrl-C, SIGTERM, the terminal hanging up; on Windows the
// console's Ctrl-C, Ctrl-Break and close events) does not end the program
// where it stands. It is only noted: the command then running is stopped
// (the launcher stops its programs, platform/launcher.h), no program is
// started after it, a wait for an answer ends at once, and the caller
// sees it (interruption_noted) at its next step and ends the program
// itself, after putting the folders right, with 128 plus
// interruption_signal() as the exit status. Outside that span an
// interruption ends the program at once, as it always did (a signal the
// program was started to ignore stays ignored there).
//
// On POSIX the handlers are installed without SA_RESTART, so a read of an
// answer that is waiting returns at once instead of waiting on.
//
// The programs the command lines start get no Ctrl-C of their own on
// POSIX: each runs in a process group of its own, so the terminal's signal
// reaches only this program, which stops them. While any of them runs, an
// interruption is therefore noted even when nobody watches; once the last
// of them has been stopped and waited for, the program ends as the signal
// would have ended it. (On Windows the tools share the console, and their
// job objects end them with the program, so outside the span nothing
// changes there.)
#ifndef SKINBUILDER_PLATFORM_INTERRUPTION_H_
#define SKINBUILDER_PLATFORM_INTERRUPTION_H_

#include <cstdio>

// Starts the span afresh: nothing is noted yet.
void watch_interruptions();
// Ends it; what was noted stays noted.
void stop_watching_interruptions();

// True when an interruption was noted while watching, or while a started
// program ran.
bool interruption_noted();

// The number of the signal noted (SIGINT for Ctrl-C and Ctrl-Break,
// SIGTERM, SIGHUP for a hang-up or a closed console window), or 0. The
// program ends with 128 plus it, as a shell reports a program the signal
// ended: 130, 143, 129.
int interruption_signal();

// Notes an interruption by that signal as the handlers do, or forgets it
// with 0: for the tests of what follows one.
void note_interruption(int signal_number);

// Around the life of each started program, from before it starts until it
// has been waited for (the launcher calls them; they nest).
void hold_interruptions();
void release_interruptions();

// Reads what is there on the stream's file descriptor (the answers; the
// stream's own buffer is not used), waiting for it unless an interruption
// is noted. Returns the number of bytes read (at
// least 1), 0 at the end of input (or when it cannot be read), -1 when an
// interruption was noted before or during the wait. On POSIX the check and
// the wait are one step (the signals stay blocked until the wait begins),
// so an interruption that comes just before the wait is never missed.
long read_unless_interrupted(std::FILE* stream, char* buffer, unsigned size);

#endif  // SKINBUILDER_PLATFORM_INTERRUPTION_H_
