#include "platform/child_process.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "tests/test_support.h"

namespace {

// The system's shell reading its commands from standard input, as typed;
// cmd may add a banner and prompts around what the commands print.
#ifdef _WIN32
std::string shell_program() {
  const char* comspec = std::getenv("COMSPEC");
  return comspec != nullptr ? comspec : "C:\\Windows\\System32\\cmd.exe";
}
const char kPrintBothAndFail[] = "@echo off\necho out-text\necho err-text 1>&2\nexit 3\n";
const char kWaitLong[] = "@echo off\necho before-text\nping -n 60 127.0.0.1 >NUL\n";
const char kShowFolder[] = "cd\n";
#else
std::string shell_program() {
  return "/bin/sh";
}
const char kPrintBothAndFail[] = "echo out-text; echo err-text >&2; exit 3\n";
const char kWaitLong[] = "echo before-text; exec sleep 60\n";
const char kShowFolder[] = "pwd\n";
#endif

bool holds(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

TEST(ChildProcess, CapturesBothStreamsTogetherOrApartWithTheExitCode) {
  ScratchFolder folder(false);
  ChildRun together = run_child(shell_program(), folder.path(), kPrintBothAndFail, 60);
  EXPECT_EQ(together.exit_code, 3);
  EXPECT_LT(together.output.find("out-text"), together.output.find("err-text"));
  EXPECT_EQ(together.errors, "");

  ChildRun apart =
      run_child(shell_program(), folder.path(), kPrintBothAndFail, 60, ErrorOutput::kApart);
  EXPECT_EQ(apart.exit_code, 3);
  EXPECT_TRUE(holds(apart.output, "out-text") && !holds(apart.output, "err-text")) << apart.output;
  EXPECT_TRUE(holds(apart.errors, "err-text") && !holds(apart.errors, "out-text")) << apart.errors;

  std::string name = folder.path().substr(folder.path().find_last_of("/\\") + 1);
  EXPECT_TRUE(holds(run_child(shell_program(), folder.path(), kShowFolder, 60).output, name));
}

TEST(ChildProcess, AChildPastItsLimitIsKilledAndAMissingOneNeverStarts) {
  ScratchFolder folder(false);
  ChildRun waiting = run_child(shell_program(), folder.path(), kWaitLong, 1);
  EXPECT_EQ(waiting.exit_code, 137);
  EXPECT_TRUE(holds(waiting.output, "before-text")) << waiting.output;

  EXPECT_EQ(run_child(folder.path() + "/missing program", folder.path(), "", 60).exit_code, 127);
}

}  // namespace
