#include "scripts/measure.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/test_support.h"

namespace {

const char* const kTags[] = {"LG", "MG", "DG", "CS1", "CS2", "CS3", "CS4"};

std::string identify_line(const std::string& tag) {
  return ".\\skindata\\identify -verbose \".\\My Skin\\Images\\Other\\" + tag +
         "Sample.png\" | findstr # > .\\skindata\\temp\\" + tag + "info.txt";
}

// The listing as messages show it, in the system's way.
#ifdef _WIN32
const std::string kListing = "skindata\\temp\\CS1info.txt";
#else
const std::string kListing = "skindata/temp/CS1info.txt";
#endif

// Measures CS1 against a listing with the given content (none when null).
std::string measured_from(const char* listing) {
  std::filesystem::remove("skindata/temp/CS1info.txt");
  if (listing != nullptr) write_file(".\\skindata\\temp\\CS1info.txt", listing);
  char out[kColourTextSize] = {};
  measure_sample(kSamples[kFirstSectionSample], "My Skin", "f0f0f0", out);
  return out;
}

TEST(MeasureTest, TakesSixCharactersAfterTheFirstHashOfTheFirstLine) {
  ScratchFolder folder;
  CommandRecorder recorder;
  std::string colour;
  EXPECT_EQ(
      stdout_of([&] { colour = measured_from("  0: (1,2) #A1b2C3ff srgba #000\n#999999\n"); }),
      "Measuring actual color CS1.......Done.\n");
  EXPECT_EQ(colour, "A1b2C3");
  EXPECT_EQ(recorded_commands(), std::vector<std::string>{identify_line("CS1")});
  EXPECT_EQ(measured_from("#123456"), "123456");
  EXPECT_EQ(measured_from("no colour here\n#999999\n"), "f0f0f0");
  EXPECT_EQ(measured_from(""), "f0f0f0");
  EXPECT_EQ(measured_from("#12345\n678\n"), "f0f0f0");
  EXPECT_EQ(stdout_of([&] { colour = measured_from(nullptr); }),
            "Measuring actual color CS1.......Done.\n"
            "Warning: no colour found in " + kListing + " for CS1Sample.png; using f0f0f0.\n");
  EXPECT_EQ(colour, "f0f0f0");
}

SkinSettings settings_for(int32_t design, int32_t global_adjust) {
  SkinSettings settings = design_settings(design);
  settings.global_adjust = global_adjust;
  set_skin_name(settings, "My Skin");
  return settings;
}

TEST(MeasureTest, MulticolourRunWithGlobalAdjustmentsMeasuresGreysToo) {
  ScratchFolder folder;
  CommandRecorder recorder;
  const char* colours[] = {"a0a0a0", "505050", "404040", "111111", "222222", "333333", "444444"};
  std::string expected_output;
  for (int i = 0; i < 7; ++i) {
    write_file(std::string(".\\skindata\\temp\\") + kTags[i] + "info.txt",
               std::string("  0: #") + colours[i] + "\n");
    expected_output += std::string(kSamples[i].message) + "Done.\n";
    if (i >= 3) expected_output += "Customizing template skin script.............Done.\n";
  }
  expected_output += "Customizing skin scripts Zebra2.txt and ZebraHZ.txt.............Done.\n";
  write_file(".\\My Skin\\Scripts\\Template.txt", "HEXCS1 HEXCS2 HEXCS3 HEXCS4 HEXLG HEXMG HEXDG");
  EXPECT_EQ(stdout_of([] { customize_scripts(settings_for(kCustomMulti, 2)); }), expected_output);
  ASSERT_EQ(recorded_commands().size(), 10u);
  for (int i = 0; i < 7; ++i) EXPECT_EQ(recorded_commands()[i], identify_line(kTags[i]));
  // The recorder does not copy, so the filled-in template is still there.
  EXPECT_EQ(read_file(".\\My Skin\\Scripts\\Template.txt"),
            "111111 222222 333333 444444 a0a0a0 505050 404040");
}

TEST(MeasureTest, SingleColourWithoutAdjustmentsFallsBackToTheAskedColour) {
  ScratchFolder folder;
  CommandRecorder recorder;
  write_file(".\\My Skin\\Scripts\\Template.txt", "HEXCS1 HEXCS3 HEXLG CS4Knob");
  SkinSettings settings = settings_for(kStandardSingle, 1);
  settings.cs1 = SectionColor{300, -5, 16, 0.0f, 0.0f};
  std::string output = stdout_of([&] { customize_scripts(settings); });
  EXPECT_NE(output.find("CS1Sample.png; using ff0010.\n"), std::string::npos) << output;
  ASSERT_EQ(recorded_commands().size(), 4u);
  EXPECT_EQ(recorded_commands()[0], identify_line("CS1"));
  EXPECT_EQ(read_file(".\\My Skin\\Scripts\\Template.txt"), "ff0010 ff0010 999999 CS1Knob");
}

}  // namespace
