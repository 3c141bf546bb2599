#include "wizard/colour_questions.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <string>
#include <vector>

#include "tests/test_support.h"

namespace {

// The heading and explanation of one colour group.
std::string group(const std::string& heading, const std::string& word) {
  return heading + " COLOR\n\nPlease enter amount of each color component of the targeted " + word +
         " color.\n\n";
}

const char kNotes[] =
    "NOTE: The actual skin color may vary from what is input.\n"
    "      You will have an opportunity to preview the skin before it is finalized.\n"
    "      For help finding a good color, see "
    "https://www.rapidtables.com/web/color/RGB_Color.html\n\n";

std::string rgb_prompts(int red, int green, int blue) {
  return "Red amount (0-255) (Default = " + std::to_string(red) +
         "): Green amount (0-255) (Default = " + std::to_string(green) +
         "): Blue amount (0-255) (Default = " + std::to_string(blue) + "): ";
}

const std::string kSelection = "\n\n\n" + group("SELECTION", "selection") +
                               "NOTE: Selection color does not appear in preview and will not be "
                               "effected by any global image adjustments.\n\n" +
                               rgb_prompts(216, 99, 62);

const char kGlobalMenu[] =
    "GLOBAL IMAGE ADJUSTMENTS\n"
    "Do you wish to make global image adjustments to the skin?\n\n"
    "NOTE: Global adjustments add significantly to the time required to build the skin\n"
    "      and may cause actual colors to deviate substantially from those selected.\n\n"
    "1: No (default)\n2: Yes\n: ";

const char kOptionsNote[] =
    "\n\nADVANCED OPTIONS\n\n"
    "Please enter any advanced processing options to apply to the skin:\n\n"
    "NOTE: See https://imagemagick.org/script/command-line-options.php for a list of available\n"
    "      options. It is recommended to avoid using -brightness-contrast or -modulate, as those\n"
    "      will conflict with other adjustments applied by this program. To accept the default\n"
    "      hit ENTER. To clear the settings, input a SPACE and press ENTER.\n\n";

// One global adjustment question.
std::string adjustment(const std::string& heading, const std::string& word,
                       const std::string& default_value) {
  return "GLOBAL " + heading + "\n\nPlease enter amount of global " + word +
         " adjustment to make to the skin:\n\n" + static_cast<char>(std::toupper(word[0])) +
         word.substr(1) + " Adjustment (-100 to +100) (Default = " + default_value + "): ";
}

using ColourQuestionsTest = DialogueTest;

TEST_F(ColourQuestionsTest, SingleColourAsksTheMainColourOnlyAndRecomputesEverySection) {
  settings_.design_choice = kCustomSingle;
  settings_.cs2.modulate_hue = 5.0f;  // stale values from a preset never survive
  feed("255\n0\n0\n1\n2\n3\n\n");
  ask_colour_questions(settings_);
  EXPECT_EQ(group("MAIN", "main") + kNotes + rgb_prompts(87, 151, 236) + kSelection + kGlobalMenu,
            printed());
  // One cleared screen before the colours, one before the menu.
  EXPECT_EQ((std::vector<std::string>{"cls", "cls"}), commands());
  EXPECT_EQ(255, settings_.cs1.red);
  EXPECT_EQ(233, settings_.cs2.red);  // not asked, and not copied from the main colour
  EXPECT_EQ(3, settings_.sel_blue);
  EXPECT_FLOAT_EQ(-19.0f, settings_.cs1.modulate_hue);
  EXPECT_NEAR(0.148933, settings_.cs2.modulate_hue, 1e-5);
}

TEST_F(ColourQuestionsTest, MulticolourAsksFourSectionsThenTheAdjustmentsInTheirOrder) {
  settings_.design_choice = kCustomMulti;
  settings_.global_contrast = 12.5f;
  std::strcpy(settings_.advanced_options, "-old");
  feed(std::string(15, '\n') + "2\n10\n\n30\n-40.5\n-sharpen 0x1\n");
  ask_colour_questions(settings_);
  EXPECT_EQ(group("GENERATOR", "generator") + kNotes + rgb_prompts(87, 151, 236) + "\n\n\n" +
                group("MODULATORS", "modulators") + kNotes + rgb_prompts(233, 173, 92) + "\n\n\n" +
                group("EFFECTS", "effects") + kNotes + rgb_prompts(60, 216, 134) + "\n\n\n" +
                group("GLOBALS", "globals") + kNotes + rgb_prompts(221, 221, 221) + kSelection +
                kGlobalMenu + adjustment("BRIGHTNESS", "brightness", "0") + "\n\n" +
                adjustment("CONTRAST", "contrast", "12.5") + "\n\n" +
                adjustment("SATURATION", "saturation", "0") + "\n\n" +
                adjustment("HUE", "hue", "0") + kOptionsNote +
                "Advanced Options (Default = \"-old\"): ",
            printed());
  EXPECT_EQ(3u, commands().size());  // colours, menu, adjustments each on a fresh screen
  EXPECT_EQ(2, settings_.global_adjust);
  EXPECT_FLOAT_EQ(10.0f, settings_.global_brightness);
  EXPECT_FLOAT_EQ(12.5f, settings_.global_contrast);
  EXPECT_FLOAT_EQ(30.0f, settings_.global_saturation);
  EXPECT_FLOAT_EQ(-40.5f, settings_.global_hue);
  EXPECT_STREQ("-sharpen 0x1", settings_.advanced_options);
}

TEST_F(ColourQuestionsTest, ACodeOrThreeAmountsAtRedSetAllThreeAndBecomeTheDefaults) {
  settings_.design_choice = kCustomMulti;
  // Generators by code, green then changed; modulators by a short code;
  // effects by a code without "#", which is the number 3; globals by a code
  // that is not one, which keeps the default; the selection by two amounts,
  // asked again, then by three.
  feed("#3C3C46\n7\n\n#fa0\n\n\n3C3C46\n\n\n#3C3C4\n\n\n1,200\n 1, 200 238 \n\n\n");
  ask_colour_questions(settings_);
  std::string text = printed();
  EXPECT_EQ(1u, count_of(text,
                         "Red amount (0-255) (Default = 216): Please answer with one amount, "
                         "three amounts from 0 to 255 such as 238,171,1, or a colour code such as "
                         "#EEAB01.\nRed amount (0-255) (Default = 216): Green amount (0-255) "
                         "(Default = 200): Blue amount (0-255) (Default = 238): "))
      << text;
  EXPECT_EQ(1u, count_of(text,
                         "Red amount (0-255) (Default = 87): Green amount (0-255) (Default = "
                         "60): Blue amount (0-255) (Default = 70): "));
  EXPECT_EQ(1u, count_of(text,
                         "Red amount (0-255) (Default = 233): Green amount (0-255) (Default "
                         "= 170): Blue amount (0-255) (Default = 0): "));
  EXPECT_EQ(1u, count_of(text, rgb_prompts(60, 216, 134) + "\n"));
  EXPECT_EQ(1u, count_of(text, rgb_prompts(221, 221, 221) + "\n"));
  EXPECT_EQ((std::vector<int32_t>{60, 7, 70, 255, 170, 0, 3, 216, 134, 221, 221, 221, 1, 200, 238}),
            (std::vector<int32_t>{settings_.cs1.red, settings_.cs1.green, settings_.cs1.blue,
                                  settings_.cs2.red, settings_.cs2.green, settings_.cs2.blue,
                                  settings_.cs3.red, settings_.cs3.green, settings_.cs3.blue,
                                  settings_.cs4.red, settings_.cs4.green, settings_.cs4.blue,
                                  settings_.sel_red, settings_.sel_green, settings_.sel_blue}));
  // The modulation follows the colours the codes gave.
  EXPECT_NEAR((40.0 - 214.2) * 100 / 180 + 100, settings_.cs2.modulate_hue, 1e-4);
}

TEST_F(ColourQuestionsTest, AdvancedOptionsKeepClearRefuseAndEndOfInput) {
  std::strcpy(settings_.skin_name, "Skin");
  std::strcpy(settings_.advanced_options, "-old");
  feed("\n \na&b\n-write x.png\n-blur 0x2\n");
  ask_advanced_options(settings_);
  EXPECT_STREQ("-old", settings_.advanced_options);  // ENTER keeps
  ask_advanced_options(settings_);
  EXPECT_STREQ(" ", settings_.advanced_options);  // a SPACE clears
  ask_advanced_options(settings_);                // two refusals, then a good text
  EXPECT_STREQ("-blur 0x2", settings_.advanced_options);
  EXPECT_EQ(
      "Advanced Options (Default = \"-old\"): "
      "Advanced Options (Default = \"-old\"): "
      "Advanced Options (Default = \" \"): "
      "Advanced options cannot hold & | < > ^ % or a double quote.\n"
      "Advanced Options (Default = \" \"): "
      "Advanced options cannot make the image tool write or delete files (-write, +write, "
      "-path, ephemeral:, msl:, registry:, ..).\n"
      "Advanced Options (Default = \" \"): ",
      printed());

  // A text far too long is refused whole, and its rest is not read as the next answer.
  feed(std::string(700, 'x') + "\n-blur 0x3\n");
  ask_advanced_options(settings_);
  EXPECT_STREQ("-blur 0x3", settings_.advanced_options);
  EXPECT_NE(std::string::npos, printed().find("longer than 511 characters"));

  // An unusable default at end of input is cleared.
  std::strcpy(settings_.advanced_options, "a&b");
  feed("");
  ask_advanced_options(settings_);
  EXPECT_STREQ("", settings_.advanced_options);
  EXPECT_NE(std::string::npos, printed().find("Input has ended: the advanced options above "
                                              "cannot be used and were cleared.\n"));
}

}  // namespace
