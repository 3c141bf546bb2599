#include "color/preview.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "color/modulation.h"
#include "wizard/dialogue_test_support.h"

namespace {

const char kSection1[] =
    ".\\skindata\\mogrify -quality 80 -type TrueColorAlpha -define modulate:colorspace=HSB "
    "-modulate 100,100.855583,100.015656 \".\\skindata\\temp\\CS1preview.png\"";

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
  void SetUp() override {
    DialogueTest::SetUp();
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
      kSection1,
      ".\\skindata\\temp\\CS1preview.png",
  };
  EXPECT_EQ(expected, commands());

  // With global adjustments the global command follows the section command,
  // advanced options included.
  settings_.global_adjust = 2;
  std::strcpy(settings_.advanced_options, "-sharpen 0x1");
  recorded_commands().clear();
  feed("1\n");
  EXPECT_FALSE(make_preview(settings_));
  ASSERT_EQ(4u, commands().size());
  EXPECT_EQ(kSection1, commands()[1]);
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
    char section_command[kCommandBufferSize];
    format_section_command(section_command, section_color(settings_, section), "skindata\\temp",
                           (tag + "preview.png").c_str());
    EXPECT_EQ(section_command, group[1]);
    EXPECT_EQ(global_command("", section), group[2]);  // empty options: two blanks
    EXPECT_EQ(".\\skindata\\temp\\" + tag + "preview.png", group[3]);
  }
  EXPECT_NE(std::string::npos, commands()[5].find("-modulate 100,96.669373,0.148933 "));
}

TEST_F(PreviewTest, OnlyAnAnswerOfTwoOrNoNumberAccepts) {
  settings_.design_choice = kCustomSingle;
  struct Case {
    const char* answer;
    bool accepted;
  } cases[] = {{"\n", true},   {"2\n", true},  {"2abc\n", true}, {"yes\n", true},
               {"1\n", false}, {"0\n", false}, {"3\n", false},   {"-2\n", false}};
  for (const Case& c : cases) {
    feed(c.answer);
    EXPECT_EQ(c.accepted, make_preview(settings_)) << c.answer;
  }
  feed("");  // end of input accepts, so the loop cannot spin
  EXPECT_TRUE(make_preview(settings_));
}

}  // namespace
