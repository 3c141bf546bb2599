// Ctrl-C and its kin while the user's folders are in a state of their own.
//
// From watch_interruptions until stop_watching_interruptions, an
// interruption (Ctrl-C, SIGTERM, the terminal hanging up; on Windows the
// console's Ctrl-C, Ctrl-Break and close events) does not end the program
// where it stands. It is noted; the command then running is stopped (the
// launcher stops its programs, platform/launcher.h); and at the next safe
// point (after each command line, after each answer read) the program
// calls handle_interruption, which runs the action: the action puts the
// folders right and ends the program. Outside that span an interruption
// ends the program at once, as it always did (a signal the program was
// started to ignore stays ignored there).
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

// Receives the exit status the interruption calls for (128 plus the
// signal's number: 130 for Ctrl-C, 143 for SIGTERM, 129 for a hang-up or a
// closed console window). It does not return.
using InterruptionAction = void (*)(int exit_status);

void watch_interruptions(InterruptionAction action);
void stop_watching_interruptions();

// True when an interruption was noted while watching, or while a started
// program ran.
bool interruption_noted();

// Around the life of each started program, from before it starts until it
// has been waited for (the launcher calls them; they nest).
void hold_interruptions();
void release_interruptions();

// Runs the action when an interruption was noted; does nothing otherwise.
void handle_interruption();

// Reads what is there on the stream's file descriptor (the answers; the
// stream's own buffer is not used), waiting for it unless an interruption
// is noted. Returns the number of bytes read (at
// least 1), 0 at the end of input (or when it cannot be read), -1 when an
// interruption was noted before or during the wait. On POSIX the check and
// the wait are one step (the signals stay blocked until the wait begins),
// so an interruption that comes just before the wait is never missed.
long read_unless_interrupted(std::FILE* stream, char* buffer, unsigned size);

#endif  // SKINBUILDER_PLATFORM_INTERRUPTION_H_
