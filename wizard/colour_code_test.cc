#include "wizard/colour_code.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The amounts an answer sets, "asked again" for a refused list of amounts,
// "refused" for an answer left to the number conversion.
std::string converted(const char* line) {
  int32_t red = -1, green = -1, blue = -1;
  bool code = convert_colour_code(line, &red, &green, &blue);
  AmountList list = code ? AmountList::kNone : convert_amount_list(line, &red, &green, &blue);
  if (!code && list != AmountList::kThree) {
    EXPECT_TRUE(red == -1 && green == -1 && blue == -1) << "amounts changed by: " << line;
    return list == AmountList::kRefused ? "asked again" : "refused";
  }
  return std::to_string(red) + "," + std::to_string(green) + "," + std::to_string(blue);
}

TEST(ColourCodeTest, CodesAndThreeAmountsSetAllThree) {
  EXPECT_EQ("60,60,70", converted("#3C3C46\n"));
  EXPECT_EQ("60,60,70", converted("#3c3C46\n"));
  EXPECT_EQ("60,60,70", converted(" \t#3C3C46  \r\n"));  // blanks and a CR LF line end
  EXPECT_EQ("60,60,70", converted("#3C3C46"));           // the last line, unterminated
  EXPECT_EQ("255,255,255", converted("#FFF\n"));
  EXPECT_EQ("51,204,68", converted("#3c4\n"));
  EXPECT_EQ("0,0,0", converted("#000000\n"));
  // Three amounts, as the colour help prints them or typed by hand.
  EXPECT_EQ("1,200,238", converted("1,200,238\n"));
  EXPECT_EQ("1,200,238", converted("1, 200, 238\n"));
  EXPECT_EQ("1,200,238", converted(" 1 200\t238 \r\n"));
  EXPECT_EQ("1,200,238", converted("1 ,200 ,238"));
  EXPECT_EQ("255,0,7", converted("255,000,007\n"));
}

TEST(ColourCodeTest, AnythingElseIsNotAColour) {
  for (const char* line : {"3C3C46\n",    "#3C3C4\n",   "#3C3C466\n",
                           "#3C3C46FF\n", "#GG0000\n",  "#3C3C46 dark grey\n",
                           "#\n",         "# 3C3C46\n", "##3C3\n",
                           "\n",          "",           "#3C\n",
                           "#-3C3C4\n",   "0x3C3C46\n", "#3C3C46\x01\n",
                           "300\n",       "-5\n",       "12 apples\n",
                           "12.5 7\n",    "1.5,2,3\n",  "1,\n",
                           "1,,\n",       "1 x 2 3\n"}) {
    EXPECT_EQ("refused", converted(line)) << line;
  }
  // A list that is not three amounts from 0 to 255 is not one number either.
  for (const char* line :
       {"1,200\n", "1 2 3 4\n", "1,2,3,\n", "1,,2,3\n", "1, ,2,3\n", "256,0,0\n",
        "1,2,99999999999999999999\n", "-1,2,3\n", "1,+2,3\n", "1,200,238 blue\n", "1,2,3\x01\n"}) {
    EXPECT_EQ("asked again", converted(line)) << line;
  }
}

}  // namespace
