#include "platform/wildcard.h"

#include <gtest/gtest.h>

namespace {

TEST(WildcardTest, MatchesNamesInAnyCase) {
  EXPECT_TRUE(wildcard_match("CS1Env*", "cs1envB.PNG"));
  EXPECT_FALSE(wildcard_match("CS1Env*", "CS1Mod.png"));
  EXPECT_FALSE(wildcard_match("CS1Env*", "XCS1Env.png"));
  EXPECT_FALSE(wildcard_match("KVL-CS1Knob-Bi*.png", "KVL-CS1Knob-Bi_0001.png.txt"));
  EXPECT_TRUE(wildcard_match("*-v11b5.kvl", "Korvel Dazo Custom-V11B5.KVL"));
  EXPECT_FALSE(wildcard_match("*-v11b5.kvl", "a-v11b5.kvlx"));
  EXPECT_TRUE(wildcard_match("a*b*c", "aXbYbZc"));
  EXPECT_FALSE(wildcard_match("a*b*c", "aXbYcZ"));
  EXPECT_FALSE(wildcard_match("CS?Sample.png", "CSSample.png"));
  EXPECT_TRUE(wildcard_match("*.*", "README"));
  EXPECT_TRUE(wildcard_match("*", ""));
  EXPECT_FALSE(wildcard_match("?", ""));
  EXPECT_TRUE(has_wildcard("CS1*"));
  EXPECT_FALSE(has_wildcard("CS1Env.png"));
}

TEST(WildcardTest, FormsDestinationNamesByTheWindowsRule) {
  EXPECT_EQ(wildcard_destination_name("cs1envB.png", "CS2Env*"), "CS2EnvB.png");
  EXPECT_EQ(wildcard_destination_name("KVL-CS1Knob-Bi.v2.png", "KVL-CS2Knob-Bi*.png"),
            "KVL-CS2Knob-Bi.v2.png");
  // A longer or shorter fixed part still replaces character by character.
  EXPECT_EQ(wildcard_destination_name("abcdef.txt", "XY*"), "XYcdef.txt");
  EXPECT_EQ(wildcard_destination_name("ab.txt", "WXYZ*"), "WXYZ.txt");
  EXPECT_EQ(wildcard_destination_name("report", "*.bak"), "report.bak");
  EXPECT_EQ(wildcard_destination_name("a.txt", "??.*"), "a.txt");
  EXPECT_EQ(wildcard_destination_name("abc.txt", "?.*"), "a.txt");
  EXPECT_EQ(wildcard_destination_name("CS1Mod.png", "new.png"), "new.png");
}

}  // namespace
