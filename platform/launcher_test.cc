#include "platform/launcher.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <future>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/descriptors.h"
#include "platform/environment.h"
#include "platform/interpreter.h"
#include "tests/test_support.h"

namespace {

TEST(Launcher, WindowsCommandLinesSplitBackIntoTheSameWords) {
  EXPECT_EQ(windows_command_line({"magick", "mogrify", "-modulate", "100,62.6,100"}),
            "magick mogrify -modulate 100,62.6,100");
  // Blanks and empty words are quoted; backslashes double only before a
  // quote, the closing one included.
  EXPECT_EQ(windows_command_line({"./My Skin/Images/*.png", "", R"(C:\my dir\)", R"(C:\dir\)"}),
            R"("./My Skin/Images/*.png" "" "C:\my dir\\" C:\dir\)");
  EXPECT_EQ(windows_command_line({R"(say "hi")", R"(x\"y)"}), R"("say \"hi\"" "x\\\"y")");
  // Nothing else is special: no cmd.exe reads the line.
  EXPECT_EQ(windows_command_line({"%PATH%", "a&b", "x^y", "<>|"}), "%PATH% a&b x^y <>|");
}

using LauncherTest = ScratchFolderTest;

// Through the interpreter to a real program, on this system: what cmd
// would expand or split reaches the program as typed.
TEST_F(LauncherTest, WordsReachTheProgramUnchanged) {
  install_stand_in("echo");
  std::string out =
      interpret(R"(.\echo "%PATH%" "a&b" "x^y" "My Skin\Images\*.png" "C:\my dir\" end)").out;
  EXPECT_EQ(out, "%PATH%\na&b\nx^y\nMy Skin\\Images\\*.png\nC:\\my dir\\\nend\n");
  EXPECT_EQ(run_program({"./missing-program"}, StandardStreams()), -1);
}

TEST(Launcher, TheTimeLimitIsTakenOnlyFromAWholePositiveNumber) {
  EXPECT_EQ(600, time_limit_seconds());
  for (const char* ignored : {"", "0", "-5", "+5", "12x", " 30", "1.5", "abc"}) {
    ScopedVariable limit("SKINBUILDER_TOOL_TIMEOUT", ignored);
    EXPECT_EQ(600, time_limit_seconds()) << ignored;
  }
  ScopedVariable limit("SKINBUILDER_TOOL_TIMEOUT", "30");
  EXPECT_EQ(30, time_limit_seconds());
  ScopedVariable huge("SKINBUILDER_TOOL_TIMEOUT", "99999999999999999999999");
  EXPECT_EQ(2147483647, time_limit_seconds());
}

// The exit codes of all the programs, waited for in a thread of their own:
// nothing when that takes more than a minute, so that a wait that never
// returns fails the test instead of holding it (the thread is left behind).
std::optional<std::vector<int>> exit_codes_within_a_minute(std::vector<ProcessId> running) {
  auto codes = std::make_shared<std::promise<std::vector<int>>>();
  std::future<std::vector<int>> result = codes->get_future();
  std::thread([running, codes]() mutable {
    std::vector<int> exit_codes;
    while (!running.empty()) exit_codes.push_back(wait_for_any(running));
    codes->set_value(exit_codes);
  }).detach();
  if (result.wait_for(std::chrono::minutes(1)) != std::future_status::ready) return std::nullopt;
  return result.get();
}

// A program that never returns is stopped at the limit, even one that
// ignores Ctrl-C and SIGTERM; one that ends in time is not.
TEST_F(LauncherTest, AProgramPastItsTimeLimitIsStoppedAndCounted) {
  install_stand_in("hang");
  install_stand_in("stubborn");
  install_stand_in("tool");
  ScopedVariable limit("SKINBUILDER_TOOL_TIMEOUT", "1");
  int stopped = programs_stopped_at_time_limit();
  // Nothing of the test's own is left open in them, should they outlive it.
  int null_device = open_null_device();
  StandardStreams quiet{null_device, null_device, null_device};
  std::vector<ProcessId> running;
  for (const char* name : {"./hang", "./stubborn", "./tool"}) {
    running.push_back(start_program({name, "3"}, quiet));
  }
  close_descriptor(null_device);
  for (ProcessId process : running) ASSERT_NE(kNoProcess, process);
  std::optional<std::vector<int>> ended = exit_codes_within_a_minute(running);
  ASSERT_TRUE(ended.has_value()) << "the programs were not stopped";
  // The tool's own exit code, in time; the stopped ones fail.
  EXPECT_EQ(1, std::count(ended->begin(), ended->end(), 3));
  EXPECT_EQ(0, std::count(ended->begin(), ended->end(), 0));
  EXPECT_EQ(stopped + 2, programs_stopped_at_time_limit());
  EXPECT_EQ(3, run_program({"./tool", "3"}, StandardStreams()));
  EXPECT_EQ(stopped + 2, programs_stopped_at_time_limit());
}

}  // namespace
