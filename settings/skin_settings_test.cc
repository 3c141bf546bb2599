#include "settings/skin_settings.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

int32_t int_at(const uint8_t* bytes, size_t offset) {
  return static_cast<int32_t>(bytes[offset] | bytes[offset + 1] << 8 | bytes[offset + 2] << 16 |
                              static_cast<uint32_t>(bytes[offset + 3]) << 24);
}

TEST(SkinSettings, NewRecordByteImage) {
  SkinSettings settings;
  std::memset(&settings, 0xAB, sizeof settings);  // init must not leave stale bytes
  init_settings(settings);
  const uint8_t* bytes = settings_bytes(settings);

  EXPECT_EQ(0, std::memcmp(bytes + 884, "11b5\0\0\0\0\0\0\0\0", 12));
  for (size_t i = 0; i < 9; ++i) EXPECT_EQ(1, int_at(bytes, 808 + 4 * i)) << i;
  const uint8_t one_float[] = {0x00, 0x00, 0x80, 0x3F};
  for (size_t i = 0; i < 10; ++i) EXPECT_EQ(0, std::memcmp(bytes + 844 + 4 * i, one_float, 4)) << i;
  for (size_t i = 296; i < 808; ++i) ASSERT_EQ(0, bytes[i]) << "reserved_1 at " << i;
  for (size_t i = 988; i < 1096; ++i) ASSERT_EQ(0, bytes[i]) << "reserved_4 at " << i;
  for (size_t i = 36; i < 292; ++i) ASSERT_EQ(0, bytes[i]) << "skin_name at " << i;
  for (size_t i = 1116; i < kSettingsSize; ++i) ASSERT_EQ(0, bytes[i]) << "options at " << i;

  EXPECT_EQ(1, int_at(bytes, 0));                                // design_choice
  EXPECT_EQ(0, std::memcmp(bytes + 16, "\x00\x00\x00\x40", 4));  // sidebar_width 2.0
  EXPECT_EQ(87, int_at(bytes, 896));                             // cs1 red
  EXPECT_EQ(236, int_at(bytes, 904));                            // cs1 blue
  EXPECT_EQ(221, int_at(bytes, 956));                            // cs4 red
  EXPECT_EQ(216, int_at(bytes, 976));                            // sel_red
  EXPECT_EQ(62, int_at(bytes, 984));                             // sel_blue
  EXPECT_EQ(1, int_at(bytes, 1112));                             // global_adjust
}

TEST(SkinSettings, GlobalAdjustmentsLieInHueSaturationBrightnessContrastOrder) {
  SkinSettings settings;
  init_settings(settings);
  settings.global_brightness = 10;
  settings.global_contrast = 20;
  settings.global_saturation = 30;
  settings.global_hue = 40;
  const uint8_t* bytes = settings_bytes(settings);
  float values[4];
  std::memcpy(values, bytes + 1096, sizeof values);
  EXPECT_EQ(40.0f, values[0]);
  EXPECT_EQ(30.0f, values[1]);
  EXPECT_EQ(10.0f, values[2]);
  EXPECT_EQ(20.0f, values[3]);
}

TEST(SkinSettings, DesignDefaults) {
  struct Case {
    int32_t design;
    const char* name;
    int32_t brightness;
  } cases[] = {
      {1, "Korvel Dazo Blue", 0},
      {2, "Korvel Dazo Colorized", 63},
      {3, "Korvel Dazo Custom", 0},
      {4, "Korvel Dazo Custom", 63},
  };
  for (const Case& c : cases) {
    SkinSettings settings;
    init_settings(settings);
    settings.design_choice = c.design;
    apply_design_defaults(settings);
    EXPECT_STREQ(c.name, settings.skin_name) << c.design;
    EXPECT_EQ(c.brightness, settings.sidebar_brightness) << c.design;
    EXPECT_EQ(c.design == 2 || c.design == 4, is_multicolor(settings)) << c.design;
  }
  SkinSettings preset_pick;
  init_settings(preset_pick);
  preset_pick.design_choice = 5;
  apply_design_defaults(preset_pick);
  EXPECT_STREQ("", preset_pick.skin_name);
}

}  // namespace
