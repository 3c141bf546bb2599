// Starting the programs that command lines name (POSIX).
//
// This is the one place where the interpreter starts a process: the program
// runs with its arguments exactly as given, no shell in between, and with its
// three standard streams on the file descriptors the caller names. Starting
// and waiting are separate steps so that several programs can run at once
// and be waited for afterwards.
#ifndef SKINBUILDER_PLATFORM_LAUNCHER_H_
#define SKINBUILDER_PLATFORM_LAUNCHER_H_

#include <sys/types.h>

#include <string>
#include <vector>

// File descriptors a command reads from and writes to.
struct StandardStreams {
  int input = 0;
  int output = 1;
  int error = 2;
};

// Starts arguments[0] (a path when it holds "/", else looked up in PATH) with
// `arguments` as its argument vector. Returns its process id, or -1 when the
// program cannot be started (missing, not executable).
pid_t start_program(const std::vector<std::string>& arguments, const StandardStreams& streams);

// Waits for a started program; returns its exit code (128 + signal number
// when a signal ended it).
int wait_program(pid_t process);

// Starts and waits. Returns -1 when the program cannot be started.
int run_program(const std::vector<std::string>& arguments, const StandardStreams& streams);

// Starts a program in a session of its own with its output discarded and
// returns at once; nobody waits for it. False when it cannot be started.
bool start_detached(const std::vector<std::string>& arguments);

// Whether an executable of that name lies in a folder of PATH.
bool program_in_path(const std::string& name);

// A new empty file that disappears when its descriptor is closed, for the
// output of one stage of a pipe. -1 when none can be made.
int make_scratch_file();

// Writes the whole text to a file descriptor.
void write_text(int fd, const std::string& text);

// Reads everything that is left on a file descriptor.
std::string read_all(int fd);

#endif  // SKINBUILDER_PLATFORM_LAUNCHER_H_
