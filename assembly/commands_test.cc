#include "assembly/commands.h"

#include <gtest/gtest.h>

#include <csignal>
#include <string>

#include "assembly/global_adjust.h"
#include "assembly/recolor.h"
#include "platform/interruption.h"
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

// The report of a tool stopped at its time limit quotes the line in brief:
// the tool, and the end that names the images.
TEST(Commands, ALongLineIsToldByItsFirstAndLastWords) {
  std::string mogrify =
      ".\\skindata\\mogrify -quality 80 -type TrueColorAlpha -define modulate:colorspace=HSB "
      "-modulate 100,96.669373,0.148933 \".\\My Skin\\Images\\Controls\\CS2*.png\"";
  EXPECT_EQ(mogrify, line_in_brief(mogrify, mogrify.size()));
  EXPECT_EQ(".\\skindata\\mogrify ... -modulate 100,96.669373,0.148933 "
            "\".\\My Skin\\Images\\Controls\\CS2*.png\"",
            line_in_brief(mogrify, 100));
  EXPECT_EQ(".\\skindata\\mogrify ... \".\\My Skin\\Images\\Controls\\CS2*.png\"",
            line_in_brief(mogrify, 60));
  // A last word too long for the room keeps its end.
  EXPECT_EQ(".\\skindata\\mogrify ...Controls\\CS2*.png\"", line_in_brief(mogrify, 40));
  EXPECT_EQ(std::string(30, 'x') + "...", line_in_brief(std::string(300, 'x'), 30));
}

// The user interrupts during the second line: it and every later line
// give kInterruptedStatus, and those later ones are not run at all.
int interrupted_at_second_line(const char* line) {
  record_command(line);
  if (recorded_commands().size() == 2) note_interruption(SIGINT);
  return 0;
}

// Each pass stops at the line it was interrupted in, with no progress dot
// for it and no "Done.", so what the driver says next follows at once.
TEST(Commands, AnInterruptionStopsThePassAtItsNextCommand) {
  CommandRecorder recorder(interrupted_at_second_line);
  SkinSettings settings = design_settings(kStandardMulti);
  settings.global_adjust = 2;
  struct Pass {
    CommandTally (*run)(const SkinSettings&);
    const char* said;
  } passes[] = {
      {recolor_skin, "Modifying colors for Korvel Dazo Colorized.."},
      {adjust_skin_globally, "Making global adjustments for Korvel Dazo Colorized."},
  };
  for (const Pass& pass : passes) {
    SCOPED_TRACE(pass.said);
    recorded_commands().clear();
    CommandTally tally;
    EXPECT_EQ(pass.said, stdout_of([&] { tally = pass.run(settings); }));
    EXPECT_TRUE(tally.interrupted);
    EXPECT_EQ(2, tally.run);
    EXPECT_EQ(2u, recorded_commands().size());
    EXPECT_EQ(kInterruptedStatus, run_command("cls"));
    EXPECT_EQ(2u, recorded_commands().size());
    note_interruption(0);
  }
  EXPECT_EQ(0, run_command("cls"));
}

}  // namespace
