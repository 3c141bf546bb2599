#include "platform/interpreter.h"

#include <string>
#include <system_error>
#include <vector>

#include "platform/builtins.h"
#include "platform/command_line.h"
#include "platform/descriptors.h"
#include "platform/image_jobs.h"
#include "platform/image_tools.h"
#include "platform/image_viewer.h"
#include "platform/interruption.h"
#include "platform/launcher.h"
#include "platform/paths.h"
#include "platform/wildcard.h"

namespace {

// The descriptors a stage opened for its redirections, closed when it ends.
struct OpenedFiles {
  std::vector<int> fds;
  ~OpenedFiles() {
    for (int fd : fds) close_descriptor(fd);
  }
};

int open_target(const Redirection& redirection, std::error_code& failure) {
  if (is_null_device(redirection.target)) return open_null_device();
  std::string path = find_path(local_path(redirection.target));
  if (redirection.stream == 0) return open_descriptor(path, OpenFor::kReading, failure);
  return open_descriptor(path, redirection.append ? OpenFor::kAppending : OpenFor::kWriting,
                         failure);
}

int& stream_slot(StandardStreams& streams, int stream) {
  if (stream == 0) return streams.input;
  return stream == 1 ? streams.output : streams.error;
}

void say_cannot_open(const Redirection& redirection, const StandardStreams& streams,
                     const std::error_code& error) {
  std::string path = find_path(local_path(redirection.target));
  bool folder_there = is_folder(folder_of(path));
  if (redirection.stream == 0 && folder_there) {
    say_file_not_found(streams);
  } else if (!folder_there) {
    say_path_not_found(streams);
  } else {
    write_text(streams.error, std::string(failure_message(error)) + "\n");
  }
}

// Applies the redirections in their order, as cmd does. False when a file
// cannot be opened; the stage is then not run.
bool redirect(const std::vector<Redirection>& redirections, StandardStreams& streams,
              OpenedFiles& opened) {
  for (const Redirection& redirection : redirections) {
    if (redirection.joined_with >= 0) {
      stream_slot(streams, redirection.stream) = stream_slot(streams, redirection.joined_with);
      continue;
    }
    std::error_code failure;
    int fd = open_target(redirection, failure);
    if (fd < 0) {
      say_cannot_open(redirection, streams, failure);
      return false;
    }
    opened.fds.push_back(fd);
    stream_slot(streams, redirection.stream) = fd;
  }
  return true;
}

bool names_png(const std::string& path) {
  return path.size() > 4 && same_name_any_case(path.substr(path.size() - 4), ".png");
}

// A program is named by a path in cmd's form; one without a folder is
// looked up in PATH.
std::string program_path(const std::string& word) {
  std::string path = local_path(word);
  return path.find('/') == std::string::npos ? path : find_path(path);
}

// cmd's exit status for a program it cannot start.
constexpr int kNotRecognized = 9009;

// Set once an image tool has been stopped at its time limit.
bool image_tool_hangs = false;

int run_found_tool(const ImageTool& tool, const std::vector<std::string>& arguments,
                   const StandardStreams& streams) {
  if (!tool.found()) return -1;
  if (tool.kind == ImageToolKind::kMogrify) return run_image_tool(tool, arguments, streams);
  return run_program(image_tool_command(tool, arguments), streams);
}

// The image tools are found as platform/image_tools.h says; mogrify may
// run as several processes at once (platform/image_jobs.h). One that
// hangs is not started again (see the header).
int run_tool_line(ImageToolKind kind, const CommandWord& first_word,
                  const std::vector<std::string>& arguments, const StandardStreams& streams) {
  if (image_tool_hangs) {
    write_text(streams.error, "'" + first_word.typed +
                                  "' was not started: the image tool was stopped at its time "
                                  "limit earlier in this run.\n");
    return 1;
  }
  // Finding the tool asks it its version (once), which may hang too.
  int stopped_before = programs_stopped_at_time_limit();
  ImageTool tool = find_image_tool(kind);
  int status = 1;
  if (programs_stopped_at_time_limit() == stopped_before) {
    status = run_found_tool(tool, arguments, streams);
  }
  if (programs_stopped_at_time_limit() != stopped_before) image_tool_hangs = true;
  return status;
}

int run_tool_or_program(const CommandWord& first_word, const std::vector<std::string>& arguments,
                        const StandardStreams& streams) {
  ImageToolKind kind = image_tool_named(first_word.text);
  if (kind != ImageToolKind::kNone) return run_tool_line(kind, first_word, arguments, streams);
  std::vector<std::string> command = {program_path(first_word.text)};
  command.insert(command.end(), arguments.begin(), arguments.end());
  return run_program(command, streams);
}

int run_program_words(const std::vector<CommandWord>& words, const StandardStreams& streams) {
  std::vector<std::string> arguments;
  for (size_t i = 1; i < words.size(); ++i) arguments.push_back(program_argument(words[i].text));
  int status = run_tool_or_program(words[0], arguments, streams);
  // After an interruption nothing starts, and the line ends quietly.
  if (status >= 0 || interruption_noted()) return status >= 0 ? status : 1;
  write_text(streams.error, "'" + words[0].typed +
                                "' is not recognized as an internal or external command,\n"
                                "operable program or batch file.\n");
  return kNotRecognized;
}

int run_words(const std::vector<CommandWord>& words, const StandardStreams& streams) {
  if (Builtin builtin = find_builtin(words[0].text)) {
    std::vector<std::string> arguments;
    for (size_t i = 1; i < words.size(); ++i) arguments.push_back(words[i].text);
    return builtin(arguments, streams);
  }
  std::string image = find_path(local_path(words[0].text));
  if (names_png(image) && is_file(image)) {
    open_image(image.c_str());
    return 0;
  }
  return run_program_words(words, streams);
}

int run_stage(const CommandStage& stage, const StandardStreams& piped) {
  StandardStreams streams = piped;
  OpenedFiles opened;
  if (!redirect(stage.redirections, streams, opened)) return 1;
  return stage.words.empty() ? 0 : run_words(stage.words, streams);
}

// Stages run one after the other; each one's output is kept in a scratch
// file that the next one reads from its start. The pipe's status is its
// last stage's, as in cmd.
int run_pipe(const std::vector<CommandStage>& stages, const StandardStreams& outer) {
  int input = outer.input;
  int status = 0;
  for (size_t i = 0; i < stages.size(); ++i) {
    bool last = i + 1 == stages.size();
    int output = last ? outer.output : make_scratch_file();
    StandardStreams streams = outer;
    streams.input = input;
    streams.output = output >= 0 ? output : open_null_device();
    status = run_stage(stages[i], streams);
    if (input != outer.input) close_descriptor(input);
    input = last ? outer.input : streams.output;
    if (input != outer.input) rewind_descriptor(input);
  }
  return status;
}

}  // namespace

int interpret_command_line(const char* line, const StandardStreams& streams) {
  if (line == nullptr) return 1;
  CommandLine parsed = parse_command_line(line);
  if (!parsed.error.empty()) {
    write_text(streams.error, parsed.error + "\n");
    return 1;
  }
  return run_pipe(parsed.stages, streams);
}
