// Starting the programs that command lines name.
//
// This is the one place where the program starts a process: the program
// runs with its arguments exactly as given, no shell in between, and with
// its three standard streams on the descriptors the caller names
// (platform/descriptors.h). Starting and waiting are separate steps so that
// several programs can run at once and be waited for afterwards.
//
// No program started here (start_detached aside) is waited for forever,
// nor outlives an interruption. Each runs under a time limit
// (time_limit_seconds), in a process group of its own on POSIX and in a
// job object of its own on Windows, a job that ends its processes when its
// last handle closes, that is when this program ends, however it ends. A
// wait stops the program it waits for once that has run past its limit,
// and stops every program it waits for once an interruption is noted
// (platform/interruption.h): on POSIX the process group gets SIGTERM and,
// when it still runs after a short grace, SIGKILL, so a tool that ignores
// signals cannot hold this program; on Windows the job is terminated (the
// process alone where the system would not give it a job). A program
// stopped so fails: 128 + the signal's number on POSIX, 1 on Windows.
// After an interruption no more programs start.
//
// Since the programs have process groups of their own, a Ctrl-C at the
// terminal reaches only this program, which stops them as above; while
// they run it notes the signal even outside a build's watched span.
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

// The time limit of each program, in seconds: SKINBUILDER_TOOL_TIMEOUT
// when it is a whole number of at least 1 written in digits alone (a
// larger number than an int holds counts as the largest), else 600.
int time_limit_seconds();

// How many programs have been stopped at their time limit so far.
int programs_stopped_at_time_limit();

// Starts arguments[0] (a path when it holds a folder, else looked up in
// PATH) with `arguments` as its arguments. kNoProcess when the program
// cannot be started (missing, not executable) or an interruption has
// been noted.
ProcessId start_program(const std::vector<std::string>& arguments, const StandardStreams& streams);

// Waits for a started program; returns its exit code (on POSIX 128 + the
// signal's number when a signal ended it).
int wait_program(ProcessId process);

// Waits until one of the running programs ends, removes it from the list
// and returns its exit code. The list must not be empty; on Windows it
// holds at most 64 programs (MAXIMUM_WAIT_OBJECTS).
int wait_for_any(std::vector<ProcessId>& running);

// Starts and waits. Returns -1 when the program cannot be started.
int run_program(const std::vector<std::string>& arguments, const StandardStreams& streams);

// Starts a program in a session of its own with its output discarded and
// returns at once; nobody waits for it, and no time limit applies. False
// when it cannot be started.
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
