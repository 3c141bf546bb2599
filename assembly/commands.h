// Composing and running command lines.
//
// Every change the program makes to folders and images is one command line
// in the Windows command interpreter's language, composed here into a
// 512-byte buffer and run to its end before the next one is composed. The
// lines are the interface: run_command hands them, unchanged, to the
// system's interpreter (platform/shell.h), and tests swap in a recorder
// with set_command_runner to compare them to the character.
#ifndef SKINBUILDER_ASSEMBLY_COMMANDS_H_
#define SKINBUILDER_ASSEMBLY_COMMANDS_H_

#include <cstddef>
#include <string>

#if defined(__GNUC__)
#define SKINBUILDER_PRINTF(fmt, args) __attribute__((format(printf, fmt, args)))
#else
#define SKINBUILDER_PRINTF(fmt, args)
#endif

// One command line or path: at most 511 characters and the terminating NUL.
// Windows' own limits made this the size, and the command forms are written
// so that every line with a valid skin name fits.
constexpr size_t kCommandBufferSize = 512;

// Formats into buffer[size] like snprintf and returns the number of
// characters the full text has. A text that does not fit is never kept cut:
// the buffer is left empty instead, so callers can tell by an empty result.
int format_bounded(char* buffer, size_t size, const char* format, ...) SKINBUILDER_PRINTF(3, 4);

// The length the formatted text would have, however long. Checks of user
// answers use it to find commands that would not fit before they are made.
size_t command_length(const char* format, ...) SKINBUILDER_PRINTF(1, 2);

// format_bounded into a kCommandBufferSize buffer. When the line would not
// fit, the buffer is left empty and one line says which command was skipped;
// run_command then does nothing with it.
void format_command(char* buffer, const char* format, ...) SKINBUILDER_PRINTF(2, 3);

// Runs one composed line to its end and returns its exit status (0 when it
// succeeded), which the build's check counts for the image passes.
// Standard output is flushed first so that the program's own progress text
// and the tools' messages appear in the order they happen. An empty line
// (a command that did not fit) runs nothing and counts as failed (-1).
int run_command(const char* line);

// The first line during which a program was stopped at its time limit
// (platform/launcher.h: SKINBUILDER_TOOL_TIMEOUT, ten minutes by default),
// or empty. After it the image tools are not started again
// (platform/interpreter.h), so the lines that follow fail at once.
const std::string& line_stopped_at_time_limit();

// The one line that tells it: "The image tool was stopped after 600
// seconds: " and the line in brief.
std::string time_limit_message();

// A line as it fits in about `most` characters: whole when it fits, else
// its first word, " ...", and as many of its last words as fit (a quoted
// path is one word), or, when not even the last does, the end of it.
std::string line_in_brief(const std::string& line, size_t most);

// The status of a line that was not run, or whose program was stopped,
// because the user interrupted the program (platform/interruption.h).
// From the first such line on, every later one gets it too, so a pass
// stops at its next command and the driver puts the folders right.
constexpr int kInterruptedStatus = -2;

// How many commands of a pass ran, and how many of them failed.
struct CommandTally {
  int run = 0;
  int failed = 0;
  bool interrupted = false;
  void count(int status) {
    ++run;
    if (status != 0) ++failed;
    if (status == kInterruptedStatus) interrupted = true;
  }
};

// The seam between composing and running: the function that receives every
// line and gives its exit status. Returns the previous runner; nullptr
// restores the system's one.
using CommandRunner = int (*)(const char* line);
CommandRunner set_command_runner(CommandRunner runner);

#endif  // SKINBUILDER_ASSEMBLY_COMMANDS_H_
