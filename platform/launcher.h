// Starting the programs that command lines name.
//
// This is the one place where the program starts a process: the program
// runs with its arguments exactly as given, no shell in between, and with
// its three standard streams on the descriptors the caller names
// (platform/descriptors.h). Starting and waiting are separate steps so that
// several programs can run at once and be waited for afterwards.
//
// POSIX hands the argument vector over as it is. Windows hands a program
// one command line, which the program splits again by the C library's
// rules; windows_command_line writes the words so that they split back
// into exactly themselves, whatever they hold ('%', '^', '&', quotes and
// blanks included: no cmd.exe reads the line).
#ifndef SKINBUILDER_PLATFORM_LAUNCHER_H_
#define SKINBUILDER_PLATFORM_LAUNCHER_H_

#include <cstdint>
#include <string>
#include <vector>

// File descriptors a command reads from and writes to.
struct StandardStreams {
  int input = 0;
  int output = 1;
  int error = 2;
};

// A started program: the process id on POSIX, the process handle on
// Windows. kNoProcess when none was started.
using ProcessId = std::intptr_t;
constexpr ProcessId kNoProcess = -1;

// Starts arguments[0] (a path when it holds a folder, else looked up in
// PATH) with `arguments` as its arguments. kNoProcess when the program
// cannot be started (missing, not executable).
ProcessId start_program(const std::vector<std::string>& arguments, const StandardStreams& streams);

// Waits for a started program; returns its exit code (on POSIX 128 + the
// signal's number when a signal ended it).
int wait_program(ProcessId process);

// Waits until one of the running programs ends, removes it from the list
// and returns its exit code. The list must not be empty.
int wait_for_any(std::vector<ProcessId>& running);

// Starts and waits. Returns -1 when the program cannot be started.
int run_program(const std::vector<std::string>& arguments, const StandardStreams& streams);

// Starts a program in a session of its own with its output discarded and
// returns at once; nobody waits for it. False when it cannot be started.
bool start_detached(const std::vector<std::string>& arguments);

// The path of the program a name without a folder starts: the first
// executable of that name in a folder of PATH (on Windows also with
// ".exe" added). Empty when there is none.
std::string find_program_in_path(const std::string& name);

// Whether a file is a program this system can start: executable on POSIX,
// any file on Windows (which starts .exe files by name).
bool is_program_file(const std::string& path);

// The command line that Windows' C library splits into exactly these
// words: a word with a blank, a tab or a quote (or an empty one) is put in
// quotes, its quotes and the backslashes before them doubled.
std::string windows_command_line(const std::vector<std::string>& words);

#endif  // SKINBUILDER_PLATFORM_LAUNCHER_H_
