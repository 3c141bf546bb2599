#include "wizard/colour_code.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string converted(const char* line) {
  int32_t red = -1, green = -1, blue = -1;
  if (!convert_colour_code(line, &red, &green, &blue)) {
    EXPECT_TRUE(red == -1 && green == -1 && blue == -1) << "amounts changed by: " << line;
    return "refused";
  }
  return std::to_string(red) + "," + std::to_string(green) + "," + std::to_string(blue);
}

TEST(ColourCodeTest, LongAndShortCodesInEitherCase) {
  EXPECT_EQ("60,60,70", converted("#3C3C46\n"));
  EXPECT_EQ("60,60,70", converted("#3c3C46\n"));
  EXPECT_EQ("60,60,70", converted(" \t#3C3C46  \r\n"));  // blanks and a CR LF line end
  EXPECT_EQ("60,60,70", converted("#3C3C46"));           // the last line, unterminated
  EXPECT_EQ("255,255,255", converted("#FFF\n"));
  EXPECT_EQ("51,204,68", converted("#3c4\n"));
  EXPECT_EQ("0,0,0", converted("#000000\n"));
}

TEST(ColourCodeTest, AnythingElseIsNotACode) {
  for (const char* line : {"3C3C46\n", "#3C3C4\n", "#3C3C466\n", "#3C3C46FF\n", "#GG0000\n",
                           "#3C3C46 dark grey\n", "#\n", "# 3C3C46\n", "##3C3\n", "\n", "", "#3C\n",
                           "#-3C3C4\n", "0x3C3C46\n", "#3C3C46\x01\n"}) {
    EXPECT_EQ("refused", converted(line)) << line;
  }
}

}  // namespace
