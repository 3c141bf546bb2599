// Reading a command line the way the Windows command interpreter does, for
// the forms this program composes.
//
// Double quotes group words and are removed; a quote that is never closed
// runs to the end of the line, as in cmd. Outside quotes a blank or tab ends
// a word, '|' ends a stage of a pipe, and '>' or '<' starts a redirection:
// ">FILE" or "> FILE", ">>FILE" to append, "1>" and "2>" for the two output
// streams (the digit must stand right before '>' after a blank), "2>&1" to
// join them, "<FILE" for input. The target NUL, in any case, is the null
// device. Redirections may stand anywhere in their stage and belong to it.
//
// A line cmd would refuse leaves `error` set to cmd's message and no stages;
// an empty line gives no stages and no error.
#ifndef SKINBUILDER_PLATFORM_COMMAND_LINE_H_
#define SKINBUILDER_PLATFORM_COMMAND_LINE_H_

#include <string>
#include <vector>

struct CommandWord {
  std::string text;   // quotes removed
  std::string typed;  // as it stands in the line, quotes included
};

struct Redirection {
  int stream = 1;        // 0 input, 1 output, 2 error output
  bool append = false;   // ">>"
  int joined_with = -1;  // "2>&1": the stream whose destination is shared
  std::string target;    // file name, quotes removed; empty when joined
};

struct CommandStage {
  std::vector<CommandWord> words;
  std::vector<Redirection> redirections;
};

struct CommandLine {
  std::vector<CommandStage> stages;
  std::string error;
};

CommandLine parse_command_line(const std::string& line);

bool is_null_device(const std::string& target);

#endif  // SKINBUILDER_PLATFORM_COMMAND_LINE_H_
