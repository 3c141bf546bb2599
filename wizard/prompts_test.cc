#include "wizard/prompts.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "assembly/commands.h"

namespace {

std::vector<std::string> recorded;
void record(const char* line) {
  recorded.push_back(line);
}

// Feeds the given text as standard input and captures what the questions
// print; commands (the screen clearing) are recorded, not run.
class PromptTest : public ::testing::Test {
 protected:
  void SetUp() override {
    recorded.clear();
    previous_ = set_command_runner(record);
  }
  void TearDown() override {
    set_command_runner(previous_);
    set_answer_input(nullptr);
    if (input_ != nullptr) std::fclose(input_);
  }
  void feed(const std::string& text) {
    text_ = text;
    input_ = fmemopen(&text_[0], text_.size(), "r");
    set_answer_input(input_);
  }

  std::string text_;
  FILE* input_ = nullptr;
  CommandRunner previous_ = nullptr;
};

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
      {"7.\n", true, 7.0f},      {"1e\n", true, 1.0f},   {"12abc\n", true, 12.0f},
      {"0x20\n", true, 0.0f},    {".\n", false, 0.0f},   {"abc\n", false, 0.0f},
      {"\n", false, 0.0f},       {"inf\n", false, 0.0f}, {"  -3e-1 x\n", true, -0.3f},
  };
  for (const Case& c : cases) {
    float field = 42.0f;
    EXPECT_EQ(c.converts, convert_float(c.line, &field)) << c.line;
    EXPECT_FLOAT_EQ(c.converts ? c.value : 42.0f, field) << c.line;
  }
}

TEST_F(PromptTest, MenuMarksTheFieldsRowAndKeepsItOnEnter) {
  const char* labels[] = {"No", "Yes"};
  feed("\n5\n");
  int32_t field = 2;
  testing::internal::CaptureStdout();
  ask_menu(labels, 2, &field);
  EXPECT_EQ("1: No\n2: Yes (default)\n: ", testing::internal::GetCapturedStdout());
  EXPECT_EQ(2, field);

  field = 0;  // a value that names no row marks none, and is replaced as typed
  testing::internal::CaptureStdout();
  ask_menu(labels, 2, &field);
  EXPECT_EQ("1: No\n2: Yes\n: ", testing::internal::GetCapturedStdout());
  EXPECT_EQ(5, field);
}

TEST_F(PromptTest, TextAnswers) {
  feed("\n \nnew text\n");
  char field[16] = "old";
  testing::internal::CaptureStdout();
  EXPECT_FALSE(ask_text("Name (Default = %s): ", field, sizeof field));
  EXPECT_EQ("Name (Default = old): ", testing::internal::GetCapturedStdout());
  EXPECT_STREQ("old", field);
  testing::internal::CaptureStdout();
  EXPECT_TRUE(ask_text("%s", field, sizeof field));
  EXPECT_STREQ(" ", field);                // one blank is how a text is cleared
  EXPECT_FALSE(ask_text("%s", field, 4));  // "new text" does not fit: never cut
  EXPECT_STREQ(" ", field);
  testing::internal::GetCapturedStdout();
}

TEST_F(PromptTest, LongLineIsReadInPiecesAndEndOfInputActsAsEnter) {
  feed("12" + std::string(598, 'x') + "\nlast");
  int32_t first = 3;
  int32_t second = 4;
  char text[32] = "keep";
  testing::internal::CaptureStdout();
  ask_int("%d", &first);
  EXPECT_EQ(511u, std::strlen(answer_line));
  ask_int("%d", &second);  // the 89 characters left over answer this question
  EXPECT_EQ(std::string(89, 'x') + "\n", answer_line);
  EXPECT_TRUE(ask_text("%s", text, sizeof text));
  EXPECT_FALSE(input_closed());
  int32_t untouched = 8;
  ask_int("%d", &untouched);
  EXPECT_TRUE(input_closed());
  EXPECT_FALSE(ask_text("%s", text, sizeof text));
  ask_menu(nullptr, 0, &untouched);
  testing::internal::GetCapturedStdout();
  EXPECT_EQ(12, first);
  EXPECT_EQ(4, second);
  EXPECT_STREQ("last", text);  // a last line without a newline keeps its last letter
  EXPECT_EQ(8, untouched);
}

TEST_F(PromptTest, YesNoBlocks) {
  feed("\n1\n2abc\n\n3\n2\n");
  testing::internal::CaptureStdout();
  EXPECT_TRUE(ask_preview_accepted());
  EXPECT_FALSE(ask_preview_accepted());
  EXPECT_TRUE(ask_preview_accepted());
  EXPECT_FALSE(ask_save_wanted());
  EXPECT_FALSE(ask_save_wanted());
  EXPECT_TRUE(ask_save_wanted());
  std::string out = testing::internal::GetCapturedStdout();
  EXPECT_EQ(0u, out.find("1: No\n2: Yes (Default)\n:1: No\n2: Yes (Default)\n:"));
  EXPECT_NE(std::string::npos, out.find("1: No (Default)\n2: Yes\n: "));
}

TEST_F(PromptTest, ClearScreenRunsCls) {
  clear_screen();
  ASSERT_EQ(1u, recorded.size());
  EXPECT_EQ("cls", recorded[0]);
}

}  // namespace
