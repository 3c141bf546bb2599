#include "assembly/commands.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> lines;
void record(const char* line) { lines.push_back(line); }

TEST(Commands, ALineThatWouldNotFitIsNeverCutNorRun) {
  lines.clear();
  CommandRunner previous = set_command_runner(record);
  char command[kCommandBufferSize];
  std::string name(483, 'n');

  testing::internal::CaptureStdout();
  format_command(command, "rmdir /S /Q \".\\%s\" 1>NUL 2>NUL", name.c_str());  // 511 characters
  run_command(command);
  format_command(command, "rmdir /S /Q \".\\%s\" 1>NUL 2>NUL", (name + "x").c_str());
  run_command(command);
  std::string printed = testing::internal::GetCapturedStdout();
  set_command_runner(previous);

  ASSERT_EQ(1u, lines.size());
  EXPECT_EQ(511u, lines[0].size());
  EXPECT_STREQ("", command);
  EXPECT_EQ("Skipped a command longer than 511 characters: rmdir /S /Q \".\\" + name +
                "x\" 1>NUL 2>NUL\n",
            printed);

  char small[10];
  EXPECT_EQ(10, format_bounded(small, sizeof small, "%4.2f", 1234567.0));
  EXPECT_STREQ("", small);  // a number that does not fit is not kept cut
  EXPECT_EQ(24u, command_length("%s and %d", std::string(16, 'a').c_str(), 123));
}

}  // namespace
