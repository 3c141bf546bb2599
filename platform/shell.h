// The system's command interpreter: runs one command line to its end.
//
// On Windows this is the C library's system(), which hands the line to
// cmd.exe. Everywhere else the same line goes, unchanged, to the built-in
// interpreter of the command forms this program composes (platform/
// interpreter.h), so that the program's command lines are the same on every
// system.
#ifndef SKINBUILDER_PLATFORM_SHELL_H_
#define SKINBUILDER_PLATFORM_SHELL_H_

void run_shell_line(const char* line);

#endif  // SKINBUILDER_PLATFORM_SHELL_H_
