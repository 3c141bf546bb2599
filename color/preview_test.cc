#include "color/preview.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "color/modulation.h"
#include "tests/test_support.h"

namespace {

// A preview's section command, with the arguments of the section's default colour.
std::string section_command(int section) {
  const char* args[] = {"100.855583,100.015656", "96.669373,0.148933", "115.370972,63.478642",
                        "0.010000,-19.000000"};
  return ".\\skindata\\mogrify -quality 80 -type TrueColorAlpha -define modulate:colorspace=HSB "
         "-modulate 100," +
         std::string(args[section - 1]) + " \".\\skindata\\temp\\CS" + std::to_string(section) +
         "preview.png\"";
}

std::string global_command(const std::string& options, int section) {
  return ".\\skindata\\mogrify -quality 80 -type TrueColorAlpha -define "
         "modulate:colorspace=HSB -colorspace sRGB -modulate 110.000000,100.000000,150.000000 "
         "-brightness-contrast 0x-20.000000 " +
         options + " \".\\skindata\\temp\\CS" + std::to_string(section) + "preview.png\"";
}

const char kQuestion[] =
    "\nPreparing preview....Done.\n\n\nAre you satisfied with the result?\n\n1: No\n2: Yes "
    "(Default)\n:";

class PreviewTest : public DialogueTest {
 protected:
  PreviewTest() {
    compute_modulation(settings_);
    settings_.global_brightness = 10.0f;
    settings_.global_contrast = -20.0f;
    settings_.global_hue = 50.0f;
  }
};

TEST_F(PreviewTest, SingleColourMakesOneImageFromTheSinglePreview) {
  settings_.design_choice = kCustomSingle;
  feed("\n");
  EXPECT_TRUE(make_preview(settings_));
  EXPECT_EQ(kQuestion, printed());
  std::vector<std::string> expected = {
      "copy /y .\\skindata\\singlepreview.png .\\skindata\\temp\\CS1preview.png >NUL",
      section_command(1), ".\\skindata\\temp\\CS1preview.png"};
  EXPECT_EQ(expected, commands());

  // With global adjustments the global command follows the section command,
  // advanced options included.
  settings_.global_adjust = 2;
  std::strcpy(settings_.advanced_options, "-sharpen 0x1");
  recorded_commands().clear();
  feed("1\n");
  EXPECT_FALSE(make_preview(settings_));
  ASSERT_EQ(4u, commands().size());
  EXPECT_EQ(section_command(1), commands()[1]);
  EXPECT_EQ(global_command("-sharpen 0x1", 1), commands()[2]);
  EXPECT_EQ(".\\skindata\\temp\\CS1preview.png", commands()[3]);
}

TEST_F(PreviewTest, MulticolourMakesFourCompleteGroupsInSectionOrder) {
  settings_.design_choice = kCustomMulti;
  settings_.global_adjust = 2;
  feed("2 please\n");
  EXPECT_TRUE(make_preview(settings_));
  ASSERT_EQ(16u, commands().size());
  for (int section = 1; section <= 4; ++section) {
    std::string tag = "CS" + std::to_string(section);
    const std::string* group = &commands()[(section - 1) * 4];
    EXPECT_EQ("copy /y .\\skindata\\" + tag + "preview.png .\\skindata\\temp\\" + tag +
                  "preview.png >NUL",
              group[0]);
    EXPECT_EQ(section_command(section), group[1]);
    EXPECT_EQ(global_command("", section), group[2]);  // empty options: two blanks
    EXPECT_EQ(".\\skindata\\temp\\" + tag + "preview.png", group[3]);
  }
}

TEST_F(PreviewTest, OnlyAnAnswerOfTwoOrNoNumberAccepts) {
  settings_.design_choice = kCustomSingle;
  for (const char* accepted : {"\n", "2\n", "2abc\n", "yes\n"}) {
    feed(accepted);
    EXPECT_TRUE(make_preview(settings_)) << accepted;
  }
  for (const char* refused : {"1\n", "0\n", "3\n", "-2\n"}) {
    feed(refused);
    EXPECT_FALSE(make_preview(settings_)) << refused;
  }
  feed("");  // end of input accepts, so the loop cannot spin
  EXPECT_TRUE(make_preview(settings_));
}

}  // namespace
