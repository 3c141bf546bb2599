#include "scripts/measure.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/paths.h"
#include "tests/test_support.h"

namespace {

const char* const kTags[] = {"LG", "MG", "DG", "CS1", "CS2", "CS3", "CS4"};

std::string identify_line(const std::string& tag) {
  return ".\\skindata\\identify -verbose \".\\My Skin\\Images\\Other\\" + tag +
         "Sample.png\" | findstr # > .\\skindata\\temp\\" + tag + "info.txt";
}

// Measures CS1 against a listing with the given content (none when null).
MeasuredSample measured_from(const char* listing) {
  std::filesystem::remove("skindata/temp/CS1info.txt");
  if (listing != nullptr) write_file(".\\skindata\\temp\\CS1info.txt", listing);
  return measure_sample(kSamples[kFirstSectionSample], "My Skin", "f0f0f0");
}

TEST(MeasureTest, TakesTheColourOfTheFirstHistogramLine) {
  ScratchFolder folder;
  CommandRecorder recorder;
  MeasuredSample sample;
  EXPECT_EQ(stdout_of([&] {
              sample = measured_from(
                  "    36: (161,178,195) #A1b2C3 srgb(161,178,195)\n"
                  "    0: (0,0,0) #000000 black\n");
            }),
            "Measuring actual color CS1.......Done.\n");
  EXPECT_EQ(std::string(sample.colour) + (sample.measured ? " measured" : ""), "A1b2C3 measured");
  EXPECT_EQ(recorded_commands(), std::vector<std::string>{identify_line("CS1")});
  EXPECT_EQ(stdout_of([&] { sample = measured_from(nullptr); }),
            "Measuring actual color CS1.......Done.\nWarning: no colour found in " +
                shown_relative("skindata\\temp\\CS1info.txt") +
                " for CS1Sample.png; using f0f0f0.\n");
  EXPECT_EQ(std::string(sample.colour) + (sample.measured ? " measured" : ""), "f0f0f0");
}

std::string parsed(const std::string& listing) {
  char out[kColourTextSize + 1];
  std::memset(out, 'X', sizeof out);
  bool found = parse_listed_colour(listing.data(), listing.size(), out);
  EXPECT_EQ('X', out[kColourTextSize]) << listing;
  return found ? out : "none";
}

std::string histogram_line(const std::string& code) {
  return "        36: (88,152,236) #" + code + " srgb(88,152,236)\n";
}

// Six digits as they stand, eight with alpha; twelve (sixteen) from a
// 16-bit image, each channel to the nearest 8-bit value as ImageMagick
// writes it (0x8100 is 128.49 of 255, 0x8101 128.50).
TEST(MeasureTest, ReadsSixAndTwelveDigitCodes) {
  EXPECT_EQ("5898ec", parsed(histogram_line("5898ec")));
  EXPECT_EQ("5999EE", parsed("    36: (89,153,238,255) #5999EEFF srgba(89,153,238,1)\n"));
  EXPECT_EQ("5898EC", parsed("  1: (88,152,236) #5898EC"));  // no newline at the end
  EXPECT_EQ("5898EC", parsed("  1: (88,152,236) #5898EC\r\n"));
  EXPECT_EQ("EE2F2F", parsed("    36: (61166,12079,12079) #EEEE2F2F2F2F srgb(238,47,47)\n"));
  EXPECT_EQ("808100", parsed(histogram_line("810081010000")));
  EXPECT_EQ("000100", parsed(histogram_line("008000810000")));
  EXPECT_EQ("FFFF00", parsed(histogram_line("FF80fffe007F")));
  EXPECT_EQ("FF00FF", parsed(histogram_line("FFFF0000FFFF8000")));  // and alpha
  EXPECT_EQ("58EE00", parsed("  7: (88.25,238,-0.5) #58EE00 srgb(88,238,0)\n"));
  // ImageMagick 7 pads the values, here as its identify wrote them under Wine.
  EXPECT_EQ("5898EE", parsed("        36: ( 88,152,238) #5898EE srgb(88,152,238)\r\n"
                             "         1: (255,255,255,255) #FFFFFFFF white\r\n"));
}

// Lines holding '#' that are not histogram lines are passed over, however
// they look; the first histogram line decides, and a code there that is
// not hexadecimal, or of another length, measures nothing.
TEST(MeasureTest, TakesNothingButAWellFormedHistogramCode) {
  EXPECT_EQ("5898EC",
            parsed("identify: warning: frame #1 in memory ignored\n" + histogram_line("5898EC")));
  EXPECT_EQ("5898EC", parsed("#123456\n  # 36: (1,2,3) #654321\n36 (1,2,3) #654321\n"
                             "36: 1,2,3 #654321\n36: (1,2,3)#654321\n36: (1,2,3) 654321\n" +
                             histogram_line("5898EC")));
  EXPECT_EQ("none", parsed("identify: warning: frame #1 in memory ignored\n"));
  EXPECT_EQ("none", parsed("#5898EC\n"));
  EXPECT_EQ("none", parsed(""));
  for (const char* code : {"GGHHII", "5898EG", "5898E", "5898ECF", "5898ECFFF", "5898EC5898E",
                           "58589898ECEC0", "58589898ECECFFFFF", "", "5898EC,", "5898EC\t"}) {
    EXPECT_EQ("none", parsed(histogram_line(code) + histogram_line("5898EC"))) << code;
  }
  EXPECT_EQ("none", parsed(std::string("  1: (88,152,236) #5898EC\0", 26)));
  EXPECT_EQ("none", parsed("  1: (88,152,236) #5898\rEC\n"));
}

// Only the start of a listing is read, the same from a file as from bytes:
// a histogram line past kListingReadLimit, or cut by it, is not seen.
TEST(MeasureTest, ReadsOnlyTheStartOfAListing) {
  ScratchFolder folder;
  std::string warnings;
  while (warnings.size() < kListingReadLimit - 60) warnings += "warning: #1 in memory\n";
  std::string reachable = warnings + "1: (1,2,3) #5898EC\n";
  std::string beyond = warnings + std::string(80, '#') + "\n" + histogram_line("5898EC");
  // The window ends after "#585898", six digits of a 16-bit code.
  std::string cut = warnings + std::string(kListingReadLimit - warnings.size() - 23, ' ') +
                    "1: (88,152,236) #58589898ECEC srgb(88,152,236)\n";
  for (auto [listing, expected] :
       {std::pair{reachable, "5898EC"}, std::pair{beyond, "none"}, std::pair{cut, "none"}}) {
    EXPECT_EQ(expected, parsed(listing));
    write_file(".\\skindata\\temp\\CS1info.txt", listing);
    char out[kColourTextSize] = {};
    EXPECT_EQ(expected, read_listed_colour(".\\skindata\\temp\\CS1info.txt", out) ? std::string(out)
                                                                                  : "none");
  }
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
               std::string("  0: (1,2,3) #") + colours[i] + "\n");
    expected_output += std::string(kSamples[i].message) + "Done.\n";
    if (i >= 3) expected_output += "Customizing template skin script.............Done.\n";
  }
  expected_output += "Customizing skin scripts Zebra2.txt and ZebraHZ.txt.............Done.\n";
  write_file(".\\My Skin\\Scripts\\Template.txt", "HEXCS1 HEXCS2 HEXCS3 HEXCS4 HEXLG HEXMG HEXDG");
  SkinSettings settings = settings_for(kCustomMulti, 2);
  MeasuredSkin measured;
  EXPECT_EQ(stdout_of([&] { measured = customize_scripts(settings); }), expected_output);
  EXPECT_EQ(0, colours_not_measured(settings, measured));
  EXPECT_STREQ("505050", measured.middle_gray.colour);
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
  MeasuredSkin measured;
  std::string output = stdout_of([&] { measured = customize_scripts(settings); });
  EXPECT_NE(output.find("CS1Sample.png; using ff0010.\n"), std::string::npos) << output;
  EXPECT_EQ(1, colours_not_measured(settings, measured));
  ASSERT_EQ(recorded_commands().size(), 4u);
  EXPECT_EQ(recorded_commands()[0], identify_line("CS1"));
  EXPECT_EQ(read_file(".\\My Skin\\Scripts\\Template.txt"), "ff0010 ff0010 999999 CS1Knob");
}

}  // namespace
