#include "assembly/recolor.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "assembly/commands.h"
#include "color/modulation.h"

namespace {

std::vector<std::string> recorded;

void record_line(const char* line) {
  recorded.push_back(line);
}

class Recorder {
 public:
  Recorder() : previous_(set_command_runner(record_line)) { recorded.clear(); }
  ~Recorder() { set_command_runner(previous_); }

 private:
  CommandRunner previous_;
};

SkinSettings settings_for(int32_t design) {
  SkinSettings settings;
  init_settings(settings);
  settings.design_choice = design;
  apply_design_defaults(settings);
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

bool ends_with(const std::string& text, const std::string& tail) {
  return text.size() >= tail.size() &&
         text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

TEST(Recolor, SingleColourDesignRunsGroupAOnly) {
  Recorder recorder;
  SkinSettings settings = settings_for(kStandardSingle);
  testing::internal::CaptureStdout();
  recolor_skin(settings);
  EXPECT_EQ("Modifying colors for Korvel Dazo Blue." + std::string(33, '.') + "Done.\n",
            testing::internal::GetCapturedStdout());

  ASSERT_EQ(35u, recorded.size());
  EXPECT_EQ(
      ".\\skindata\\mogrify -quality 80 -type TrueColorAlpha -define modulate:colorspace=HSB "
      "-modulate 100,100.855583,100.015656 "
      "\".\\Korvel Dazo Blue\\Images\\Animations\\PrefCloseCS1\\*.*\"",
      recorded[0]);
  EXPECT_TRUE(ends_with(recorded[34], "\".\\Korvel Dazo Blue\\Images\\Panes\\CS1KVL-T*.png\""));
  for (const std::string& line : recorded) {
    EXPECT_NE(std::string::npos, line.find("-modulate 100,100.855583,100.015656 ")) << line;
  }
}

TEST(Recolor, MulticolourDesignRunsBothGroupsWithEachRowsSection) {
  Recorder recorder;
  SkinSettings settings = settings_for(kCustomMulti);
  format_bounded(settings.skin_name, sizeof settings.skin_name, "%s", "Two Words");
  testing::internal::CaptureStdout();
  recolor_skin(settings);
  EXPECT_EQ("Modifying colors for Two Words." + std::string(71, '.') + "Done.\n",
            testing::internal::GetCapturedStdout());

  ASSERT_EQ(73u, recorded.size());
  std::vector<const RecolorRow*> rows;
  for (const RecolorRow& row : kRecolorGroupA) rows.push_back(&row);
  for (const RecolorRow& row : kRecolorGroupB) rows.push_back(&row);
  for (size_t i = 0; i < rows.size(); ++i) {
    EXPECT_NE(std::string::npos, recorded[i].find(modulate_of(settings, rows[i]->section)))
        << recorded[i];
    EXPECT_TRUE(ends_with(recorded[i], std::string("\".\\Two Words\\") + rows[i]->pattern + "\""))
        << recorded[i];
  }
  // The grey globals colour leaves its images nearly colourless.
  EXPECT_EQ(
      ".\\skindata\\mogrify -quality 80 -type TrueColorAlpha -define modulate:colorspace=HSB "
      "-modulate 100,0.010000,-19.000000 \".\\Two Words\\Images\\Animations\\PrefCloseCS4\\*.*\"",
      recorded[35]);

  int per_section[5] = {0, 0, 0, 0, 0};
  for (const RecolorRow& row : kRecolorGroupA) EXPECT_EQ(1, row.section) << row.pattern;
  for (const RecolorRow& row : kRecolorGroupB) ++per_section[row.section];
  EXPECT_EQ(18, per_section[2]);
  EXPECT_EQ(7, per_section[3]);
  EXPECT_EQ(13, per_section[4]);
}

}  // namespace
