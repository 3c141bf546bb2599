#include "assembly/commands.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/test_support.h"

namespace {

TEST(Commands, ALineThatWouldNotFitIsNeverCutNorRun) {
  CommandRecorder recorder;
  char command[kCommandBufferSize];
  std::string name(483, 'n');
  const char* form = "rmdir /S /Q \".\\%s\" 1>NUL 2>NUL";
  std::string printed = stdout_of([&] {
    format_command(command, form, name.c_str());  // 511 characters
    run_command(command);
    format_command(command, form, (name + "x").c_str());
    run_command(command);
  });
  ASSERT_EQ(1u, recorded_commands().size());
  EXPECT_EQ(511u, recorded_commands()[0].size());
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
