// Running another program as a child, for the tests that drive the real
// binaries: a program started in a folder, its standard input fed from a
// text, everything it prints captured, and a time limit after which it is
// killed, so that a dialogue that waits forever fails instead of hanging.
//
// On Windows the child is started with CreateProcess inside a job object,
// and the time limit (or the end of the run) ends the whole job: a command
// interpreter the child started that still waits for an answer would
// otherwise outlive it, holding the test's own output open. Elsewhere the
// child is started with fork and exec, and only the child is killed.
// Either way no shell stands in between, so a folder or program path may
// hold any characters.
#ifndef SKINBUILDER_PLATFORM_CHILD_PROCESS_H_
#define SKINBUILDER_PLATFORM_CHILD_PROCESS_H_

#include <string>

// Exit codes as a shell reports them: 137 for a child killed at the time
// limit, 127 for a program that cannot be started.
struct ChildRun {
  int exit_code = -1;
  std::string output;  // standard output, with standard error unless kept apart
  std::string errors;  // standard error, when kept apart
};

// Whether standard error goes into `output`, in the order the child wrote
// (the console shows it so), or into `errors`: the tools' own messages
// differ from one command interpreter to the next, the program's text not.
enum class ErrorOutput { kInterleaved, kApart };

// Runs the program at path (no arguments) in folder, with input on its
// standard input and then end of input.
ChildRun run_child(const std::string& program, const std::string& folder, const std::string& input,
                   int limit_seconds, ErrorOutput errors = ErrorOutput::kInterleaved);

// Standard output of a line run by the system's shell (sh -c, or cmd /c on
// Windows).
std::string shell_output(const std::string& line);

#endif  // SKINBUILDER_PLATFORM_CHILD_PROCESS_H_
