#include "scripts/host_scripts.h"

#include <filesystem>
#include <string>
#include <vector>

#include "gtest/gtest.h"
#include "scripts/script_test_support.h"

namespace {

TEST(HostScriptsTest, TwoScriptsDifferOnlyInTheirHostValues) {
  script_test::ScratchFolder folder(script_test::record_and_copy);
  script_test::write_file(".\\My Skin\\Scripts\\Template.txt",
                          "code ZCODE ZCODE\n"
                          "Z2COMMENTSTART block Z2COMMENTEND\n"
                          "mseg MSEGTABWID MSEGTABHALFWID MSEGTABOFF MSEGTABINCOFF\n"
                          "ovl OVL1WID OVL2WID OVL2OFF\n"
                          "colour 5797ec\n");
  script_test::write_file(".\\My Skin\\Scripts\\Zebra2.txt", "stale\n");
  testing::internal::CaptureStdout();
  customize_host_scripts("My Skin");
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "Customizing skin scripts Zebra2.txt and ZebraHZ.txt.............Done.\n");
  std::vector<std::string> expected = {
      "copy /y \".\\My Skin\\Scripts\\Template.txt\" \".\\My Skin\\Scripts\\Zebra2.txt\" >NUL",
      "copy /y \".\\My Skin\\Scripts\\Template.txt\" \".\\My Skin\\Scripts\\ZebraHZ.txt\" >NUL",
      "del \".\\My Skin\\Scripts\\Template.txt\""};
  EXPECT_EQ(script_test::recorded_lines, expected);
  EXPECT_EQ(script_test::read_file(".\\My Skin\\Scripts\\Zebra2.txt"),
            "code Z2 Z2\n"
            "/* block */\n"
            "mseg 356.00 178.00 598.00 608.00\n"
            "ovl 110.00 336.00 789.00\n"
            "colour 5797ec\n");
  EXPECT_EQ(script_test::read_file(".\\My Skin\\Scripts\\ZebraHZ.txt"),
            "code ZHZ ZHZ\n"
            " block \n"
            "mseg 708.00 354.00 510.00 520.00\n"
            "ovl 84.00 516.00 609.00\n"
            "colour 5797ec\n");
  EXPECT_FALSE(std::filesystem::exists("My Skin/Scripts/Template.txt"));
}

}  // namespace
