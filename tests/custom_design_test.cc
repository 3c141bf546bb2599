// A CUSTOM multicolour run through the real binary with every answer typed,
// its preset, and the rebuild from that preset with ENTER everywhere.
#include <gtest/gtest.h>

#include <algorithm>
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

// A marker file in each style overlay shows which overlays reached the
// skin (the overlays' images are recoloured after the copy).
void mark_overlays(const std::string& skindata) {
  for (const char* overlay : {"Knobs/Massive X Style", "Knobs/Factory Style", "LockIcons/No Sign",
                              "LockIcons/Dot", "AltArp/Dice", "AltArp/Standard"}) {
    std::string name = fs::path(overlay).filename().string();
    write_file(skindata + "/" + overlay + "/Images/Other/marker " + name + ".txt", name);
  }
}

template <typename T>
T field_at(const std::string& record, size_t offset) {
  T value;
  std::memcpy(&value, record.data() + offset, sizeof value);
  return value;
}

using CustomDesignRun = EndToEndTest;

TEST_F(CustomDesignRun, TypedAnswersReachTheSkinItsScriptsAndThePreset) {
  Workspace workspace;
  const std::string skin = workspace.path() + "/My Custom Skin";
  const std::string preset = workspace.path() + "/Presets/My Custom Skin-v11b5.kvl";
  mark_overlays(workspace.path() + "/skindata");
  WizardRun run = run_wizard_in(workspace.path(), first_run_answers());
  ASSERT_EQ(0, run.exit_code) << run.output;
  std::vector<std::string> markers = names_in(skin + "/Images/Other");
  markers.erase(std::remove_if(markers.begin(), markers.end(),
                               [](const std::string& n) { return n.rfind("marker", 0) != 0; }),
                markers.end());
  EXPECT_EQ((std::vector<std::string>{"marker Dice.txt", "marker Factory Style.txt",
                                      "marker No Sign.txt"}),
            markers);
  // The second pass offered the first pass's answers as defaults.
  EXPECT_EQ(1u,
            count_of(run.output,
                     "Red amount (0-255) (Default = 200): Green amount (0-255) (Default = 40)"));
  EXPECT_EQ(1u, count_of(run.output, "Hue Adjustment (-100 to +100) (Default = 15): "));
  EXPECT_EQ(1u, count_of(run.output, "Advanced Options (Default = \"-sharpen 0x1\"): "));
  EXPECT_EQ(2u, count_of(run.output, "Are you satisfied with the result?"));
  std::string saved = read_file(preset);
  ASSERT_EQ(kSettingsSize, saved.size());
  EXPECT_EQ(4, field_at<int32_t>(saved, 0));        // design_choice
  EXPECT_EQ(5, field_at<int32_t>(saved, 8));        // knob_style
  EXPECT_EQ(5, field_at<int32_t>(saved, 12));       // lock_icon_style
  EXPECT_EQ(3.5f, field_at<float>(saved, 16));      // sidebar_width
  EXPECT_EQ(100, field_at<int32_t>(saved, 20));     // sidebar_brightness
  EXPECT_EQ(2, field_at<int32_t>(saved, 28));       // flow_mod
  EXPECT_EQ(2, field_at<int32_t>(saved, 32));       // tab_color_mode
  EXPECT_EQ(3, field_at<int32_t>(saved, 292));      // arp_icon_style
  EXPECT_EQ(200, field_at<int32_t>(saved, 896));    // cs1 red
  EXPECT_EQ(200, field_at<int32_t>(saved, 960));    // cs4 green
  EXPECT_EQ(10, field_at<int32_t>(saved, 976));     // sel_red
  EXPECT_EQ(30, field_at<int32_t>(saved, 984));     // sel_blue
  EXPECT_EQ(15.0f, field_at<float>(saved, 1096));   // global_hue
  EXPECT_EQ(5.0f, field_at<float>(saved, 1100));    // global_saturation
  EXPECT_EQ(10.0f, field_at<float>(saved, 1104));   // global_brightness
  EXPECT_EQ(-20.0f, field_at<float>(saved, 1108));  // global_contrast
  EXPECT_EQ(2, field_at<int32_t>(saved, 1112));     // global_adjust
  EXPECT_STREQ("-sharpen 0x1", saved.data() + 1116);

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
  // Flow on: every translucent section colour use of the template became
  // the selection colour's.
  std::string template_script =
      read_file(workspace.path() + "/skindata/SkinTemplate/Scripts/Template.txt");
  size_t flow_uses = count_of(template_script, "colour \"ALT Custom");
  EXPECT_GT(flow_uses, 0u);
  EXPECT_EQ(flow_uses, count_of(zebra2, "colour \"SelectColour Trans\""));
  // Tabs in the selection colour.
  EXPECT_EQ(1u, count_of(zebra2, "MainText  = colour \"SelectColour\""));

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
