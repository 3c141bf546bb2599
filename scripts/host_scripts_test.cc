#include "scripts/host_scripts.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/shell.h"
#include "tests/test_support.h"

namespace {

namespace fs = std::filesystem;

// Records the line and runs it (cmd runs it on Windows), so that the step
// has real files to work on.
int record_and_run(const char* line) {
  record_command(line);
  return run_shell_line(line);
}

TEST(HostScriptsTest, TwoScriptsDifferOnlyInTheirHostValues) {
  ScratchFolder folder;
  CommandRecorder recorder(record_and_run);
  const std::string scripts = ".\\My Skin\\Scripts\\";
  write_file(scripts + "Template.txt",
             "code ZCODE ZCODE\nZ2COMMENTSTART block Z2COMMENTEND\n"
             "mseg MSEGTABWID MSEGTABHALFWID MSEGTABOFF MSEGTABINCOFF\n"
             "ovl OVL1WID OVL2WID OVL2OFF\ncolour 5797ec\n");
  write_file(scripts + "Zebra2.txt", "stale\n");
  EXPECT_EQ(stdout_of([] { customize_host_scripts("My Skin"); }),
            "Customizing skin scripts Zebra2.txt and ZebraHZ.txt.............Done.\n");
  std::vector<std::string> expected = {
      "copy /y \"" + scripts + "Template.txt\" \"" + scripts + "Zebra2.txt\" >NUL",
      "copy /y \"" + scripts + "Template.txt\" \"" + scripts + "ZebraHZ.txt\" >NUL",
      "del \"" + scripts + "Template.txt\""};
  EXPECT_EQ(recorded_commands(), expected);
  EXPECT_EQ(read_text_file(scripts + "Zebra2.txt"),
            "code Z2 Z2\n/* block */\nmseg 356.00 178.00 598.00 608.00\n"
            "ovl 110.00 336.00 789.00\ncolour 5797ec\n");
  EXPECT_EQ(read_text_file(scripts + "ZebraHZ.txt"),
            "code ZHZ ZHZ\n block \nmseg 708.00 354.00 510.00 520.00\n"
            "ovl 84.00 516.00 609.00\ncolour 5797ec\n");
  EXPECT_FALSE(fs::exists("My Skin/Scripts/Template.txt"));
}

}  // namespace
