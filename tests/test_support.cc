#include "tests/test_support.h"

#include <stdlib.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/interpreter.h"
#include "platform/native_path.h"
#include "wizard/prompts.h"

namespace fs = std::filesystem;

std::vector<std::string>& recorded_commands() {
  static std::vector<std::string> lines;
  return lines;
}

void record_command(const char* line) {
  recorded_commands().push_back(line);
}

ScratchFolder::ScratchFolder(bool enter) {
  std::string pattern = (fs::temp_directory_path() / "skinbuilder-test-XXXXXX").string();
  if (mkdtemp(&pattern[0]) == nullptr) std::abort();
  path_ = pattern;
  if (enter) previous_ = fs::current_path().string();
  if (enter) fs::current_path(path_);
}

ScratchFolder::~ScratchFolder() {
  if (!previous_.empty()) fs::current_path(previous_);
  std::error_code ignored;
  fs::remove_all(path_, ignored);
}

ScopedVariable::ScopedVariable(const char* name, const char* value) : name_(name) {
  if (const char* old = getenv(name)) old_ = old;
  value != nullptr ? setenv(name, value, 1) : unsetenv(name);
}

ScopedVariable::~ScopedVariable() {
  old_ ? setenv(name_.c_str(), old_->c_str(), 1) : unsetenv(name_.c_str());
}

Printed interpret(const std::string& line) {
  testing::internal::CaptureStderr();
  std::string out = stdout_of([&] { interpret_command_line(line.c_str()); });
  return Printed{out, testing::internal::GetCapturedStderr()};
}

DialogueTest::~DialogueTest() {
  if (capturing_) printed();
  set_answer_input(nullptr);
  if (input_ != nullptr) std::fclose(input_);
}

void DialogueTest::feed(const std::string& answers) {
  if (capturing_) printed();
  if (input_ != nullptr) std::fclose(input_);
  input_ = std::tmpfile();
  ASSERT_NE(input_, nullptr);
  std::fwrite(answers.data(), 1, answers.size(), input_);
  std::rewind(input_);
  set_answer_input(input_);
  testing::internal::CaptureStdout();
  capturing_ = true;
}

std::string DialogueTest::printed() {
  capturing_ = false;
  return testing::internal::GetCapturedStdout();
}

SkinSettings design_settings(int32_t design) {
  SkinSettings settings;
  init_settings(settings);
  settings.design_choice = design;
  apply_design_defaults(settings);
  return settings;
}

std::string record_bytes(const SkinSettings& settings, size_t size) {
  return std::string(reinterpret_cast<const char*>(settings_bytes(settings)), size);
}

void write_file(const std::string& path, const std::string& text) {
  fs::path file = native_path(path.c_str());
  if (file.has_parent_path()) fs::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary) << text;
}

std::string read_file(const std::string& path) {
  std::ostringstream text;
  text << std::ifstream(native_path(path.c_str()), std::ios::binary).rdbuf();
  return text.str();
}

std::vector<std::string> names_in(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code missing;
  for (const auto& entry : fs::directory_iterator(folder, missing)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::map<std::string, std::string> tree_content(const std::string& folder) {
  std::map<std::string, std::string> content;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    std::string relative = fs::relative(entry.path(), folder).generic_string();
    content[relative] = entry.is_regular_file() ? read_file(entry.path().string()) : "<folder>";
  }
  return content;
}

std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

size_t count_of(const std::string& text, const std::string& part) {
  size_t count = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

std::string command_output(const std::string& command) {
  std::string output;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return output;
  char buffer[4096];
  for (size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
    output.append(buffer, got);
  }
  pclose(pipe);
  return output;
}

std::string measured_colour(const std::string& image, const std::string& identify) {
  std::string line = command_output(identify + " -verbose '" + image + "' | grep -m1 '#'");
  size_t hash = line.find('#');
  return hash == std::string::npos || line.size() < hash + 7 ? "" : line.substr(hash + 1, 6);
}

std::string make_skindata(const std::string& folder, bool small) {
  std::string command =
      std::string(MAKE_SKINDATA_BIN) + (small ? " --small '" : " '") + folder + "' >/dev/null";
  return fs::exists(MAKE_SKINDATA_BIN) && std::system(command.c_str()) == 0 ? folder : "";
}

const std::string& small_skindata() {
  static ScratchFolder parent(false);
  static const std::string folder = make_skindata(parent.path() + "/skindata", true);
  return folder;
}

Workspace::Workspace(const std::string& below)
    : run_folder_(below.empty() ? path() : path() + "/" + below) {
  fs::create_directories(run_folder_ + "/Presets");
  if (!small_skindata().empty()) {
    fs::copy(small_skindata(), run_folder_ + "/skindata", fs::copy_options::recursive);
  }
}

WizardRun run_wizard_in(const std::string& folder, const std::string& input, int limit_seconds) {
  std::string input_path = folder + ".input", output_path = folder + ".output";
  write_file(input_path, input);
  std::string command = "cd '" + folder + "' && timeout -s KILL " + std::to_string(limit_seconds) +
                        " '" SKINBUILDER_BIN "' <'" + input_path + "' >'" + output_path + "' 2>&1";
  int status = std::system(command.c_str());
  WizardRun run;
  run.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.output = read_file(output_path);
  fs::remove(input_path);
  fs::remove(output_path);
  return run;
}
