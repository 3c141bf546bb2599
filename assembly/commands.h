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

#include "platform/shell.h"

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
// After an interruption (platform/interruption.h) it gives
// kInterruptedStatus (below) and runs nothing.
int run_command(const char* line);

// The one line that tells of line_stopped_at_time_limit (platform/
// shell.h): "The image tool was stopped after 600 seconds: " and the line
// in brief.
std::string time_limit_message();

// A line as it fits in about `most` characters: whole when it fits, else
// its first word, " ...", and as many of its last words as fit (a quoted
// path is one word), or, when not even the last does, the end of it.
std::string line_in_brief(const std::string& line, size_t most);

// The status of a line that was not run, or during which the user
// interrupted the program (platform/interruption.h), which stops its
// programs. From the first such line on, every later one gets it too, so a
// pass stops at its next command and the driver puts the folders right.
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
  void add(const CommandTally& more) {
    run += more.run;
    failed += more.failed;
    interrupted = interrupted || more.interrupted;
  }
};

#endif  // SKINBUILDER_ASSEMBLY_COMMANDS_H_
