#include "assembly/global_adjust.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/test_support.h"

namespace {

TEST(GlobalAdjust, SingleColourNeutralValues) {
  CommandRecorder recorder;
  SkinSettings settings = design_settings(kCustomSingle);
  EXPECT_EQ("", stdout_of([&] { adjust_skin_globally(settings); }));  // not chosen
  EXPECT_TRUE(recorded_commands().empty());

  settings.global_adjust = 2;
  EXPECT_EQ("Making global adjustments for Korvel Dazo Custom" + std::string(34, '.') + "Done.\n",
            stdout_of([&] { adjust_skin_globally(settings); }));
  const std::vector<std::string>& lines = recorded_commands();
  ASSERT_EQ(34u, lines.size());
  // No advanced options leave two blanks before the quoted path.
  EXPECT_EQ(
      ".\\skindata\\mogrify -quality 80 -type TrueColorAlpha -define modulate:colorspace=HSB "
      "-colorspace sRGB -modulate 100.000000,100.000000,100.000000 -brightness-contrast "
      "0x0.000000  \".\\Korvel Dazo Custom\\Images\\Animations\\PrefCloseCS1\\*.png\"",
      lines[0]);
}

TEST(GlobalAdjust, MulticolourAddsClonedFoldersWithUserValues) {
  CommandRecorder recorder;
  SkinSettings settings = design_settings(kStandardMulti);
  settings.global_adjust = 2;
  settings.global_contrast = -20.0f;
  settings.global_hue = -100.0f;
  settings.global_brightness = 12.5f;
  format_bounded(settings.advanced_options, sizeof settings.advanced_options, "%s", "-gamma 1.1");
  EXPECT_EQ(
      "Making global adjustments for Korvel Dazo Colorized" + std::string(62, '.') + "Done.\n",
      stdout_of([&] { adjust_skin_globally(settings); }));
  const std::vector<std::string>& lines = recorded_commands();
  ASSERT_EQ(62u, lines.size());
  for (const std::string& line : lines) {
    EXPECT_NE(std::string::npos,
              line.find(" -modulate 112.500000,100.000000,0.000000 -brightness-contrast "
                        "0x-20.000000 -gamma 1.1 \".\\Korvel Dazo Colorized\\Images\\"))
        << line;
  }
}

}  // namespace
