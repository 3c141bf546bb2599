#include "scripts/script_check.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const char kTemplate[] =
    "// Layout of the skin\n"
    "\"Generators\" = HEXCS1\n"
    "Knob = image \"Animations/KVL-CS2Knob-Bi.png\"\n"
    "Width = SBARWID\n"
    "Fill = colour \"ALT4 Custom 1\"\n"
    "Z2COMMENTSTART\n"
    "Panel { Size = 12 }\n"
    "Z2COMMENTEND\n";

TEST(ScriptCheck, AScriptIsTheTemplateFilledInWholeAndInOrder) {
  const std::string filled =
      "// Layout of the skin\n"
      "\"Generators\" = 5898EC\n"
      "Knob = image \"Animations/KVL-CS1Knob-Bi.png\"\n"  // single colour: CS2 became CS1
      "Width = 2.00\n"
      "Fill = colour \"SelectColour\"\n"
      "/*\n"
      "Panel { Size = 12 }\n"
      "*/\n";
  EXPECT_EQ(ScriptState::kComplete, check_script_text(kTemplate, filled, 1));

  std::string left = filled;
  left.replace(left.find("2.00"), 4, "SBARWID");
  EXPECT_EQ(ScriptState::kPlaceholdersLeft, check_script_text(kTemplate, left, 1));
  EXPECT_EQ("SBARWID", placeholder_left(left, 1));

  std::string cut = filled.substr(0, filled.rfind("Panel"));  // a disk that filled up
  std::string changed = filled;
  changed.replace(changed.find("12"), 2, "13");
  for (const std::string& broken : {cut, changed, std::string(), filled + "extra\n"}) {
    EXPECT_EQ(ScriptState::kCut, check_script_text(kTemplate, broken, 1)) << broken;
  }
}

TEST(ScriptCheck, TheTabOptionLeavesOnlyTheNamesItDoesNotFill) {
  // With the selection colour for tabs only ALT4 Custom 1 and 4 are filled.
  EXPECT_EQ("", placeholder_left("Tab = colour \"ALT4 Custom 2\"\n", 2));
  EXPECT_EQ("ALT4 Custom", placeholder_left("Tab = colour \"ALT4 Custom 2\"\n", 1));
  EXPECT_EQ("ALT4 Custom 4", placeholder_left("Tab = colour \"ALT4 Custom 4\"\n", 2));
  EXPECT_EQ("HEXCS3", placeholder_left("Side = HEXCS3SBARBRT\n", 1));
}

}  // namespace
