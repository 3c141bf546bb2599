#include "platform/launcher.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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

}  // namespace
