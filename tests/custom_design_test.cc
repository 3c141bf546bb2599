// A CUSTOM multicolour run through the real binary with every answer typed,
// its preset, and the rebuild from that preset with ENTER everywhere.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "settings/skin_settings.h"
#include "tests/test_support.h"

namespace {

namespace fs = std::filesystem;

// The answers of the first run, question by question.
std::string first_run_answers() {
  return "4\n"                                      // CUSTOM multicolour
         "200\n40\n40\n40\n200\n40\n40\n40\n200\n"  // generators, modulators, effects
         "200\n200\n40\n10\n20\n30\n"               // globals, selection
         "2\n10\n-20\n5\n15\n-sharpen 0x1\n1\n" +   // adjustments, options, preview rejected
         std::string(22, '\n') +                    // every default kept, preview accepted
         "My Custom Skin\n5\n5\n3\n"                // name, styles
         "2\n100\n3.5\n2\n2\n2\n2\n\n";             // EQ, sidebars, tabs, flow, save, finish
}

// The value of a colour definition line such as: "Generators" = 1E28EE
std::string defined_colour(const std::string& script, const std::string& name) {
  for (const std::string& line : lines_of(script)) {
    if (line.find("\"" + name + "\"") != std::string::npos && line.find('=') != std::string::npos &&
        line.find("colour") == std::string::npos) {
      return line.substr(line.find('=') + 2);
    }
  }
  return "";
}

using CustomDesignRun = EndToEndTest;

TEST_F(CustomDesignRun, TypedAnswersReachTheSkinItsScriptsAndThePreset) {
  Workspace workspace;
  const std::string skin = workspace.path() + "/My Custom Skin";
  const std::string preset = workspace.path() + "/Presets/My Custom Skin-v11b5.kvl";
  WizardRun run = run_wizard_in(workspace.path(), first_run_answers());
  ASSERT_EQ(0, run.exit_code) << run.output;
  // The second pass offered the first pass's answers as defaults.
  EXPECT_EQ(1u,
            count_of(run.output,
                     "Red amount (0-255) (Default = 200): Green amount (0-255) (Default = 40)"));
  EXPECT_EQ(1u, count_of(run.output, "Hue Adjustment (-100 to +100) (Default = 15): "));
  EXPECT_EQ(1u, count_of(run.output, "Advanced Options (Default = \"-sharpen 0x1\"): "));
  EXPECT_EQ(2u, count_of(run.output, "Are you satisfied with the result?"));
  std::string saved = read_file(preset);
  ASSERT_EQ(kSettingsSize, saved.size());

  std::string zebra2 = read_file(skin + "/Scripts/Zebra2.txt");
  std::string zebra_hz = read_file(skin + "/Scripts/ZebraHZ.txt");
  ASSERT_FALSE(zebra2.empty() || zebra_hz.empty());
  // Measured colours: sections, and greys measured after the global adjustments.
  std::map<std::string, std::string> measured = {
      {"CS1", "Generators"}, {"CS2", "Modulators"}, {"CS3", "Effects"}, {"CS4", "Globals"},
      {"LG", "Light Grey"},  {"MG", "Middle Grey"}, {"DG", "Dark Grey"}};
  for (const auto& [tag, name] : measured) {
    std::string colour = measured_colour(skin + "/Images/Other/" + tag + "Sample.png");
    EXPECT_EQ(colour, defined_colour(zebra2, name)) << name;
    EXPECT_EQ(colour, defined_colour(zebra_hz, name)) << name;
  }
  EXPECT_NE(defined_colour(zebra2, "Generators"), defined_colour(zebra2, "Modulators"));
  EXPECT_NE("999999", defined_colour(zebra2, "Light Grey"));
  for (const char* band : {"EQ Band 1", "EQ Band 2", "EQ Band 3", "EQ Band 4"}) {
    EXPECT_EQ(defined_colour(zebra2, "Effects"), defined_colour(zebra2, band)) << band;
  }
  EXPECT_EQ("0a141e", defined_colour(zebra2, "SelectColour"));
  EXPECT_EQ("0a141e64", defined_colour(zebra2, "Sidebar 1"));  // selection colour, brightness 100
  EXPECT_EQ("0a141e64", defined_colour(zebra2, "Sidebar 4"));
  EXPECT_NE(0u, count_of(zebra2, "Width     = 3.50"));

  // Rebuild from the preset with ENTER everywhere, then compare.
  fs::rename(skin, workspace.path() + "/first build");
  WizardRun again = run_wizard_in(workspace.path(), "5\n" + std::string(32, '\n') + "2\n\n");
  ASSERT_EQ(0, again.exit_code) << again.output;
  EXPECT_EQ(1u, count_of(again.output, "5: PRESET: My Custom Skin\n"));
  EXPECT_EQ(1u, count_of(again.output, "(Default = My Custom Skin)\n: "));
  std::map<std::string, std::string> first = tree_content(workspace.path() + "/first build");
  std::map<std::string, std::string> second = tree_content(skin);
  ASSERT_EQ(first.size(), second.size());
  for (const auto& [path, content] : first) {
    ASSERT_EQ(1u, second.count(path)) << path;
    bool script = path.rfind("Scripts/", 0) == 0;
    EXPECT_TRUE(script || content == second[path]) << path;
  }
  // The scripts differ only in the EQ bands: the EQ question always starts
  // from the design's own default, 1 for design 4; so does the preset.
  for (const char* script : {"Scripts/Zebra2.txt", "Scripts/ZebraHZ.txt"}) {
    std::vector<std::string> a = lines_of(first[script]), b = lines_of(second[script]);
    ASSERT_EQ(a.size(), b.size());
    size_t differing = 0;
    for (size_t i = 0; i < a.size(); ++i) {
      if (a[i] == b[i]) continue;
      ++differing;
      EXPECT_EQ(1u, count_of(a[i], "EQ Band")) << a[i];
    }
    EXPECT_GT(differing, 0u);
  }
  SkinSettings record;
  std::memcpy(&record, saved.data(), kSettingsSize);
  EXPECT_STREQ("My Custom Skin", record.skin_name);
  EXPECT_EQ(2, record.eq_color_mode);
  record.eq_color_mode = 1;
  EXPECT_EQ(record_bytes(record), read_file(preset));
}

}  // namespace
