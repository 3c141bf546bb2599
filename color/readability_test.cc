#include "color/readability.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/test_support.h"

namespace {

SampledColour measured(int red, int green, int blue) {
  return {true, {red, green, blue}};
}

ReadabilityColours colours_of(int count) {
  ReadabilityColours colours = {};
  colours.section_count = count;
  colours.background = measured(0x26, 0x26, 0x26);
  colours.selection = {216, 99, 62};
  return colours;
}

TEST(ReadabilityTest, EachCheckFailsJustBelowItsThresholdAndSaysSo) {
  ReadabilityColours colours = colours_of(4);
  colours.sections[0] = measured(0xB8, 0xB8, 0xB8);  // white on it 1.98:1
  colours.sections[1] = measured(0x6E, 0x6E, 0x6E);  // on the background 2.97:1
  colours.sections[2] = measured(0xD8, 0x63, 0x5F);  // 9.87 from the selection
  colours.sections[3] = measured(0xD8, 0x63, 0x60);  // 10.2 from it: passes
  // A ratio that misses its threshold is never shown rounded up onto it.
  EXPECT_EQ(
      "GENERATORS: white labels on B8B8B8 buttons 1.9:1, hard to read (aim for 2:1 or more)\n"
      "MODULATORS: 6E6E6E controls on the 262626 background 2.9:1, hard to see (aim for 3:1 or "
      "more)\n"
      "EFFECTS: D8633E selection next to D8635F controls, distance 9.9, hard to tell apart (aim "
      "for 10 or more)\n",
      stdout_of([&] { print_readability_report(colours); }));

  // The marks under a preview strip: the same lines, prefixed, counted.
  colours.sections[3] = measured(0xEE, 0xED, 0xED);  // the default globals colour, measured
  int problems = 0;
  EXPECT_EQ("^ GLOBALS: white labels on EEEDED buttons 1.2:1, hard to read (aim for 2:1 or more)\n",
            stdout_of([&] { problems = print_section_problems(colours, 4, "^ "); }));
  EXPECT_EQ(1, problems);
  // Two failures at once: a dark red selection on dark red controls.
  colours.sections[3] = measured(0x30, 0x10, 0x10);
  colours.selection = {0x40, 0x10, 0x10};
  EXPECT_EQ(
      "^ GLOBALS: 301010 controls on the 262626 background 1.1:1, hard to see (aim for 3:1 or "
      "more)\n"
      "^ GLOBALS: 401010 selection next to 301010 controls, distance 5.1, hard to tell apart "
      "(aim for 10 or more)\n",
      stdout_of([&] { problems = print_section_problems(colours, 4, "^ "); }));
  EXPECT_EQ(2, problems);
}

TEST(ReadabilityTest, ProblemLinesEndWithTheirHelp) {
  ReadabilityColours colours = colours_of(4);
  colours.selection = {0x30, 0x10, 0x10};
  colours.sections[0] = measured(0x57, 0x98, 0xEE);  // reads well
  colours.sections[1] = measured(0x30, 0x10, 0x10);  // dark, and the selection on it
  colours.sections[2] = measured(0xEE, 0xED, 0xED);
  colours.sections[3] = measured(0xEE, 0xB0, 0x5D);
  colours.help[1] = {{TryKind::kTry, {96, 118, 236}}, {TryKind::kSectionFixes, {}}, false, false};
  colours.help[2] = {{TryKind::kTry, {1, 2, 3}}, {TryKind::kTry, {250, 0, 10}}, true, false};
  colours.help[3] = {{TryKind::kNonePasses, {}}, {TryKind::kNonePasses, {}}, false, false};
  EXPECT_EQ(
      "MODULATORS: 301010 controls on the 262626 background 1.1:1, hard to see (aim for 3:1 or "
      "more); try 96,118,236 (#6076EC)\n"
      "MODULATORS: 301010 selection next to 301010 controls, distance 0.0, hard to tell apart "
      "(aim for 10 or more); the colour to try above fixes this too\n"
      "EFFECTS: white labels on EEEDED buttons 1.2:1, hard to read (aim for 2:1 or more); try "
      "1,2,3 (#010203) with the selection at 250,0,10 (#FA000A)\n"
      "GLOBALS: white labels on EEB05D buttons 1.9:1, hard to read (aim for 2:1 or more); no "
      "colour near it reads well at any global brightness\n",
      stdout_of([&] { print_readability_report(colours); }));
  // With a global brightness, each section line says what to type there;
  // a section that reads well now and would not there gets a line too.
  colours.brightness = {true, -15.0f, -10.0f};
  colours.help[0] = {{TryKind::kTry, {80, 140, 238}}, {TryKind::kNothing, {}}, false, false};
  colours.help[1].colour = {TryKind::kBrightness, {}};
  colours.help[2] = {{TryKind::kTry, {1, 2, 3}}, {TryKind::kNothing, {}}, false, true};
  std::string lines = stdout_of([&] { print_readability_report(colours); });
  EXPECT_EQ(0u, lines.find("GENERATORS: 5798EE reads well at this brightness; at global brightness "
                           "-15 instead of -10, try 80,140,238 (#508CEE)\n"
                           "MODULATORS: 301010 controls on the 262626 background 1.1:1, hard to "
                           "see (aim for 3:1 or more); try global brightness -15 instead of -10\n"))
      << lines;
  EXPECT_EQ(1u, count_of(lines,
                         "EFFECTS: white labels on EEEDED buttons 1.2:1, hard to read (aim "
                         "for 2:1 or more); no colour near it reads well at this "
                         "brightness: try global brightness -15 instead of -10 with "
                         "1,2,3 (#010203)\n"))
      << lines;
  colours.sections[3] = measured(0x30, 0x10, 0x11);
  colours.help[3].colour.kind = TryKind::kUnconfirmed;
  std::string globals = stdout_of([&] { print_section_problems(colours, 4, ""); });
  EXPECT_EQ(1u, count_of(globals,
                         "(aim for 3:1 or more); no colour to try could be confirmed "
                         "with the image tool\n"));
  EXPECT_EQ(1u, count_of(globals,
                         "(aim for 10 or more); no colour stands apart from every "
                         "section colour\n"));
}

TEST(ReadabilityTest, SamplesThatCannotBeMeasuredLeaveTheirChecksOut) {
  ReadabilityColours colours = colours_of(1);
  colours.sections[0] = measured(0x57, 0x98, 0xEE);  // the template blue as built
  EXPECT_EQ("Colours read well.\n", stdout_of([&] { print_readability_report(colours); }));
  colours.background.measured = false;
  EXPECT_EQ(
      "The background sample could not be measured, so its check is left out.\n"
      "The colours that could be measured read well.\n",
      stdout_of([&] { print_readability_report(colours); }));
  // The checks that need no background still run.
  colours.sections[0] = measured(0xEE, 0xED, 0xED);
  EXPECT_EQ(
      "The background sample could not be measured, so its check is left out.\n"
      "MAIN: white labels on EEEDED buttons 1.2:1, hard to read (aim for 2:1 or more)\n",
      stdout_of([&] { print_readability_report(colours); }));
  colours.sections[0].measured = false;
  EXPECT_EQ(
      "The background sample could not be measured, so its check is left out.\n"
      "MAIN: the colour sample could not be measured, so its checks are left out.\n",
      stdout_of([&] { print_readability_report(colours); }));
  EXPECT_EQ("", stdout_of([&] { print_section_problems(colours, 1, ""); }));
}

TEST(ReadabilityTest, ColoursComeOnlyFromSixHexDigits) {
  Rgb colour = {};
  EXPECT_TRUE(parse_hex_colour("5798eE", colour));
  EXPECT_EQ(0x57, colour.red);
  EXPECT_EQ(0x98, colour.green);
  EXPECT_EQ(0xEE, colour.blue);
  for (const char* text : {"", "5798E", "5798EG", "5798EEFF", "-79800", " 5798E"}) {
    EXPECT_FALSE(parse_hex_colour(text, colour)) << text;
  }
  EXPECT_FALSE(sampled_from_text(false, "5798EE").measured);  // a fallback stood in
  EXPECT_TRUE(sampled_from_text(true, "5798EE").measured);
  EXPECT_FALSE(sampled_from_text(true, "srgb(8").measured);

  ScratchFolder folder;
  write_file(".\\skindata\\temp\\X.txt", "  1: (38,38,38,255) #262626FF grey15\n");
  SampledColour listed = sampled_from_listing(".\\skindata\\temp\\X.txt");
  EXPECT_TRUE(listed.measured);
  EXPECT_EQ(0x26, listed.colour.blue);
  EXPECT_FALSE(sampled_from_listing(".\\skindata\\temp\\missing.txt").measured);

  SkinSettings settings = design_settings(kStandardSingle);
  EXPECT_EQ(1, readability_colours_for(settings).section_count);
  settings = design_settings(kCustomMulti);
  settings.sel_red = 256;
  ReadabilityColours colours = readability_colours_for(settings);
  EXPECT_EQ(4, colours.section_count);
  EXPECT_EQ(255, colours.selection.red);
  EXPECT_FALSE(colours.background.measured || colours.sections[3].measured);
}

}  // namespace
