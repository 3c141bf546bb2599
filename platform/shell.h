// The command interpreter: runs one command line to its end.
//
// On every system, Windows included, the line goes unchanged to the
// program's own interpreter of the command forms it composes (platform/
// interpreter.h), so that the lines behave the same wherever they run and
// only the image tools are started as processes.
#ifndef SKINBUILDER_PLATFORM_SHELL_H_
#define SKINBUILDER_PLATFORM_SHELL_H_

#include <string>

// While a log file is set, what the command lines write to their standard
// error (the tools' and the interpreter's own messages) goes to the end of
// that file instead of the console: the program then reports failures
// itself, once, and the details stay there for whoever wants them. The
// first command after setting it starts the file afresh, unless told to
// add to what is there; nullptr sends the messages to the console again.
// path is in the local form.
void send_command_errors_to(const char* path, bool afresh = true);

// Returns the line's exit status, as cmd's errorlevel would be.
int run_shell_line(const char* line);

// The seam between the lines and what runs them: a function that receives
// every line run_line is given, in place of the interpreter, and gives its
// exit status (tests record the lines with it). Returns the previous one;
// nullptr puts the interpreter back.
using CommandRunner = int (*)(const char* line);
CommandRunner set_command_runner(CommandRunner runner);

// Runs the line with the runner set, or else run_shell_line, and returns
// its exit status.
int run_line(const char* line);

// The first line given to run_line during which a program was stopped at
// its time limit (platform/launcher.h: SKINBUILDER_TOOL_TIMEOUT, ten
// minutes by default), or empty. After it the image tools are not started
// again (platform/interpreter.h), so the lines that follow fail at once.
const std::string& line_stopped_at_time_limit();

#endif  // SKINBUILDER_PLATFORM_SHELL_H_
