#include "scripts/template_script.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/test_support.h"

namespace {

constexpr const char* kScript = ".\\Skin\\Scripts\\Template.txt";

// One line per group of placeholders, each starting with its label.
constexpr const char* kTemplate =
    "cs HEXCS1 HEXCS2 HEXCS3 HEXCS4\n"
    "sbar HEXCS1SBARBRT HEXCS2SBARBRT HEXCS3SBARBRT HEXCS4SBARBRT\n"
    "eq HEXEQ1 HEXEQ2 HEXEQ3 HEXEQ4\n"
    "grey HEXLG HEXMG HEXDG\n"
    "sel HEXSEL SBARWID KVLVER\n"
    "flow ALT Custom 1|ALT Custom 2|ALT2 Custom 3|ALT3 Custom 4\n"
    "tab ALT4 Custom 1|ALT4 Custom 2|ALT4 Custom 3|ALT4 Custom 4\n"
    "img CS2Env.png CS3Knob CS4Pane\n";

std::string line_of(const std::string& label) {
  for (const std::string& line : lines_of(read_text_file(kScript))) {
    if (line.rfind(label + " ", 0) == 0) return line.substr(label.size() + 1);
  }
  return "(missing)";
}

SkinSettings settings_for(int32_t design) {
  SkinSettings settings = design_settings(design);
  set_skin_name(settings, "Skin");
  return settings;
}

const MeasuredSkin kGreys = {
    {}, {"a1a1a1", true, false}, {"b2b2b2", true, false}, {"c3c3c3", true, false}, false};

TEST(TemplateScriptTest, SingleColourSpreadsOneColour) {
  ScratchFolder folder;
  SkinSettings settings = settings_for(kCustomSingle);
  settings.sidebar_brightness = 0;
  write_file(kScript, kTemplate);
  EXPECT_EQ(stdout_of([&] { customize_template_script(settings, kGreys, "5797ec", 1); }),
            "Customizing template skin script.............Done.\n");
  EXPECT_EQ(line_of("cs"), "5797ec 5797ec 5797ec 5797ec");
  EXPECT_EQ(line_of("sbar"), "5797ec00 5797ec00 5797ec00 5797ec00");
  EXPECT_EQ(line_of("eq"), "5797ec e9ad5c 3cd886 dddddd");
  EXPECT_EQ(line_of("grey"), "999999 323232 262626");
  EXPECT_EQ(line_of("sel"), "d8633e 2.00 v1.1");
  EXPECT_EQ(line_of("flow"), "Trans Custom 1|Trans Custom 2|Bright Custom 3|Mid Custom 4");
  EXPECT_EQ(line_of("tab"), "Bright Custom 1|Bright Custom 2|Bright Custom 3|Bright Custom 4");
  EXPECT_EQ(line_of("img"), "CS1Env.png CS1Knob CS1Pane");

  // Main-colour EQ, measured greys, and numbers too long for two digits.
  settings.eq_color_mode = 2;
  settings.global_adjust = 2;
  settings.sidebar_brightness = -1;
  settings.sidebar_width = 1e30f;
  write_file(kScript, kTemplate);
  customize_template_script(settings, kGreys, "ABCDEF", 1);
  EXPECT_EQ(line_of("eq"), "ABCDEF ABCDEF ABCDEF ABCDEF");
  EXPECT_EQ(line_of("grey"), "a1a1a1 b2b2b2 c3c3c3");
  EXPECT_EQ(line_of("sbar").substr(0, 15), "ABCDEFffffffff ");
  EXPECT_EQ(line_of("sel"), "d8633e 1000000015047466219876688855040.00 v1.1");
}

TEST(TemplateScriptTest, MulticolourSelectionSidebarAndEffectsEq) {
  ScratchFolder folder;
  SkinSettings settings = settings_for(kStandardMulti);
  settings.sidebar_color_mode = 2;
  settings.eq_color_mode = 2;
  settings.flow_mod = 2;
  settings.tab_color_mode = 2;
  write_file(kScript, kTemplate);
  customize_template_script(settings, kGreys, "111111", 1);
  customize_template_script(settings, kGreys, "222222", 2);
  EXPECT_EQ(line_of("eq"), "HEXEQ1 HEXEQ2 HEXEQ3 HEXEQ4");
  customize_template_script(settings, kGreys, "333333", 3);
  customize_template_script(settings, kGreys, "444444", 4);
  EXPECT_EQ(line_of("cs"), "111111 222222 333333 444444");
  EXPECT_EQ(line_of("sbar"), "d8633e3f d8633e3f d8633e3f d8633e3f");
  EXPECT_EQ(line_of("eq"), "333333 333333 333333 333333");
  EXPECT_EQ(line_of("grey"), "999999 323232 262626");
  EXPECT_EQ(line_of("flow"), "SelectColour Trans|SelectColour Trans|SelectColour|SelectColour Mid");
  EXPECT_EQ(line_of("tab"), "SelectColour|ALT4 Custom 2|ALT4 Custom 3|SelectColour");
  EXPECT_EQ(line_of("img"), "CS2Env.png CS3Knob CS4Pane");
}

TEST(TemplateScriptTest, MulticolourSectionSidebarsFillInTwoParts) {
  ScratchFolder folder;
  SkinSettings settings = settings_for(kCustomMulti);
  settings.sidebar_width = 12.5f;
  write_file(kScript, kTemplate);
  customize_template_script(settings, kGreys, "111111", 1);
  EXPECT_EQ(line_of("sbar"), "1111113f HEXCS23f HEXCS33f HEXCS43f");
  EXPECT_EQ(line_of("sel"), "d8633e 12.50 v1.1");
  customize_template_script(settings, kGreys, "222222", 2);
  customize_template_script(settings, kGreys, "333333", 3);
  customize_template_script(settings, kGreys, "444444", 4);
  customize_template_script(settings, kGreys, "555555", 5);  // no section: nothing more
  EXPECT_EQ(line_of("sbar"), "1111113f 2222223f 3333333f 4444443f");
  EXPECT_EQ(line_of("eq"), "111111 222222 333333 444444");
  EXPECT_EQ(line_of("sel"), "d8633e 12.50 v1.1");
}

}  // namespace
