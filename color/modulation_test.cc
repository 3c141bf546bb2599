#include "color/modulation.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

// A section command's two numbers as they are printed, "saturation hue".
std::string printed_args(const SectionColor& colour) {
  SectionArgs args = section_modulate_args(colour);
  char text[64];
  std::snprintf(text, sizeof text, "%f %f", static_cast<double>(args.saturation),
                static_cast<double>(args.hue));
  return text;
}

std::string args_of(int red, int green, int blue) {
  SkinSettings settings;
  init_settings(settings);
  settings.cs1 = SectionColor{red, green, blue, 0.0f, 0.0f};
  compute_modulation(settings);
  return printed_args(settings.cs1);
}

TEST(ModulationTest, DefaultSectionColoursGiveTheKnownDigits) {
  SkinSettings settings;
  init_settings(settings);
  compute_modulation(settings);
  const char* expected[] = {"100.855583 100.015656", "96.669373 0.148933", "115.370972 63.478642",
                            "0.010000 -19.000000"};
  for (int section = 1; section <= 4; ++section) {
    EXPECT_EQ(expected[section - 1], printed_args(section_color(settings, section))) << section;
  }
  // The floor applies to the command only; the record keeps the computed 0.
  EXPECT_EQ(settings.cs4.modulate_saturation, 0.0f);
}

TEST(ModulationTest, HueAndSaturationEdgeCases) {
  EXPECT_FLOAT_EQ(214.22818f, rgb_to_hue(87, 151, 236));
  EXPECT_EQ(rgb_to_hue(200, 200, 50), 60.0f);  // red wins the tie: 420 wraps to 60
  EXPECT_EQ(args_of(255, 0, 0), "159.744415 -19.000000");
  EXPECT_EQ(args_of(300, 0, 0), "159.744415 -19.000000");
  EXPECT_EQ(args_of(0, 0, 255), "159.744415 114.333336");
  for (int grey : {0, 128, 255}) EXPECT_EQ(args_of(grey, grey, grey), "0.010000 -19.000000");
  // Negative amounts give a negative saturation; the command floors it.
  EXPECT_EQ(args_of(-50, -10, -20).substr(0, 8), "0.010000");
}

}  // namespace
