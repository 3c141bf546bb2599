// The program's own interpreter of the Windows command lines it composes,
// the same code on every system, Windows included: cmd.exe is never
// started, so a skin name holding '%' or '^' reaches the files as typed,
// and the lines behave alike wherever they run.
//
// A line is read as cmd reads it (platform/command_line.h) and each stage of
// its pipe runs to its end before the next starts, the output of one stage
// being the input of the next. A stage's first word names:
//   - a built-in command (platform/builtins.h), carried out here;
//   - an existing .png file, which is shown (platform/image_viewer.h);
//   - otherwise a program, started with the remaining words as its arguments,
//     no shell in between (platform/launcher.h), and waited for. Words that
//     begin with ".\" are paths in the working folder (platform/paths.h);
//     all others reach the program unchanged. ".\skindata\mogrify" and
//     ".\skindata\identify" are the image tools wherever they are found
//     (platform/image_tools.h); mogrify with a wildcard may run as several
//     processes at once (platform/image_jobs.h).
// The stage's redirections apply to all three. A program that cannot be
// started gets cmd's "is not recognized" message and the line ends there;
// no line, however malformed, stops the caller.
//
// An image tool that was stopped at its time limit (platform/launcher.h) is
// taken to hang: for the rest of the run it is not started again, and a
// line that would start it says so on its standard error and fails with
// status 1, so that a hanging tool costs a build one time limit, not one
// per command. A line that cannot start its program because an
// interruption was noted fails with status 1 and says nothing.
//
// The line's exit status is that of its last stage, as cmd's errorlevel:
// a built-in's, a program's exit code, 9009 for a program that cannot be
// started, 1 for a redirection that cannot be opened or a line that cannot
// be read.
#ifndef SKINBUILDER_PLATFORM_INTERPRETER_H_
#define SKINBUILDER_PLATFORM_INTERPRETER_H_

#include "platform/launcher.h"

// streams are the line's own standard streams (the process's by default).
int interpret_command_line(const char* line, const StandardStreams& streams = StandardStreams());

#endif  // SKINBUILDER_PLATFORM_INTERPRETER_H_
