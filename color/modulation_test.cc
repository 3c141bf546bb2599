#include "color/modulation.h"

#include <cstdio>
#include <string>

#include "assembly/commands.h"
#include "gtest/gtest.h"

namespace {

std::string six_decimals(float value) {
  char text[64];
  std::snprintf(text, sizeof text, "%f", static_cast<double>(value));
  return text;
}

// The section command's two numbers as they are printed, "saturation hue".
std::string section_args_of(int red, int green, int blue) {
  SkinSettings settings;
  init_settings(settings);
  settings.cs1 = SectionColor{red, green, blue, 0.0f, 0.0f};
  compute_modulation(settings);
  SectionArgs args = section_modulate_args(settings.cs1);
  return six_decimals(args.saturation) + " " + six_decimals(args.hue);
}

TEST(ModulationTest, DefaultSectionColoursGiveTheKnownDigits) {
  SkinSettings settings;
  init_settings(settings);
  compute_modulation(settings);
  const char* expected[] = {"100.855583 100.015656", "96.669373 0.148933", "115.370972 63.478642",
                            "0.010000 -19.000000"};
  for (int section = 1; section <= 4; ++section) {
    SectionArgs args = section_modulate_args(section_color(settings, section));
    EXPECT_EQ(six_decimals(args.saturation) + " " + six_decimals(args.hue), expected[section - 1])
        << "CS" << section;
  }
  // The floor applies to the command only; the record keeps the computed 0.
  EXPECT_EQ(settings.cs4.modulate_saturation, 0.0f);
}

TEST(ModulationTest, HueAndSaturationEdgeCases) {
  EXPECT_EQ(six_decimals(rgb_to_hue(87, 151, 236)), "214.228180");
  EXPECT_EQ(rgb_to_hue(200, 200, 50), 60.0f);  // red wins the tie: 420 wraps to 60
  EXPECT_EQ(rgb_to_hue(0, 0, 255), 240.0f);
  EXPECT_EQ(rgb_to_hue(255, 0, 255), 300.0f);
  EXPECT_EQ(section_args_of(255, 0, 0), "159.744415 -19.000000");
  EXPECT_EQ(section_args_of(300, 0, 0), "159.744415 -19.000000");
  EXPECT_EQ(section_args_of(0, 0, 255), "159.744415 114.333336");
  for (int grey : {0, 128, 255}) {
    EXPECT_EQ(section_args_of(grey, grey, grey), "0.010000 -19.000000") << grey;
  }
  // Negative amounts give a negative saturation; the command floors it.
  EXPECT_EQ(section_args_of(-50, -10, -20).substr(0, 8), "0.010000");
}

TEST(ModulationTest, CommandLines) {
  SkinSettings settings;
  init_settings(settings);
  compute_modulation(settings);
  char line[kCommandBufferSize];
  format_section_command(line, settings.cs1, "Korvel Dazo Blue", "Images\\Controls\\CS1*.png");
  EXPECT_STREQ(line,
               ".\\skindata\\mogrify -quality 80 -type TrueColorAlpha -define "
               "modulate:colorspace=HSB -modulate 100,100.855583,100.015656 "
               "\".\\Korvel Dazo Blue\\Images\\Controls\\CS1*.png\"");

  settings.global_brightness = 10;
  settings.global_contrast = -20;
  settings.global_hue = 50;
  format_global_command(line, settings, "Korvel Dazo Blue", "Images\\Other\\*.png");
  EXPECT_STREQ(line,
               ".\\skindata\\mogrify -quality 80 -type TrueColorAlpha -define "
               "modulate:colorspace=HSB -colorspace sRGB -modulate "
               "110.000000,100.000000,150.000000 -brightness-contrast 0x-20.000000  "
               "\".\\Korvel Dazo Blue\\Images\\Other\\*.png\"");
}

}  // namespace
