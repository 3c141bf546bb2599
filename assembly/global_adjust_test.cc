#include "assembly/global_adjust.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "assembly/commands.h"

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

SkinSettings settings_for(int32_t design, int32_t global_adjust) {
  SkinSettings settings;
  init_settings(settings);
  settings.design_choice = design;
  apply_design_defaults(settings);
  settings.global_adjust = global_adjust;
  return settings;
}

TEST(GlobalAdjust, SingleColourNeutralValues) {
  Recorder recorder;
  SkinSettings settings = settings_for(kCustomSingle, 1);
  testing::internal::CaptureStdout();
  adjust_skin_globally(settings);  // not chosen: no line, no command
  EXPECT_EQ("", testing::internal::GetCapturedStdout());
  EXPECT_TRUE(recorded.empty());

  settings.global_adjust = 2;
  testing::internal::CaptureStdout();
  adjust_skin_globally(settings);
  EXPECT_EQ("Making global adjustments for Korvel Dazo Custom" + std::string(34, '.') + "Done.\n",
            testing::internal::GetCapturedStdout());

  ASSERT_EQ(34u, recorded.size());
  // No advanced options leave two blanks before the quoted path.
  EXPECT_EQ(
      ".\\skindata\\mogrify -quality 80 -type TrueColorAlpha -define modulate:colorspace=HSB "
      "-colorspace sRGB -modulate 100.000000,100.000000,100.000000 -brightness-contrast "
      "0x0.000000  \".\\Korvel Dazo Custom\\Images\\Animations\\PrefCloseCS1\\*.png\"",
      recorded[0]);
  EXPECT_EQ(
      ".\\skindata\\mogrify -quality 80 -type TrueColorAlpha -define modulate:colorspace=HSB "
      "-colorspace sRGB -modulate 100.000000,100.000000,100.000000 -brightness-contrast "
      "0x0.000000  \".\\Korvel Dazo Custom\\Images\\Panes\\*.png\"",
      recorded[33]);
}

TEST(GlobalAdjust, MulticolourAddsClonedFoldersWithUserValues) {
  Recorder recorder;
  SkinSettings settings = settings_for(kStandardMulti, 2);
  settings.global_contrast = -20.0f;
  settings.global_hue = -100.0f;
  settings.global_brightness = 12.5f;
  format_bounded(settings.advanced_options, sizeof settings.advanced_options, "%s", "-gamma 1.1");
  testing::internal::CaptureStdout();
  adjust_skin_globally(settings);
  EXPECT_EQ(
      "Making global adjustments for Korvel Dazo Colorized" + std::string(62, '.') + "Done.\n",
      testing::internal::GetCapturedStdout());

  ASSERT_EQ(62u, recorded.size());
  for (const std::string& line : recorded) {
    EXPECT_NE(std::string::npos,
              line.find(" -modulate 112.500000,100.000000,0.000000 -brightness-contrast "
                        "0x-20.000000 -gamma 1.1 \".\\Korvel Dazo Colorized\\Images\\"))
        << line;
  }
  EXPECT_NE(std::string::npos, recorded[61].find("\\Animations\\KVL-XY-TabsCS2\\*.png\""));
  // No folder is treated twice, so no image is adjusted twice.
  EXPECT_EQ(62u, std::set<std::string>(recorded.begin(), recorded.end()).size());
}

}  // namespace
