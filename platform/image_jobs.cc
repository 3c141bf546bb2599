#include "platform/image_jobs.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <numeric>
#include <system_error>

#include "platform/descriptors.h"
#include "platform/environment.h"
#include "platform/file_system.h"
#include "platform/image_library.h"
#include "platform/paths.h"
#include "platform/wildcard.h"

namespace {

// Opening, checking and replacing one file costs the tool about as much as
// treating this many bytes of PNG (half a millisecond).
constexpr std::uint64_t kFileCost = 512;
// A command lighter than this stays in one process: splitting it would save
// less than the 6 ms it takes to start another tool process. (Measured on
// the template's animation strips, which compress well and so cost about
// 1 us per byte.)
constexpr std::uint64_t kLeastSplitWeight = 6 * 1024;
// A heavy command gets more runs than processes, one per this much work,
// so that a process that ends early takes another run while the slow ones
// finish: the bytes of a PNG tell its cost only roughly (a noisy image of the
// same size takes three times as long).
constexpr std::uint64_t kRunGrain = 256 * 1024;
constexpr int kMostRunsPerProcess = 4;
// Windows waits for at most 64 processes at once.
constexpr int kMostProcesses = 64;
// Windows hands a program one command line of at most 32767 characters;
// the files of one run stay well within it, with room for the options.
constexpr size_t kMostRunPathLength = 24 * 1024;

std::uint64_t weight_of(const ImageFile& file) {
  return file.size + kFileCost;
}

std::uint64_t weight_of(const std::vector<ImageFile>& files, const FileRun& run) {
  std::uint64_t weight = 0;
  for (size_t i = run.first; i < run.first + run.count; ++i) weight += weight_of(files[i]);
  return weight;
}

// Bytes in the UTF-8 character that starts at `at`: the tool's '?' and '*'
// step over whole characters.
size_t character_length(const std::string& text, size_t at) {
  unsigned char lead = static_cast<unsigned char>(text[at]);
  size_t length = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
  return std::min(length, text.size() - at);
}

// Contiguous runs of at most `limit` weight each, filled from the front
// (a file heavier than the limit is a run of its own).
std::vector<FileRun> runs_within(const std::vector<std::uint64_t>& weights, std::uint64_t limit) {
  std::vector<FileRun> runs;
  std::uint64_t run_weight = 0;
  for (size_t i = 0; i < weights.size(); ++i) {
    if (runs.empty() || run_weight + weights[i] > limit) {
      runs.push_back(FileRun{i, 0});
      run_weight = 0;
    }
    ++runs.back().count;
    run_weight += weights[i];
  }
  return runs;
}

// At most `count` contiguous runs whose heaviest is as light as it can be:
// the least limit that needs no more runs, found by bisection.
std::vector<FileRun> even_runs(const std::vector<std::uint64_t>& weights, size_t count) {
  std::uint64_t low = *std::max_element(weights.begin(), weights.end());
  std::uint64_t high = std::accumulate(weights.begin(), weights.end(), std::uint64_t{0});
  while (low < high) {
    std::uint64_t middle = low + (high - low) / 2;
    if (runs_within(weights, middle).size() <= count) {
      high = middle;
    } else {
      low = middle + 1;
    }
  }
  return runs_within(weights, low);
}

// The runs, each split where its paths would make too long a command line.
std::vector<FileRun> within_line_length(const std::vector<ImageFile>& files,
                                        const std::vector<FileRun>& runs) {
  std::vector<FileRun> result;
  for (const FileRun& run : runs) {
    result.push_back(FileRun{run.first, 0});
    size_t length = 0;
    for (size_t i = run.first; i < run.first + run.count; ++i) {
      size_t path_length = files[i].path.size() + 3;  // a blank and two quotes
      if (result.back().count > 0 && length + path_length > kMostRunPathLength) {
        result.push_back(FileRun{i, 0});
        length = 0;
      }
      ++result.back().count;
      length += path_length;
    }
  }
  return result;
}

// The length of the lines that every text begins with alike (all of it
// when the texts are the same): what one tool process prints before its
// first file, such as a complaint about an option, every process prints.
size_t shared_lines_length(const std::vector<std::string>& texts) {
  const std::string& first = texts[0];
  size_t length = first.size();
  for (const std::string& text : texts) {
    size_t same = 0;
    while (same < length && same < text.size() && text[same] == first[same]) ++same;
    length = same;
  }
  bool all_whole = std::all_of(texts.begin(), texts.end(),
                               [&](const std::string& text) { return text.size() == length; });
  if (all_whole) return length;
  size_t line_end = first.rfind('\n', length == 0 ? 0 : length - 1);
  return line_end == std::string::npos || length == 0 ? 0 : line_end + 1;
}

// --- Which commands are spread ---------------------------------------------

// A path the tool would expand by listing one folder: "./folder/pattern",
// with '*' or '?' only in the last name and nothing that the tool reads as
// another kind of pattern, a format prefix or a frame number.
bool listable_wildcard(const std::string& path) {
  if (path.compare(0, 2, "./") != 0) return false;
  if (path.find_first_of("[]{}:%@\\") != std::string::npos) return false;
  std::string folder = folder_of(path), pattern = name_of(path);
  if (has_wildcard(folder) || !has_wildcard(pattern)) return false;
  // The tool takes a name that exists as it is, and so does it with a
  // pattern that happens to name a file of the working folder.
  if (path_exists(path) || path_exists(pattern)) return false;
  return is_folder(folder);
}

// Whether an argument before the image path is surely an option or an
// option's value. A word that could name a file of its own (an image to
// treat, a pattern, "-" for standard input) would be treated by every
// process, and -write would have every process write the same file.
bool surely_not_a_file(const std::string& word) {
  if (same_name_any_case(word, "-write") || same_name_any_case(word, "+write")) {
    return false;
  }
  if (word.size() > 1 && (word[0] == '-' || word[0] == '+')) return true;
  if (word.empty() || word == "-" || word[0] == '@') return false;
  return word.find_first_of("*?[]{}") == std::string::npos && !path_exists(word);
}

bool only_options_before_path(const std::vector<std::string>& words) {
  for (size_t i = 0; i + 1 < words.size(); ++i) {
    if (!surely_not_a_file(words[i])) return false;
  }
  return true;
}

// --- Output of the processes ------------------------------------------------

// One scratch file per run for what it writes; a second one for its errors
// unless both streams end up in the same place anyway (a console, one log
// file), where one file keeps the order of the lines.
struct Captures {
  bool joined = true;
  std::vector<int> output;
  std::vector<int> error;
  ~Captures() {
    for (int fd : output) close_descriptor(fd);
    for (int fd : error) close_descriptor(fd);
  }
};

bool make_captures(size_t runs, Captures& captures) {
  for (size_t i = 0; i < runs; ++i) {
    captures.output.push_back(make_scratch_file());
    if (captures.output.back() < 0) return false;
    if (captures.joined) continue;
    captures.error.push_back(make_scratch_file());
    if (captures.error.back() < 0) return false;
  }
  return true;
}

StandardStreams run_streams(const Captures& captures, size_t run, int input) {
  StandardStreams streams;
  streams.input = input;
  streams.output = captures.output[run];
  streams.error = captures.joined ? captures.output[run] : captures.error[run];
  return streams;
}

std::vector<std::string> captured_texts(const std::vector<int>& fds) {
  std::vector<std::string> texts;
  for (int fd : fds) {
    rewind_descriptor(fd);
    texts.push_back(read_all(fd));
  }
  return texts;
}

void replay(const Captures& captures, const StandardStreams& streams) {
  write_text(streams.output, joined_output(captured_texts(captures.output)));
  if (!captures.joined) write_text(streams.error, joined_output(captured_texts(captures.error)));
}

// --- Running the processes --------------------------------------------------

// The command (the tool's words and the line's, the image path last) with
// the run's files in place of the path.
std::vector<std::string> run_arguments(const std::vector<std::string>& command,
                                       const std::vector<ImageFile>& files, const FileRun& run) {
  std::vector<std::string> result(command.begin(), command.end() - 1);
  for (size_t i = run.first; i < run.first + run.count; ++i) result.push_back(files[i].path);
  return result;
}

struct Spread {
  const std::vector<std::string>& command;
  const std::vector<ImageFile>& files;
  const std::vector<FileRun>& runs;
  int processes;
  int input;
};

// Starts the runs, at most `processes` at a time, and waits for all. Returns
// the first exit code that is not 0, or -1 when a run could not be started
// (the tool is missing, or the system would start no more processes even
// after the others ended), so that the interpreter says so.
int run_all(const Spread& spread, const Captures& captures) {
  std::vector<size_t> order = start_order(spread.files, spread.runs);
  std::vector<ProcessId> running;
  size_t next = 0;
  int exit_code = 0;
  while (next < order.size() || !running.empty()) {
    bool room = next < order.size() && running.size() < static_cast<size_t>(spread.processes);
    if (room) {
      size_t run = order[next];
      ProcessId process =
          start_program(run_arguments(spread.command, spread.files, spread.runs[run]),
                        run_streams(captures, run, spread.input));
      if (process != kNoProcess) {
        running.push_back(process);
        ++next;
        continue;
      }
      if (running.empty()) break;
    }
    int code = wait_for_any(running);
    if (exit_code == 0) exit_code = code;
  }
  return next < order.size() ? -1 : exit_code;
}

int run_spread(const Spread& spread, const StandardStreams& streams) {
  Captures captures;
  captures.joined = same_open_file(streams.output, streams.error);
  if (!make_captures(spread.runs.size(), captures)) return run_program(spread.command, streams);
  int exit_code;
  {
    ScopedVariable one_thread("MAGICK_THREAD_LIMIT", "1");
    exit_code = run_all(spread, captures);
  }
  replay(captures, streams);
  return exit_code;
}

}  // namespace

int image_job_count() {
  const char* text = std::getenv("SKINBUILDER_JOBS");
  if (text != nullptr && *text != '\0') {
    char* end = nullptr;
    long value = std::strtol(text, &end, 10);
    if (*end == '\0' && value >= 1) return static_cast<int>(std::min<long>(value, kMostProcesses));
  }
  return std::min(usable_processors(), kMostProcesses);
}

bool tool_wildcard_match(const std::string& pattern, const std::string& name) {
  size_t p = 0, n = 0;
  bool star = false;
  size_t star_pattern = 0, star_name = 0;
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      star = true;
      star_pattern = ++p;
      star_name = n;
    } else if (p < pattern.size() && pattern[p] == '?') {
      ++p;
      n += character_length(name, n);
    } else if (p < pattern.size() && pattern[p] == name[n]) {
      ++p;
      ++n;
    } else if (star) {
      star_name += character_length(name, star_name);
      n = star_name;
      p = star_pattern;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

std::vector<ImageFile> expand_tool_wildcard(const std::string& path) {
  std::vector<ImageFile> files;
  if (!listable_wildcard(path)) return files;
  std::string folder = folder_of(path), pattern = name_of(path);
  std::vector<std::string> names;
  for (const std::string& name : folder_entries(folder)) {
    if (tool_wildcard_match(pattern, name) && !is_folder(join_path(folder, name))) {
      names.push_back(name);
    }
  }
  std::stable_sort(names.begin(), names.end(), name_before_any_case);
  for (const std::string& name : names) {
    ImageFile file;
    file.path = join_path(folder, name);
    std::error_code error;
    std::uintmax_t size = std::filesystem::file_size(fs_path(file.path), error);
    if (!error) file.size = static_cast<std::uint64_t>(size);
    files.push_back(file);
  }
  return files;
}

std::vector<FileRun> partition_files(const std::vector<ImageFile>& files, int processes) {
  std::vector<std::uint64_t> weights;
  for (const ImageFile& file : files) weights.push_back(weight_of(file));
  std::uint64_t total = std::accumulate(weights.begin(), weights.end(), std::uint64_t{0});
  if (processes < 2 || files.size() < 2 || total < kLeastSplitWeight) {
    return std::vector<FileRun>(files.empty() ? 0 : 1, FileRun{0, files.size()});
  }
  std::uint64_t most = static_cast<std::uint64_t>(processes) * kMostRunsPerProcess;
  std::uint64_t wanted = std::clamp<std::uint64_t>(total / kRunGrain, processes, most);
  return within_line_length(
      files, even_runs(weights, static_cast<size_t>(std::min<std::uint64_t>(wanted, files.size()))));
}

std::vector<size_t> start_order(const std::vector<ImageFile>& files,
                                const std::vector<FileRun>& runs) {
  std::vector<size_t> order;
  for (size_t i = 0; i < runs.size(); ++i) order.push_back(i);
  std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
    return weight_of(files, runs[a]) > weight_of(files, runs[b]);
  });
  return order;
}

std::string joined_output(const std::vector<std::string>& texts) {
  if (texts.empty()) return std::string();
  size_t shared = shared_lines_length(texts);
  std::string joined = texts[0].substr(0, shared);
  for (const std::string& text : texts) joined += text.substr(shared);
  return joined;
}

// A light command that matches files runs in the program when it can: its
// messages then go straight to the console, so only unredirected commands,
// and only when the tool is the library's own version. It has no time
// limit and is not stopped by an interruption (a call into the library
// cannot be cut short); it treats a few small images in milliseconds.
static int run_light_command(const ImageTool& tool, const std::vector<std::string>& words,
                             const std::vector<ImageFile>& files, const StandardStreams& streams) {
  bool console = streams.input == 0 && streams.output == 1 && streams.error == 2;
  int exit_code = 0;
  if (!files.empty() && console && tool.major_version == image_library_version() &&
      run_mogrify_in_process(words, &exit_code)) {
    return exit_code;
  }
  return run_program(image_tool_command(tool, words), streams);
}

int run_image_tool(const ImageTool& tool, const std::vector<std::string>& words,
                   const StandardStreams& streams) {
  std::vector<std::string> command = image_tool_command(tool, words);
  int processes = image_job_count();
  if (processes < 2 || words.empty() || !only_options_before_path(words)) {
    return run_program(command, streams);
  }
  std::vector<ImageFile> files = expand_tool_wildcard(words.back());
  std::vector<FileRun> runs = partition_files(files, processes);
  if (runs.size() < 2) return run_light_command(tool, words, files, streams);
  return run_spread(Spread{command, files, runs, processes, streams.input}, streams);
}
