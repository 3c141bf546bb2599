#include "fuzz/fuzz_support.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <unordered_set>

#include "assembly/commands.h"
#include "platform/command_line.h"
#include "settings/skin_settings.h"
#include "wizard/answer_checks.h"
#include "wizard/driver.h"
#include "wizard/prompts.h"

namespace fs = std::filesystem;

namespace {

fs::path scratch_folder;

void remove_scratch_folder() {
  std::error_code ignored;
  fs::current_path(fs::temp_directory_path(), ignored);
  fs::remove_all(scratch_folder, ignored);
}

int keep_line(const char* line) {
  recorded_lines().push_back(line);
  return 0;
}

bool starts_with(const std::string& text, const std::string& head) {
  return text.compare(0, head.size(), head) == 0;
}

std::string lower_case(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

const char kSkindata[] = ".\\skindata\\";
const char kTemp[] = ".\\skindata\\temp\\";

// What the lines so far have established: the skin folder, once cleared.
struct RunState {
  std::string skin;  // ".\NAME", empty before the folder is cleared
};

bool in_skin(const RunState& run, const std::string& path) {
  return !run.skin.empty() && (path == run.skin || starts_with(path, run.skin + "\\"));
}

bool in_temp(const std::string& path) {
  return starts_with(path, kTemp);
}

bool is_path(const CommandWord& word) {
  return starts_with(word.text, ".\\");
}

bool has_parent_step(const std::string& path) {
  std::string parts = "\\" + path + "\\";
  return parts.find("\\..\\") != std::string::npos;
}

[[noreturn]] void bad_line(const std::string& line, const std::string& reason) {
  fuzz_failure(reason + ": " + line);
}

// The folder rmdir clears becomes the skin folder; its name must pass the
// wizard's rules under the mildest record (design 3, no adjustments).
void check_cleared_folder(RunState& run, const CommandStage& stage, const std::string& line) {
  const std::string& target = stage.words.back().text;
  if (stage.words.size() != 4 || !starts_with(target, ".\\")) bad_line(line, "odd rmdir");
  std::string name = target.substr(2);
  SkinSettings mildest;
  init_settings(mildest);
  mildest.design_choice = kCustomSingle;
  if (skin_name_problem(mildest, name.c_str()) != nullptr) bad_line(line, "clears an unsafe name");
  run.skin = target;
}

// Where each command may write: the last word of the copies and the image
// tool, the first of del and ren.
void check_written_path(const RunState& run, const std::string& command, const CommandStage& stage,
                        const std::string& line) {
  const std::vector<CommandWord>& words = stage.words;
  std::string written;
  if (command == "xcopy" || command == "copy" || command == ".\\skindata\\mogrify") {
    written = words.back().text;
  } else if (command == "del" || command == "ren") {
    if (words.size() < 2) bad_line(line, "no file named");
    written = words[1].text;
    if (command == "ren" && words.back().text.find('\\') != std::string::npos) {
      bad_line(line, "renames into another folder");
    }
  } else if (command == "cls" || command == "findstr" || command == ".\\skindata\\identify") {
    return;
  } else if (in_temp(words[0].text) && words.size() == 1) {
    return;  // a preview image, opened
  } else {
    bad_line(line, "unexpected command");
  }
  bool allowed =
      in_skin(run, written) || (command != "del" && command != "ren" && in_temp(written));
  if (!allowed) bad_line(line, "writes outside the skin and skindata\\temp");
}

void check_stage(RunState& run, const CommandStage& stage, const std::string& line) {
  if (stage.words.empty()) bad_line(line, "a stage without a command");
  std::string command = lower_case(stage.words[0].text);
  if (starts_with(command, kSkindata)) command = stage.words[0].text;
  // The image tool's words after its fixed options may be the user's
  // options; only the image argument at the end is the program's path.
  bool options_inside = command == ".\\skindata\\mogrify";
  for (size_t i = 0; i < stage.words.size(); ++i) {
    const CommandWord& word = stage.words[i];
    if (options_inside && i + 1 != stage.words.size()) continue;
    if (!is_path(word)) continue;
    if (has_parent_step(word.text)) bad_line(line, "a path with ..");
    if (command == "rmdir") continue;
    if (!in_skin(run, word.text) && !starts_with(word.text, kSkindata)) {
      bad_line(line, "a path outside the skin and skindata");
    }
  }
  for (const Redirection& redirection : stage.redirections) {
    if (redirection.joined_with >= 0 || is_null_device(redirection.target)) continue;
    if (!in_temp(redirection.target) || has_parent_step(redirection.target)) {
      bad_line(line, "output redirected outside skindata\\temp");
    }
  }
  if (command == "rmdir") return check_cleared_folder(run, stage, line);
  check_written_path(run, command, stage, line);
}

}  // namespace

std::string enter_scratch_folder(const char* target_name) {
  std::random_device random;
  scratch_folder = fs::temp_directory_path() / (std::string("skinbuilder-fuzz-") + target_name +
                                                "-" + std::to_string(random()));
  // skindata\temp holds the build lock, which the wizard takes before the
  // skin folder is touched.
  fs::create_directories(scratch_folder / "skindata" / "temp");
  fs::current_path(scratch_folder);
  std::atexit(remove_scratch_folder);
  if (std::freopen("/dev/null", "w", stdout) == nullptr) fuzz_failure("cannot silence stdout");
  return scratch_folder.string();
}

std::vector<std::string>& recorded_lines() {
  static std::vector<std::string> lines;
  return lines;
}

void record_commands() {
  set_command_runner(keep_line);
  recorded_lines().clear();
}

std::vector<std::string> working_folder_entries() {
  const std::string kLockEntries[] = {"skindata", "skindata/temp", "skindata/temp/build.lock"};
  std::vector<std::string> entries;
  for (const auto& entry : fs::recursive_directory_iterator(fs::current_path())) {
    std::string name = fs::relative(entry.path(), fs::current_path()).generic_string();
    if (std::find(std::begin(kLockEntries), std::end(kLockEntries), name) == std::end(kLockEntries))
      entries.push_back(name);
  }
  std::sort(entries.begin(), entries.end());
  return entries;
}

void check_recorded_lines_stay_inside() {
  // Most lines come back run after run (the same patterns, the same
  // defaults); a line judged once under a skin folder is not read again.
  static std::unordered_set<std::string> passed;
  if (passed.size() > 100000) passed.clear();
  RunState run;
  for (const std::string& line : recorded_lines()) {
    std::string key = run.skin + '\n' + line;
    if (passed.count(key) != 0) continue;
    CommandLine parsed = parse_command_line(line);
    if (!parsed.error.empty()) bad_line(line, "a line the interpreter refuses");
    for (const CommandStage& stage : parsed.stages) check_stage(run, stage, line);
    if (run.skin + '\n' + line == key) passed.insert(key);
  }
}

void fuzz_failure(const std::string& message) {
  std::fprintf(stderr, "\nFUZZ FAILURE: %s\n", message.c_str());
  std::abort();
}

std::FILE* stream_of(const uint8_t* data, size_t size) {
  std::FILE* stream = std::tmpfile();
  if (stream == nullptr) fuzz_failure("no temporary file");
  if (size > 0 && std::fwrite(data, 1, size, stream) != size) fuzz_failure("temporary file full");
  std::rewind(stream);
  return stream;
}

void run_wizard_over(const uint8_t* answers, size_t size) {
  std::FILE* stream = stream_of(answers, size);
  set_answer_input(stream);
  recorded_lines().clear();
  int exit_code = run_wizard("");
  set_answer_input(nullptr);
  std::fclose(stream);
  // Nothing is built here (every line is only recorded), so the build's
  // check fails and the run ends with 1, or with 0 where no check is made.
  if (exit_code != 0 && exit_code != 1) {
    fuzz_failure("the wizard ended with " + std::to_string(exit_code));
  }
  check_recorded_lines_stay_inside();
}
