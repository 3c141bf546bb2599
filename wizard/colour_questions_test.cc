#include "wizard/colour_questions.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "wizard/dialogue_test_support.h"

namespace {

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

const char kSelection[] =
    "\n\n\nSELECTION COLOR\n\n"
    "Please enter amount of each color component of the targeted selection color.\n\n"
    "NOTE: Selection color does not appear in preview and will not be effected by any global "
    "image adjustments.\n\n";

const char kGlobalMenu[] =
    "GLOBAL IMAGE ADJUSTMENTS\n"
    "Do you wish to make global image adjustments to the skin?\n\n"
    "NOTE: Global adjustments add significantly to the time required to build the skin\n"
    "      and may cause actual colors to deviate substantially from those selected.\n\n";

const char kOptionsNote[] =
    "\n\nADVANCED OPTIONS\n\n"
    "Please enter any advanced processing options to apply to the skin:\n\n"
    "NOTE: See https://imagemagick.org/script/command-line-options.php for a list of available\n"
    "      options. It is recommended to avoid using -brightness-contrast or -modulate, as those\n"
    "      will conflict with other adjustments applied by this program. To accept the default\n"
    "      hit ENTER. To clear the settings, input a SPACE and press ENTER.\n\n";

class ColourQuestionsTest : public DialogueTest {};

TEST_F(ColourQuestionsTest, SingleColourAsksTheMainColourOnlyAndRecomputesEverySection) {
  settings_.design_choice = kCustomSingle;
  settings_.cs2.modulate_hue = 5.0f;  // stale values from a preset never survive
  feed("255\n0\n0\n1\n2\n3\n\n");
  ask_colour_questions(settings_);
  std::string expected = std::string("MAIN COLOR\n\n") +
                         "Please enter amount of each color component of the targeted main "
                         "color.\n\n" +
                         kNotes + rgb_prompts(87, 151, 236) + kSelection +
                         rgb_prompts(216, 99, 62) + kGlobalMenu + "1: No (default)\n2: Yes\n: ";
  EXPECT_EQ(expected, printed());
  ASSERT_EQ(2u, commands().size());  // one cleared screen before the colours, one before the menu
  EXPECT_EQ("cls", commands()[0]);
  EXPECT_EQ("cls", commands()[1]);
  EXPECT_EQ(255, settings_.cs1.red);
  EXPECT_EQ(0, settings_.cs1.blue);
  EXPECT_EQ(233, settings_.cs2.red);  // not asked, and not copied from the main colour
  EXPECT_EQ(1, settings_.sel_red);
  EXPECT_EQ(3, settings_.sel_blue);
  EXPECT_FLOAT_EQ(-19.0f, settings_.cs1.modulate_hue);
  EXPECT_NEAR(159.744415, settings_.cs1.modulate_saturation, 1e-5);
  EXPECT_NEAR(0.148933, settings_.cs2.modulate_hue, 1e-5);
  EXPECT_EQ(1, settings_.global_adjust);
}

TEST_F(ColourQuestionsTest, MulticolourAsksFourSectionsThenTheAdjustmentsInTheirOrder) {
  settings_.design_choice = kCustomMulti;
  settings_.global_contrast = 12.5f;
  std::strcpy(settings_.advanced_options, "-old");
  std::string colours(15, '\n');
  feed(colours + "2\n10\n\n30\n-40.5\n-sharpen 0x1\n");
  ask_colour_questions(settings_);
  std::string out = printed();
  size_t generator = out.find(
      "GENERATOR COLOR\n\nPlease enter amount of each color component of "
      "the targeted generator color.\n\n");
  size_t modulators = out.find("\n\n\nMODULATORS COLOR\n\n");
  size_t effects = out.find("\n\n\nEFFECTS COLOR\n\n");
  size_t globals = out.find(
      "\n\n\nGLOBALS COLOR\n\nPlease enter amount of each color component "
      "of the targeted globals color.\n\n");
  size_t selection = out.find(kSelection);
  EXPECT_EQ(0u, generator);
  EXPECT_LT(generator, modulators);
  EXPECT_LT(modulators, effects);
  EXPECT_LT(effects, globals);
  EXPECT_LT(globals, selection);
  EXPECT_NE(std::string::npos, out.find(rgb_prompts(221, 221, 221)));
  std::string adjustments =
      std::string(kGlobalMenu) + "1: No (default)\n2: Yes\n: " +
      "GLOBAL BRIGHTNESS\n\nPlease enter amount of global brightness adjustment to make to the "
      "skin:\n\nBrightness Adjustment (-100 to +100) (Default = 0): "
      "\n\nGLOBAL CONTRAST\n\nPlease enter amount of global contrast adjustment to make to the "
      "skin:\n\nContrast Adjustment (-100 to +100) (Default = 12.5): "
      "\n\nGLOBAL SATURATION\n\nPlease enter amount of global saturation adjustment to make to "
      "the skin:\n\nSaturation Adjustment (-100 to +100) (Default = 0): "
      "\n\nGLOBAL HUE\n\nPlease enter amount of global hue adjustment to make to the "
      "skin:\n\nHue Adjustment (-100 to +100) (Default = 0): " +
      kOptionsNote + "Advanced Options (Default = \"-old\"): ";
  ASSERT_LT(selection, out.size());
  EXPECT_EQ(adjustments, out.substr(out.find(kGlobalMenu)));
  EXPECT_EQ(3u, commands().size());  // colours, menu, adjustments each on a fresh screen
  EXPECT_EQ(2, settings_.global_adjust);
  EXPECT_FLOAT_EQ(10.0f, settings_.global_brightness);
  EXPECT_FLOAT_EQ(12.5f, settings_.global_contrast);
  EXPECT_FLOAT_EQ(30.0f, settings_.global_saturation);
  EXPECT_FLOAT_EQ(-40.5f, settings_.global_hue);
  EXPECT_STREQ("-sharpen 0x1", settings_.advanced_options);
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
