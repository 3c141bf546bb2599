#include "scripts/skin_readability.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tests/test_support.h"

namespace {

void list(const std::string& file, const std::string& colour) {
  write_file(".\\skindata\\temp\\" + file, "  36: (1,2,3) #" + colour + "\n");
}

// The build's settings, and in measured what it measured for the driver to hand on.
SkinSettings built(int32_t design, int32_t global_adjust, MeasuredSkin& measured) {
  SkinSettings settings = design_settings(design);
  settings.global_adjust = global_adjust;
  set_skin_name(settings, "My Skin");
  write_file(".\\My Skin\\Scripts\\Template.txt", "HEXCS1");
  stdout_of([&] { measured = customize_scripts(settings); });
  recorded_commands().clear();
  return settings;
}

TEST(SkinReadabilityTest, WithoutAdjustmentsOnlyTheDarkGreyIsMeasuredAgain) {
  ScratchFolder folder;
  CommandRecorder recorder;
  list("CS1info.txt", "5798EE");
  MeasuredSkin measured;
  SkinSettings settings = built(kStandardSingle, 1, measured);
  list("DGfinal.txt", "262626FF");
  EXPECT_EQ("Colours read well.\n\n",
            stdout_of([&] { report_skin_readability(settings, measured); }));
  EXPECT_EQ(std::vector<std::string>{".\\skindata\\identify -verbose "
                                     "\".\\My Skin\\Images\\Other\\DGSample.png\" | findstr # > "
                                     ".\\skindata\\temp\\DGfinal.txt"},
            recorded_commands());
  // A lighter background than the template's is measured, not assumed. (No
  // tool runs here, so no colour to try is confirmed.)
  list("DGfinal.txt", "A0A0A0");
  EXPECT_EQ(
      "MAIN: 5798EE controls on the A0A0A0 background 1.1:1, hard to see (aim for 3:1 or "
      "more); no colour to try could be confirmed with the image tool\n\n",
      stdout_of([&] { report_skin_readability(settings, measured); }));
}

TEST(SkinReadabilityTest, AfterAdjustmentsTheBuildsOwnMeasurementsAreUsed) {
  ScratchFolder folder;
  CommandRecorder recorder;
  const char* colours[] = {"0000FF", "EEB05D", "42EE93", "EEEDED"};
  for (int n = 1; n <= 4; ++n) list("CS" + std::to_string(n) + "info.txt", colours[n - 1]);
  for (const char* grey : {"LGinfo.txt", "MGinfo.txt", "DGinfo.txt"}) list(grey, "101010");
  std::remove("skindata/temp/CS2info.txt");  // its asked-for colour stood in for the scripts
  list("DGfinal.txt", "FFFFFF");             // a stale listing of no concern here
  MeasuredSkin measured;
  SkinSettings settings = built(kCustomMulti, 2, measured);
  const std::string unconfirmed = "; no colour to try could be confirmed with the image tool\n";
  EXPECT_EQ(
      "GENERATORS: 0000FF controls on the 101010 background 2.2:1, hard to see (aim for 3:1 or "
      "more)" +
          unconfirmed +
          "MODULATORS: the colour sample could not be measured, so its checks are left out.\n"
          "EFFECTS: white labels on 42EE93 buttons 1.5:1, hard to read (aim for 2:1 or more)" +
          unconfirmed +
          "GLOBALS: white labels on EEEDED buttons 1.2:1, hard to read (aim for 2:1 or more)" +
          unconfirmed + "\n",
      stdout_of([&] { report_skin_readability(settings, measured); }));
  // Nothing is measured again from the skin; the colour help works in
  // skindata\temp only (here it measures the template's sample, since the
  // adjusted colours do not bear out the colour it is drawn in).
  ASSERT_FALSE(recorded_commands().empty());
  for (const std::string& command : recorded_commands()) {
    EXPECT_EQ(std::string::npos, command.find("My Skin")) << command;
  }
  EXPECT_EQ(1u, count_of(recorded_commands()[0], "TemplateSample.txt"));
}

}  // namespace
