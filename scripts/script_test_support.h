// Test support for the script stages: a scratch working folder to run in,
// file helpers taking interpreter-form paths, and command runners that
// record the lines instead of running them.
#ifndef SKINBUILDER_SCRIPTS_SCRIPT_TEST_SUPPORT_H_
#define SKINBUILDER_SCRIPTS_SCRIPT_TEST_SUPPORT_H_

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "assembly/commands.h"
#include "platform/native_path.h"

namespace script_test {

namespace fs = std::filesystem;

inline std::vector<std::string> recorded_lines;

inline void record_line(const char* line) {
  recorded_lines.push_back(line);
}

// Also carries out 'copy /y "A" "B" >NUL' and 'del "A"', so that the host
// script step has real files to work on.
inline void record_and_copy(const char* line) {
  record_line(line);
  std::string text(line);
  std::vector<std::string> quoted;
  for (size_t open = text.find('"'); open != std::string::npos;) {
    size_t close = text.find('"', open + 1);
    quoted.push_back(native_path(text.substr(open + 1, close - open - 1).c_str()));
    open = text.find('"', close + 1);
  }
  if (text.rfind("copy ", 0) == 0)
    fs::copy_file(quoted[0], quoted[1], fs::copy_options::overwrite_existing);
  if (text.rfind("del ", 0) == 0) fs::remove(quoted[0]);
}

// Runs a test inside a fresh folder holding skindata\temp, with the runner
// swapped in; restores the folder and the runner afterwards.
class ScratchFolder {
 public:
  explicit ScratchFolder(CommandRunner runner = record_line)
      : root_(fs::temp_directory_path() /
              ("skinbuilder_scripts_" + std::to_string(std::random_device()()))),
        previous_folder_(fs::current_path()) {
    fs::create_directories(root_ / "skindata" / "temp");
    fs::current_path(root_);
    recorded_lines.clear();
    previous_runner_ = set_command_runner(runner);
  }
  ~ScratchFolder() {
    set_command_runner(previous_runner_);
    fs::current_path(previous_folder_);
    std::error_code ignored;
    fs::remove_all(root_, ignored);
  }

 private:
  fs::path root_;
  fs::path previous_folder_;
  CommandRunner previous_runner_;
};

inline void write_file(const std::string& path, const std::string& text) {
  fs::path file = native_path(path.c_str());
  fs::create_directories(file.parent_path());
  std::ofstream(file) << text;
}

inline std::string read_file(const std::string& path) {
  std::ostringstream text;
  text << std::ifstream(native_path(path.c_str())).rdbuf();
  return text.str();
}

}  // namespace script_test

#endif  // SKINBUILDER_SCRIPTS_SCRIPT_TEST_SUPPORT_H_
