// Image tools that end well but do not do what was asked, through the real
// binary: images made transparent, opaque or grey, or left as they were,
// and reports with a warning or a colour that is no colour. The build's
// check sees it in the images and the colours measured, and the previous
// skin stays; a report the measurement can still read builds the same skin
// as a clean one.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>

#include "tests/test_support.h"

namespace fs = std::filesystem;

namespace {

// The stand-in tool in front of one of the workspace's image tools: with
// STAND_IN_FAULT set it is a faulty version of it (a fault it does not know
// hands every run to the real tool unchanged).
void put_stand_in_before(const std::string& workspace, const char* tool) {
  std::string path = workspace + "/skindata/" + tool;
  fs::rename(path, path + "-real");
  install_stand_in(path);
}

using FaultyImageTool = EndToEndTest;

TEST_F(FaultyImageTool, ImagesNotMadeAsAskedFailTheBuild) {
  Workspace workspace;
  std::string skin = workspace.path() + "/Korvel Dazo Colorized";
  ASSERT_EQ(0, run_wizard_in(workspace.path(), "2\n").exit_code);
  auto previous = tree_content(skin);
  put_stand_in_before(workspace.path(), "mogrify");
  ScopedVariable one_process("SKINBUILDER_JOBS", "1");  // every command starts the tool
  const struct {
    const char* fault;
    const char* report;
  } cases[] = {
      {"transparent",
       "- 678 of 847 images changed their transparency (the first is "
       "Images/Animations/KVL-BotTabs-Z2/KVL-BotTabs-Z2-Dim.png).\n"},
      {"opaque",
       "- 644 of 847 images changed their transparency (the first is "
       "Images/Animations/KVL-Btn-EditMasterCS1/KVL-Btn-EditMasterCS1-Small.png).\n"},
      // The globals' light grey stays light grey.
      {"grey",
       "- GENERATORS colour measured 909090, expected 5798EE.\n"
       "- MODULATORS colour measured B7B7B7, expected EEB05D.\n"
       "- EFFECTS colour measured C2C2C2, expected 42EE93.\n"},
      // The generators' blue is the template's.
      {"unchanged",
       "- MODULATORS colour measured 5999EE, expected EEB05D.\n"
       "- EFFECTS colour measured 5999EE, expected 42EE93.\n"
       "- GLOBALS colour measured 5999EE, expected EEEDED.\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.fault);
    ScopedVariable fault("STAND_IN_FAULT", c.fault);
    WizardRun run = run_wizard_in(workspace.path(), "2\n");
    EXPECT_EQ(1, run.exit_code);
    EXPECT_TRUE(ends_with(run.output,
                          "Customizing skin scripts Zebra2.txt and ZebraHZ.txt.............Done.\n"
                          "The skin could not be built.\n" +
                              std::string(c.report) + image_tool_report_line() +
                              "Korvel Dazo Colorized is as it was before this build.\n\n"
                              "Press ENTER to finish.\n"))
        << run.output;
    EXPECT_TRUE(previous == tree_content(skin));
    EXPECT_FALSE(fs::exists(workspace.path() + "/skindata/temp/previous"));
  }
}

// The colour each 16-bit channel of a listing's first code comes to in 8
// bits, worked out here in floating point.
std::string eight_bit_code(const std::string& listing) {
  size_t hash = listing.find('#');
  if (hash == std::string::npos || listing.size() < hash + 13) return "";
  std::string code;
  for (int channel = 0; channel < 3; ++channel) {
    unsigned long value = std::stoul(listing.substr(hash + 1 + 4 * channel, 4), nullptr, 16);
    char pair[3];
    std::snprintf(pair, sizeof pair, "%02X", static_cast<unsigned>(std::lround(value / 257.0)));
    code += pair;
  }
  return code;
}

TEST_F(FaultyImageTool, OnlyAWellFormedColourIsMeasured) {
  Workspace workspace;
  std::string skin = workspace.path() + "/Korvel Dazo Blue";
  put_stand_in_before(workspace.path(), "identify");
  ScopedVariable fault("STAND_IN_FAULT", "none");
  ASSERT_EQ(0, run_wizard_in(workspace.path(), "1\n").exit_code);
  auto clean = tree_content(skin);

  // A warning holding '#' before the histogram changes nothing.
  ScopedVariable warning("STAND_IN_FAULT", "warn-hash");
  WizardRun warned = run_wizard_in(workspace.path(), "1\n");
  EXPECT_EQ(0, warned.exit_code) << warned.output;
  EXPECT_TRUE(clean == tree_content(skin));
  EXPECT_NE(std::string::npos, read_file(skin + "/Scripts/Zebra2.txt").find("= 5798EE\n"));

  ScopedVariable bad_code("STAND_IN_FAULT", "bad-code");
  WizardRun bad = run_wizard_in(workspace.path(), "1\n");
  EXPECT_EQ(1, bad.exit_code);
  EXPECT_TRUE(ends_with(bad.output,
                        "The skin could not be built.\n- 1 colour could not be measured.\n"
                        "Korvel Dazo Blue is as it was before this build.\n\n"
                        "Press ENTER to finish.\n"))
      << bad.output;
  EXPECT_TRUE(clean == tree_content(skin));

  // Advanced options that leave the images at 16 bits: their codes have
  // twelve digits, and the script gets each channel's nearest 8-bit value.
  ScopedVariable real_tool("STAND_IN_FAULT", "none");
  WizardRun deep =
      run_wizard_in(workspace.path(), "3\n200\n40\n40\n\n\n\n2\n\n\n\n\n-depth 16\n\nDeep\n");
  EXPECT_EQ(0, deep.exit_code) << deep.output;
  std::string code = eight_bit_code(read_file(workspace.path() + "/skindata/temp/CS1info.txt"));
  ASSERT_EQ(6u, code.size()) << "no 16-bit code measured";
  EXPECT_NE(std::string::npos,
            read_file(workspace.path() + "/Deep/Scripts/Zebra2.txt").find("= " + code + "\n"))
      << code;
}

}  // namespace
