#include "tests/e2e_support.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

std::string make_temp_folder(const char* prefix) {
  std::string pattern = (fs::temp_directory_path() / (std::string(prefix) + "-XXXXXX")).string();
  if (mkdtemp(&pattern[0]) == nullptr) std::abort();
  return pattern;
}

const std::string& small_skindata() {
  static const std::string folder = [] {
    if (!fs::exists(MAKE_SKINDATA_BIN)) return std::string();
    std::string parent = make_temp_folder("skindata");
    std::string target = parent + "/skindata";
    std::string command = std::string(MAKE_SKINDATA_BIN) + " --small '" + target + "' >/dev/null";
    if (std::system(command.c_str()) != 0) return std::string();
    return target;
  }();
  return folder;
}

std::string make_workspace() {
  std::string folder = make_temp_folder("workspace");
  fs::create_directory(folder + "/Presets");
  if (!small_skindata().empty()) {
    fs::copy(small_skindata(), folder + "/skindata", fs::copy_options::recursive);
  }
  return folder;
}

namespace {

// Waits for the child, killing it when it outlives the limit.
int wait_with_limit(pid_t child, int limit_seconds) {
  for (int waited_ms = 0; waited_ms < limit_seconds * 1000; waited_ms += 20) {
    int status = 0;
    if (waitpid(child, &status, WNOHANG) == child) {
      return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    usleep(20 * 1000);
  }
  kill(child, SIGKILL);
  waitpid(child, nullptr, 0);
  return -1;
}

}  // namespace

WizardRun run_wizard_in(const std::string& folder, const std::string& input, int limit_seconds) {
  std::string input_path = folder + ".input";
  std::string output_path = folder + ".output";
  std::ofstream(input_path, std::ios::binary) << input;
  pid_t child = fork();
  if (child == 0) {
    int in = open(input_path.c_str(), O_RDONLY);
    int out = open(output_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    dup2(in, 0);
    dup2(out, 1);
    dup2(out, 2);
    if (chdir(folder.c_str()) != 0) _exit(127);
    execl(SKINBUILDER_BIN, SKINBUILDER_BIN, static_cast<char*>(nullptr));
    _exit(127);
  }
  WizardRun run;
  run.exit_code = wait_with_limit(child, limit_seconds);
  run.output = read_file(output_path);
  fs::remove(input_path);
  fs::remove(output_path);
  return run;
}

std::string read_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

bool file_exists(const std::string& path) {
  return fs::exists(path);
}
