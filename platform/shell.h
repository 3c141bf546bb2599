// The system's command interpreter: runs one command line to its end.
//
// On Windows this is the C library's system(), which hands the line to
// cmd.exe; each image command there is one mogrify process over all its
// files, one command after another (spreading a command over several
// processes, platform/image_jobs.h, is the built-in interpreter's). A line
// that is nothing but the path of an existing .png file, the preview's show
// line, is shown through platform/image_viewer.h instead, as cmd would show
// it, so that the program knows whether it was drawn in the console and no
// dialog of the system's can make an unattended run wait. "cls" with an
// output that is no console (a pipe, a file) does nothing, as the built-in
// interpreter's does, where cmd would write a form feed; on a console cmd
// clears it.
//
// Everywhere else the same line goes, unchanged, to the built-in
// interpreter of the command forms this program composes (platform/
// interpreter.h), so that the program's command lines are the same on every
// system.
#ifndef SKINBUILDER_PLATFORM_SHELL_H_
#define SKINBUILDER_PLATFORM_SHELL_H_

// While a log file is set, what the command lines write to their standard
// error (the tools' and the interpreter's own messages) goes to the end of
// that file instead of the console: the program then reports failures
// itself, once, and the details stay there for whoever wants them. The
// first command after setting it starts the file afresh; nullptr sends
// the messages to the console again. path is in the local form.
void send_command_errors_to(const char* path);

// Returns the line's exit status: cmd's errorlevel on Windows, the built-in
// interpreter's (which follows it) elsewhere.
int run_shell_line(const char* line);

#endif  // SKINBUILDER_PLATFORM_SHELL_H_
