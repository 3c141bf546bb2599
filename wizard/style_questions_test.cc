#include "wizard/style_questions.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <string>
#include <vector>

#include "platform/answer_input.h"
#include "platform/interruption.h"
#include "tests/test_support.h"

namespace {

std::string overlay(const char* group, const char* folder, const char* skin) {
  return std::string("xcopy /y /q /e \".\\skindata\\") + group + "\\" + folder +
         "\\Images\" \".\\" + skin + "\\Images\\\" >NUL";
}

const char kMultiStyleScreens[] =
    "Choose a knob style:\n"
    "1: Massive X Style (default)\n2: Bazille Dazo Style\n3: Bitwig Style\n4: Dune Style\n"
    "5: Factory Style\n6: Dazo Style\n7: Live Style\n8: Phase Plant Style\n9: ZebraHZ Style\n"
    "10: Rapid Style\n11: DrumComputer Color Style\n12: DrumComputer Dark Style\n"
    "13: SimpleSquare Style\n14: SimpleCircle Style\n15: SimpleRing Style\n16: Trimmer Style\n: "
    "Choose a lock icon style:\n"
    "1: Pause symbol (default)\n2: Dot\n3: Hero\n4: Key\n5: \"No\" symbol\n6: Stop sign\n"
    "7: Vantrelo Lock\n8: Korvel Lock\n9: Pause symbol filled\n: "
    "Choose a arp icon style:\n"
    "1: Korvel Clarity (default)\n2: U-he Standard\n3: Dice Standard\n: "
    "Should the EQ be multicolored or only the effects section color?:\n"
    "1: Theme-based multicolor (default)\n2: Effects color only\n: "
    "SIDEBAR BRIGHTNESS\nWhat should the brightness of the module sidebars be?:\n"
    "Sidebar brightness (0-255) (Default = 63): "
    "\nSIDEBAR WIDTH\nWhat should the width of the module sidebars be?:\n"
    "Sidebar width (Default = 2): "
    "\nSIDEBAR COLOR\n"
    "Should the sidebars be the same color as the applicable section or the Selection Color?:\n"
    "1: Color of applicable section (default)\n2: Selection Color\n: "
    "Should tabs (main tab, bottom tab, etc.) be the same color as the applicable section or the "
    "Selection Color?:\n"
    "1: Color of applicable section (default)\n2: Selection Color\n: "
    "Use quintaris's \"flow\" mod (replace certain colors with the Selection Color?):\n\n"
    "1: No (default)\n2: Yes\n: ";

class StyleQuestionsTest : public DialogueTest {
 protected:
  StyleQuestionsTest() { settings_ = design_settings(kCustomMulti); }
  // The commands without the screen clearing.
  std::vector<std::string> copies() const {
    std::vector<std::string> lines;
    for (const std::string& line : commands()) {
      if (line != "cls") lines.push_back(line);
    }
    return lines;
  }
};

TEST_F(StyleQuestionsTest, EnterEverywhereKeepsTheDefaultsAndCopiesTheDefaultKnob) {
  feed(std::string(9, '\n'));
  ask_style_questions(settings_);
  EXPECT_EQ(kMultiStyleScreens, printed());
  EXPECT_EQ(7, static_cast<int>(commands().size() - copies().size()));  // a screen per question
  std::vector<std::string> expected = {overlay("Knobs", "Massive X Style", "Korvel Dazo Custom")};
  EXPECT_EQ(expected, copies());
  SkinSettings defaults = design_settings(kCustomMulti);
  EXPECT_EQ(0, std::memcmp(&defaults, &settings_, sizeof defaults));
}

// A number outside a menu is asked again and lays no overlay; the sidebar
// amounts take any number.
TEST_F(StyleQuestionsTest, ChosenStylesCopyTheirOverlaysAndOtherAnswersAreStored) {
  std::strcpy(settings_.skin_name, "My Skin");
  feed("17\n5\n0\n5\n4\n3\n3\n2\n200\n3.5\n-1\n2\n9\n2\n0\n2\n");
  EXPECT_TRUE(ask_style_questions(settings_));
  const std::string text = printed();
  for (const char* refusal : {": Please answer with a number from 1 to 16.\n: ",
                              ": Please answer with a number from 1 to 9.\n: ",
                              ": Please answer with a number from 1 to 3.\n: "}) {
    EXPECT_EQ(1u, count_of(text, refusal)) << refusal;
  }
  EXPECT_EQ(4u, count_of(text, "Please answer with a number from 1 to 2.\n: "));
  std::vector<std::string> expected = {overlay("Knobs", "Factory Style", "My Skin"),
                                       overlay("LockIcons", "No Sign", "My Skin"),
                                       overlay("AltArp", "Dice", "My Skin")};
  EXPECT_EQ(expected, copies());
  EXPECT_EQ(2, settings_.eq_color_mode);
  EXPECT_EQ(200, settings_.sidebar_brightness);
  EXPECT_FLOAT_EQ(3.5f, settings_.sidebar_width);
  EXPECT_EQ(2, settings_.sidebar_color_mode);
  EXPECT_EQ(2, settings_.tab_color_mode);
  EXPECT_EQ(2, settings_.flow_mod);
}

// Asked while the previous skin is held aside: an interruption at the knob
// question lays no overlay, shows no later screen, and is told.
TEST_F(StyleQuestionsTest, AnInterruptionStopsTheQuestions) {
  feed("5\n5\n");
  watch_interruptions();
  note_interruption(SIGTERM);
  EXPECT_FALSE(ask_style_questions(settings_));
  stop_watching_interruptions();
  watch_interruptions();  // a new watch forgets the signal noted
  stop_watching_interruptions();
  EXPECT_TRUE(answers_interrupted());
  const std::string screens = kMultiStyleScreens;
  EXPECT_EQ(screens.substr(0, screens.find("Choose a lock")), printed());
  EXPECT_TRUE(commands().empty());  // not even the screen is cleared
  EXPECT_EQ(1, settings_.knob_style);
}

TEST_F(StyleQuestionsTest, TheSingleColourEqQuestionDefaultsToTheMainColour) {
  settings_.design_choice = kCustomSingle;
  settings_.eq_color_mode = 1;
  feed(std::string(10, '\n'));
  ask_style_questions(settings_);
  EXPECT_NE(std::string::npos,
            printed().find("Should the EQ be multicolored or only the main color?:\n"
                           "1: Standard multicolor\n2: Main color only (default)\n: "));
  EXPECT_EQ(2, settings_.eq_color_mode);
}

TEST_F(StyleQuestionsTest, NameQuestionRefusesUnsafeNamesAndAsksAgain) {
  feed("..\n" + std::string(600, 'n') + "\nskindata\nMy  Skin\n");
  ask_skin_name(settings_);
  const std::string again = "(Default = Korvel Dazo Custom)\n: ";
  EXPECT_EQ("What would you like to name the skin?\n\n" + again +
                "\".\" and \"..\" name existing folders; please choose another name.\n" + again +
                "That name is longer than 255 characters; please choose a shorter one.\n" + again +
                "skindata and Presets are the program's own folders; please choose another "
                "name.\n" +
                again,
            printed());
  EXPECT_EQ(std::vector<std::string>{"cls"}, commands());
  EXPECT_STREQ("My  Skin", settings_.skin_name);

  feed("\n");  // ENTER keeps a usable default
  ask_skin_name(settings_);
  EXPECT_STREQ("My  Skin", settings_.skin_name);
}

}  // namespace
