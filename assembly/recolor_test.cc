#include "assembly/recolor.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "assembly/skin_layout.h"
#include "color/modulation.h"
#include "tests/test_support.h"

namespace {

SkinSettings settings_for(int32_t design) {
  SkinSettings settings = design_settings(design);
  compute_modulation(settings);
  return settings;
}

// "-modulate 100,S,H " of one section, as the recolouring commands must carry it.
std::string modulate_of(const SkinSettings& settings, int section) {
  SectionArgs args = section_modulate_args(section_color(settings, section));
  char text[64];
  std::snprintf(text, sizeof text, "-modulate 100,%f,%f ", static_cast<double>(args.saturation),
                static_cast<double>(args.hue));
  return text;
}

TEST(Recolor, SingleColourDesignRunsGroupAOnly) {
  CommandRecorder recorder;
  SkinSettings settings = settings_for(kStandardSingle);
  EXPECT_EQ("Modifying colors for Korvel Dazo Blue." + std::string(33, '.') + "Done.\n",
            stdout_of([&] { recolor_skin(settings); }));
  const std::vector<std::string>& lines = recorded_commands();
  ASSERT_EQ(35u, lines.size());
  EXPECT_EQ(
      ".\\skindata\\mogrify -quality 80 -type TrueColorAlpha -define modulate:colorspace=HSB "
      "-modulate 100,100.855583,100.015656 "
      "\".\\Korvel Dazo Blue\\Images\\Animations\\PrefCloseCS1\\*.*\"",
      lines[0]);
  for (const std::string& line : lines) {
    EXPECT_NE(std::string::npos, line.find(modulate_of(settings, 1))) << line;
  }
}

TEST(Recolor, MulticolourDesignRunsEveryRunWithItsSection) {
  CommandRecorder recorder;
  SkinSettings settings = settings_for(kCustomMulti);
  set_skin_name(settings, "Two Words");
  EXPECT_EQ("Modifying colors for Two Words." + std::string(71, '.') + "Done.\n",
            stdout_of([&] { recolor_skin(settings); }));
  std::vector<ImageRun> runs = recolor_runs(true);
  const std::vector<std::string>& lines = recorded_commands();
  ASSERT_EQ(runs.size(), lines.size());
  for (size_t i = 0; i < runs.size(); ++i) {
    EXPECT_NE(std::string::npos, lines[i].find(modulate_of(settings, runs[i].section)))
        << lines[i];
    EXPECT_TRUE(ends_with(lines[i], "\".\\Two Words\\" + runs[i].pattern + "\"")) << lines[i];
  }
}

}  // namespace
