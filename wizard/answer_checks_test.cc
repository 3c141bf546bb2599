#include "wizard/answer_checks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <iterator>
#include <string>
#include <vector>

#include "assembly/file_structure.h"
#include "assembly/global_adjust.h"
#include "assembly/skin_layout.h"
#include "assembly/recolor.h"
#include "color/modulation.h"
#include "scripts/measure.h"
#include "tests/test_support.h"

namespace {

TEST(SkinNameRules, RefusesNamesThatReachOtherFoldersOrBreakCommandLines) {
  SkinSettings settings = design_settings(kStandardSingle);
  const char* refused[] = {"",      "   ",     ".",     "..",   "skindata",  "SkinData", "PRESETS",
                           "con",   "Con.txt", "NUL",   "aux.", "com1",      "LPT9.log", "com1 .x",
                           "name.", "name ",   "a&b",   "a/b",  "a\\b",      "..\\x",    "c:x",
                           "what?", "star*",   "\"q\"", "a<b",  "a>b",       "a|b",      "100%",
                           "up^",   "#1",      "x[0]",  "x]",   "tab\there", "bell\a",   "del\x7f"};
  for (const char* name : refused) {
    const char* reason = skin_name_problem(settings, name);
    ASSERT_NE(nullptr, reason) << "[" << name << "]";
    EXPECT_EQ(nullptr, std::strchr(reason, '\n')) << reason;  // each reason is one line
  }
  const char* accepted[] = {"My Skin",  "a.b",   " leading",  "Con Brio",  "CONSOLE",
                            "COM10",    "LPT",   "skindata2", "Presets x", "Ümlaut Blau",
                            "it's (1)", "a...b", "x=y;z,w",   "~tilde!"};
  for (const char* name : accepted) {
    EXPECT_EQ(nullptr, skin_name_problem(settings, name)) << "[" << name << "]";
  }
}

// Runs every stage that composes commands with the record's name, with
// commands recorded, and tells whether any line was skipped as too long.
bool some_command_was_skipped(const SkinSettings& settings) {
  std::string printed = stdout_of([&] {
    clear_skin_folder(settings.skin_name);
    copy_style_overlay(StyleGroup::kKnob, 11, settings.skin_name);  // the longest style folder
    construct_file_structure(settings);
    recolor_skin(settings);
    adjust_skin_globally(settings);
    customize_scripts(settings);
  });
  for (const std::string& line : recorded_commands()) EXPECT_LT(line.size(), kCommandBufferSize);
  return printed.find("Skipped a command") != std::string::npos;
}

// The longest name that the rules let through makes every command of the
// run fit, and one character more would have made one too long.
TEST_F(WorkingFolderTest, LongestAcceptedNameFitsEveryCommandOfTheRun) {
  for (int design : {kCustomSingle, kCustomMulti}) {
    settings_.design_choice = design;
    settings_.global_adjust = 2;
    std::strcpy(settings_.advanced_options, "-sharpen 0x1");
    size_t longest = 0;
    for (size_t n = 1; n < kSkinNameSize; ++n) {
      if (skin_name_problem(settings_, std::string(n, 'n').c_str()) == nullptr) longest = n;
    }
    ASSERT_GT(longest, 150u) << design;
    std::strcpy(settings_.skin_name, std::string(longest, 'n').c_str());
    EXPECT_FALSE(some_command_was_skipped(settings_)) << design;
    std::strcpy(settings_.skin_name, std::string(longest + 1, 'n').c_str());
    EXPECT_TRUE(some_command_was_skipped(settings_)) << design;
  }
}

// The longest global command is the skin folder's with the longest pattern;
// its length must be what the real formatting gives, to the character.
TEST(GlobalCommandLength, MatchesTheFormattedCommandAndDrawsTheLineAt511) {
  SkinSettings settings = design_settings(kStandardSingle);
  settings.global_adjust = 2;
  settings.global_brightness = -12.5f;
  settings.global_hue = 1e6f;
  std::strcpy(settings.skin_name, "My Skin");
  std::strcpy(settings.advanced_options, "-sharpen 0x1");
  std::vector<std::string> patterns = adjust_patterns(true);
  std::string longest = *std::max_element(
      patterns.begin(), patterns.end(),
      [](const std::string& a, const std::string& b) { return a.size() < b.size(); });
  char command[kCommandBufferSize];
  format_global_command(command, settings, settings.skin_name, longest.c_str());
  EXPECT_EQ(std::strlen(command),
            longest_global_command(settings, settings.skin_name, settings.advanced_options));

  // Options that bring the command to exactly 511 characters pass, one more fails.
  size_t room = kCommandBufferSize - 1 - longest_global_command(settings, settings.skin_name, "");
  std::string options(room, 'x');
  EXPECT_EQ(nullptr, advanced_options_problem(settings, options.c_str()));
  EXPECT_NE(nullptr, advanced_options_problem(settings, (options + "x").c_str()));

  // The name is held to the same line, but only when adjustments will run.
  std::strcpy(settings.advanced_options, options.substr(1).c_str());
  EXPECT_EQ(nullptr, skin_name_problem(settings, "My Skin2"));
  EXPECT_NE(nullptr, skin_name_problem(settings, "My Skin22"));
  settings.global_adjust = 1;
  EXPECT_EQ(nullptr, skin_name_problem(settings, "My Skin22"));
}

TEST(AdvancedOptionsRules, RefusesSpecialCharactersAndFileWritingOptions) {
  SkinSettings settings = design_settings(kStandardSingle);
  for (const char* options :
       {"-blur 0x1 & del x", "a|b", "<in", ">out", "^", "50%", "-set \"x\"", "-write x.png",
        "+write", "-WRITE ..\\x.png", "-path ..", "msl:x", "-texture ephemeral:a.png",
        "-define registry:temporary-path=x", "-format png\\..\\..\\x"}) {
    EXPECT_NE(nullptr, advanced_options_problem(settings, options)) << options;
  }
  for (const char* options : {"", " ", "-sharpen 0x1", "-write-mask m.png", "-rewrite",
                              "-define png:compression-level=9", "-pathological"}) {
    EXPECT_EQ(nullptr, advanced_options_problem(settings, options)) << options;
  }
  // A field read from a file without its NUL counts as too long.
  std::memset(settings.advanced_options, 'a', sizeof settings.advanced_options);
  EXPECT_NE(nullptr, advanced_options_problem(settings, settings.advanced_options));
}

// A loaded preset's values that no run could use: each kind is told in one
// line, and the record takes what a run starts with; a clean preset passes
// without a word.
using LoadedPresetChecks = DialogueTest;

TEST_F(LoadedPresetChecks, UnusableDesignsNumbersAndMenuRowsFallBack) {
  const char kDesign[] =
      "\nThe preset's design number is not 1 to 4; it continues as CUSTOM: Multicolor, named "
      "Korvel Dazo Custom.\n";
  for (int32_t design : {0, 5, -1, INT_MIN, INT_MAX}) {
    settings_ = design_settings(kCustomSingle);
    settings_.design_choice = design;
    set_skin_name(settings_, "Shared");
    feed("");
    check_loaded_preset(settings_);
    EXPECT_EQ(printed(), kDesign) << design;
    EXPECT_EQ(settings_.design_choice, kCustomMulti);
    EXPECT_STREQ(settings_.skin_name, "Korvel Dazo Custom");
    EXPECT_EQ(settings_.sidebar_brightness, 63);
  }

  settings_ = design_settings(kStandardMulti);
  settings_.sidebar_width = NAN;
  settings_.global_hue = INFINITY;
  settings_.global_contrast = -INFINITY;
  settings_.global_saturation = 1e30f;  // a number, written in full wherever it goes
  settings_.knob_style = 1000000000;
  settings_.lock_icon_style = -5;
  settings_.arp_icon_style = INT_MIN;
  settings_.eq_color_mode = 2;
  settings_.flow_mod = 0;
  settings_.global_adjust = 3;
  feed("");
  check_loaded_preset(settings_);
  EXPECT_EQ(printed(),
            "\nThe preset's sidebar width, global hue, global contrast held no number and took the "
            "default.\n"
            "\nThe preset's knob style, lock icon style, arp icon style, flow mod, global "
            "adjustments choice named no row of the menu and took the first row.\n");
  SkinSettings expected = design_settings(kStandardMulti);
  expected.global_saturation = 1e30f;
  expected.eq_color_mode = 2;
  EXPECT_EQ(record_bytes(settings_), record_bytes(expected));

  // The last rows of every menu are rows too.
  settings_ = design_settings(kCustomMulti);
  settings_.knob_style = kKnobStyleCount;
  settings_.lock_icon_style = kLockIconStyleCount;
  settings_.arp_icon_style = kArpIconStyleCount;
  settings_.sidebar_color_mode = settings_.tab_color_mode = settings_.global_adjust = 2;
  SkinSettings before = settings_;
  feed("");
  check_loaded_preset(settings_);
  EXPECT_EQ(printed(), "");
  EXPECT_EQ(record_bytes(settings_), record_bytes(before));
}

}  // namespace
