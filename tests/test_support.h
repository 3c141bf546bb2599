// What the tests share: a command recorder, a scratch working folder, scripted
// answers with the printed text of the question stages, file helpers taking
// the program's ".\x\y" paths, and the end-to-end runs of the real binaries.
#ifndef SKINBUILDER_TESTS_TEST_SUPPORT_H_
#define SKINBUILDER_TESTS_TEST_SUPPORT_H_

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "assembly/commands.h"
#include "platform/child_process.h"
#include "platform/environment.h"
#include "settings/skin_settings.h"

// The lines kept by record_command, the runner that keeps every command line
// instead of running it.
std::vector<std::string>& recorded_commands();
int record_command(const char* line);

// Swaps in a runner (record_command unless told otherwise) with an empty
// record, and puts the previous runner back when it goes.
class CommandRecorder {
 public:
  explicit CommandRecorder(CommandRunner runner = record_command)
      : previous_(set_command_runner(runner)) {
    recorded_commands().clear();
  }
  ~CommandRecorder() { set_command_runner(previous_); }

 private:
  CommandRunner previous_;
};

// A fresh temporary folder, removed with everything in it when this goes.
// Unless told otherwise it is the working folder meanwhile.
class ScratchFolder {
 public:
  explicit ScratchFolder(bool enter = true);
  ~ScratchFolder();
  const std::string& path() const { return path_; }

 private:
  std::string path_;
  std::string previous_;
};

class ScratchFolderTest : public ::testing::Test {
 protected:
  ScratchFolder folder_;
};

// What f prints on standard output.
template <typename F>
std::string stdout_of(F&& f) {
  testing::internal::CaptureStdout();
  f();
  return testing::internal::GetCapturedStdout();
}

// What a line prints through the system's command interpreter
// (platform/shell.h: the built-in one, or cmd on Windows), run from this
// process.
struct Printed {
  std::string out;
  std::string err;
  std::string both() const { return out + err; }
};
Printed interpret(const std::string& line);

// For the question stages: each test starts from a new record with commands
// recorded; feed() hands in the answers and captures standard output until
// printed() returns it.
class DialogueTest : public ::testing::Test {
 protected:
  DialogueTest() { init_settings(settings_); }
  ~DialogueTest() override;
  void feed(const std::string& answers);
  std::string printed();
  const std::vector<std::string>& commands() const { return recorded_commands(); }

  CommandRecorder recorder_;
  SkinSettings settings_;

 private:
  FILE* input_ = nullptr;
  bool capturing_ = false;
};

// The same in a scratch working folder.
class WorkingFolderTest : public DialogueTest {
 protected:
  ScratchFolder folder_;
};

// A new record of a design with its defaults applied, and a record's bytes
// as a preset file holds them.
SkinSettings design_settings(int32_t design);
std::string record_bytes(const SkinSettings& settings, size_t size = kSettingsSize);

// Files by the program's paths (".\Skin\Scripts\Template.txt") or plain
// ones; a write makes the folders above the file.
void write_file(const std::string& path, const std::string& text);
std::string read_file(const std::string& path);
// A script read back as a text stream, as the program writes it: on Windows
// its lines end in "\r\n" on disk and read as "\n".
std::string read_text_file(const std::string& path);

// The names in a folder, sorted; none when it does not exist.
std::vector<std::string> names_in(const std::string& folder);
// Every entry below a folder by relative path: a file's bytes, "<folder>".
std::map<std::string, std::string> tree_content(const std::string& folder);
std::vector<std::string> lines_of(const std::string& text);
size_t count_of(const std::string& text, const std::string& part);
inline bool ends_with(const std::string& text, const std::string& tail) {
  return text.size() >= tail.size() &&
         text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// The programs the tests start (run_wizard_in, command_output and so
// run_script) get HOME set to an empty folder of the test process's own,
// or to the folder of a WizardHome while one lives, and see no WINEPREFIX
// and no SKINBUILDER_THEMES: the plug-in folders of whoever runs the tests
// never reach a dialogue.
class WizardHome {
 public:
  explicit WizardHome(const std::string& folder);
  ~WizardHome();
  WizardHome(const WizardHome&) = delete;
  WizardHome& operator=(const WizardHome&) = delete;

 private:
  std::string previous_;
};

// Standard output of a command run by the system's shell.
std::string command_output(const std::string& command);

// The six characters after the '#' of the first line of identify's verbose
// report that holds one, as the program measures a sample.
std::string measured_colour(const std::string& image,
                            const std::string& identify = "/usr/bin/identify");

// The bytes of a whole PNG image of that size, made here with its own CRC
// and Adler checksums: 8-bit RGBA, every pixel the template blue, or the
// pixels given (4 bytes each, rows from the top).
std::string png_image(std::uint32_t width, std::uint32_t height);
std::string png_image(std::uint32_t width, std::uint32_t height, const std::string& rgba);

// The same of any colour type (0 grey, 2 RGB, 3 palette, 4 grey and alpha,
// 6 RGBA) and bit depth: the samples packed as the format packs each row
// (a row's filter byte is added here), and chunks such as PLTE and tRNS
// laid between IHDR and the image data.
struct PngChunk {
  std::string type;
  std::string data;
};
std::string png_of_type(std::uint32_t width, std::uint32_t height, int depth, int colour_type,
                        const std::string& samples, const std::vector<PngChunk>& chunks = {});

// Puts the stand-in program (tests/programs/stand_in_tool.cc) at path, as
// the system starts programs ("path.exe" on Windows); its name says what it
// does.
void install_stand_in(const std::string& path);

// Runs the template generator into folder; the folder, or empty when it failed.
std::string make_skindata(const std::string& folder, bool small);
// End-to-end runs. A small generated skindata, made once per test run and
// shared read-only; empty when the generator is not built.
const std::string& small_skindata();

// A working folder as the program expects it: Presets and a copy of the
// small skindata (at path(), or in a folder below it).
class Workspace : public ScratchFolder {
 public:
  explicit Workspace(const std::string& below = "");
  const std::string& run_folder() const { return run_folder_; }

 private:
  std::string run_folder_;
};

// The failure report's line naming the image tool, for a working folder
// whose skindata/mogrify hands -version to the system's mogrify (POSIX).
std::string image_tool_report_line();

// End-to-end tests, skipped when the generator is not built.
class EndToEndTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (small_skindata().empty())
      GTEST_SKIP() << "make-skindata is not built (POSIX-only): no template skin and no image "
                      "tools to build with";
  }
};

struct WizardRun {
  int exit_code = -1;  // 137 when killed for running too long
  std::string output;  // standard output, and standard error unless apart
  std::string errors;  // standard error, when kept apart
};

// Runs the skinbuilder binary in folder with input on its standard input,
// closed after it. A run that outlives limit_seconds is killed, so a dialogue
// that waits forever fails instead of hanging.
WizardRun run_wizard_in(const std::string& folder, const std::string& input,
                        int limit_seconds = 300, ErrorOutput errors = ErrorOutput::kInterleaved);

// Puts a shell script in front of one of the workspace's image tools; the
// script finds the real launcher as "$real". POSIX.
void wrap_tool(const std::string& workspace, const char* tool, const std::string& body);

// The first image command of the build (not the start-up check's -version)
// drops a marker in skindata/temp and then sleeps that long.
void slow_first_image_command(const std::string& workspace, int seconds);

// A shell script's standard output, run in folder with the binary as $BIN
// and wait_for FILE, which waits up to 30 seconds for the file to appear.
std::string run_script(const std::string& folder, const std::string& script);

// A small file system of its own (a tmpfs of 24 MB, when this process may
// mount one: it needs root), removed when this goes.
class SmallDisk {
 public:
  SmallDisk();
  ~SmallDisk();
  bool mounted() const { return mounted_; }
  const std::string& path() const { return folder_.path(); }
  // Leaves only `room` bytes free.
  void shrink_to_leave(std::uintmax_t room);

 private:
  ScratchFolder folder_;
  bool mounted_ = false;
};

// A fresh folder on another file system than the scratch folders (in
// /dev/shm, a tmpfs on most Linux systems), removed with everything in it
// when this goes; path() is empty when there is none.
class OtherFileSystemFolder {
 public:
  OtherFileSystemFolder();
  ~OtherFileSystemFolder();
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

#endif  // SKINBUILDER_TESTS_TEST_SUPPORT_H_
