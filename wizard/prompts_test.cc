#include "wizard/prompts.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "tests/test_support.h"

namespace {

TEST(Conversions, IntegerAnswers) {
  struct Case {
    const char* line;
    bool converts;
    int32_t value;
  } cases[] = {
      {"255abc\n", true, 255}, {" 7\n", true, 7},   {"-12\n", true, -12}, {"+5\n", true, 5},
      {"3.9\n", true, 3},      {"0x20\n", true, 0}, {"abc\n", false, 0},  {"\n", false, 0},
      {"   \n", false, 0},     {"- 4\n", false, 0}, {"", false, 0},
  };
  for (const Case& c : cases) {
    int32_t field = 99;
    EXPECT_EQ(c.converts, convert_int(c.line, &field)) << c.line;
    EXPECT_EQ(c.converts ? c.value : 99, field) << c.line;
  }
}

TEST(Conversions, DecimalAnswers) {
  struct Case {
    const char* line;
    bool converts;
    float value;
  } cases[] = {
      {"-12.5\n", true, -12.5f}, {"1e1\n", true, 10.0f}, {".5\n", true, 0.5f},
      {"7.\n", true, 7.0f},      {"1e\n", true, 1.0f},   {"  -3e-1 x\n", true, -0.3f},
      {"0x20\n", true, 0.0f},    {".\n", false, 0.0f},   {"\n", false, 0.0f},
      {"inf\n", false, 0.0f},
  };
  for (const Case& c : cases) {
    float field = 42.0f;
    EXPECT_EQ(c.converts, convert_float(c.line, &field)) << c.line;
    EXPECT_FLOAT_EQ(c.converts ? c.value : 42.0f, field) << c.line;
  }
}

using PromptTest = DialogueTest;

TEST_F(PromptTest, MenuMarksTheFieldsRowAndKeepsItOnEnter) {
  const char* labels[] = {"No", "Yes"};
  int32_t field = 2;
  feed("\n");
  ask_menu(labels, 2, &field);
  EXPECT_EQ("1: No\n2: Yes (default)\n: ", printed());
  EXPECT_EQ(2, field);

  field = 0;  // a value that names no row marks none
  feed("1\n");
  ask_menu(labels, 2, &field);
  EXPECT_EQ("1: No\n2: Yes\n: ", printed());
  EXPECT_EQ(1, field);
}

// A number that names no row is refused, with one line and the prompt
// again, until a row's number, ENTER, text or the end of input; the fixed
// yes/no blocks too. Numeric questions take any number.
TEST_F(PromptTest, MenusAcceptOnlyTheirRows) {
  const std::string refused = "Please answer with a number from 1 to ";
  const char* labels[] = {"One", "Two", "Three"};
  const std::string rows = "1: One\n2: Two (default)\n3: Three\n: ";
  struct Case {
    std::string answers;
    int32_t field;  // after the answers, from 2
    int refusals;
  } cases[] = {
      {"4\n3\n", 3, 1},
      {"0\n-1\n1x\n", 1, 2},
      {"99999999999\n\n", 2, 1},
      {"17\nabc\n", 2, 1},
      {"+3\n", 3, 0},
      {"9", 2, 1},                                      // end of input at the re-ask
      {"9" + std::string(600, ' ') + "1\n3\n", 3, 1},  // a refused line is dropped whole
  };
  for (const Case& c : cases) {
    int32_t field = 2;
    feed(c.answers);
    ask_menu(labels, 3, &field);
    std::string again;
    for (int i = 0; i < c.refusals; ++i) again += refused + "3.\n: ";
    EXPECT_EQ(rows + again, printed()) << c.answers;
    EXPECT_EQ(c.field, field) << c.answers;
  }

  const std::string preview = "\n\nAre you satisfied with the result?\n\n1: No\n2: Yes (Default)\n:";
  const std::string save =
      "Would you like to save this skin as a preset?:\n\n1: No (Default)\n2: Yes\n: ";
  struct Block {
    bool preview;
    const char* answers;
    bool yes;
    int refusals;
  } blocks[] = {
      {true, "\n", true, 0},     {true, "2 please\n", true, 0}, {true, "yes\n", true, 0},
      {true, "", true, 0},       {true, "1\n", false, 0},       {true, "3\n0\n\n", true, 2},
      {true, "-2\n1\n", false, 1}, {false, "\n", false, 0},      {false, "2\n", true, 0},
      {false, "3\n\n", false, 1}, {false, "0\n2\n", true, 1},   {false, "5", false, 1},
  };
  for (const Block& b : blocks) {
    feed(b.answers);
    EXPECT_EQ(b.yes, b.preview ? ask_preview_accepted() : ask_save_wanted()) << b.answers;
    std::string expected = b.preview ? preview : save;
    for (int i = 0; i < b.refusals; ++i) expected += refused + (b.preview ? "2.\n:" : "2.\n: ");
    EXPECT_EQ(expected, printed()) << b.answers;
  }

  int32_t amount = 7;
  feed("300\n");
  ask_int("%d", &amount);
  EXPECT_EQ(300, amount);
  printed();
}

TEST_F(PromptTest, TextAnswers) {
  char field[16] = "old";
  feed("\n \nnew text\n");
  EXPECT_FALSE(ask_text("Name (Default = %s): ", field, sizeof field));
  EXPECT_STREQ("old", field);
  EXPECT_TRUE(ask_text("%s", field, sizeof field));
  EXPECT_STREQ(" ", field);                // one blank is how a text is cleared
  EXPECT_FALSE(ask_text("%s", field, 4));  // "new text" does not fit: never cut
  EXPECT_STREQ(" ", field);
  EXPECT_EQ("Name (Default = old): old ", printed());
}

TEST_F(PromptTest, LongLineIsReadInPiecesAndEndOfInputActsAsEnter) {
  int32_t first = 3;
  int32_t second = 4;
  int32_t untouched = 8;
  char text[32] = "keep";
  feed("12" + std::string(598, 'x') + "\nlast");
  ask_int("%d", &first);
  EXPECT_EQ(511u, std::strlen(answer_line()));
  ask_int("%d", &second);  // the 89 characters left over answer this question
  EXPECT_EQ(std::string(89, 'x') + "\n", answer_line());
  EXPECT_TRUE(ask_text("%s", text, sizeof text));
  EXPECT_FALSE(input_closed());
  ask_int("%d", &untouched);
  EXPECT_TRUE(input_closed());
  EXPECT_FALSE(ask_text("%s", text, sizeof text));
  ask_menu(nullptr, 0, &untouched);
  EXPECT_EQ(12, first);
  EXPECT_EQ(4, second);
  EXPECT_STREQ("last", text);  // a last line without a newline keeps its last letter
  EXPECT_EQ(8, untouched);
}

// An answer file saved on Windows reads exactly as one with "\n" line
// ends: every "\r" before a line end goes, also when it is the last
// character that fits a piece, and at the end of input.
TEST_F(PromptTest, WindowsLineEndsReadAsPlainOnes) {
  std::string padded = std::string(510, 'a');
  feed("My Skin\r\n7\r\n" + padded + "\r\n\r\nlast\r");
  char name[600] = "old";
  int32_t number = 0;
  EXPECT_TRUE(ask_text("%s", name, sizeof name));
  EXPECT_STREQ("My Skin", name);
  ask_int("%d", &number);
  EXPECT_STREQ("7\n", answer_line());
  EXPECT_TRUE(ask_text("%s", name, sizeof name));  // 510 letters and "\r": one whole line
  EXPECT_EQ(padded, name);
  EXPECT_FALSE(answer_was_cut());
  EXPECT_FALSE(ask_text("%s", name, sizeof name));  // the empty line after it, as ENTER
  EXPECT_TRUE(ask_text("%s", name, sizeof name));
  EXPECT_STREQ("last", name);
  printed();
}

TEST(Printable, ControlCharactersAndBrokenCharactersShowAsQuestionMarks) {
  struct Case {
    const char* text;
    const char* shown;
  } cases[] = {
      {"Ocean Blue", "Ocean Blue"},
      {"Clear\x1b[2J\x07", "Clear?[2J?"},
      {"tab\there\x7f", "tab?here?"},
      {"Caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x8e\xb9", "Caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x8e\xb9"},
      {"c1 \xc2\x9b control", "c1 ?? control"},  // CSI as a UTF-8 character
      {"lone \x9b and \xc3", "lone ? and ?"},    // bytes of no character
      {"overlong \xc0\xaf", "overlong ??"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.shown, printable(c.text)) << c.text;
}

}  // namespace
