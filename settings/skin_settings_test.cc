#include "settings/skin_settings.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "tests/test_support.h"

namespace {

std::string bytes_of(const void* data, size_t size) {
  return std::string(static_cast<const char*>(data), size);
}

TEST(SkinSettings, NewRecordByteImage) {
  SkinSettings settings;
  std::memset(&settings, 0xAB, sizeof settings);  // init must not leave stale bytes
  init_settings(settings);
  std::string image = bytes_of(settings_bytes(settings), kSettingsSize);

  // Design 1, EQ, knob and lock styles 1, width 2.0, brightness 0, the three modes 1.
  const int32_t head[] = {1, 1, 1, 1, 0x40000000, 0, 1, 1, 1};
  EXPECT_EQ(bytes_of(head, sizeof head), image.substr(0, 36));
  EXPECT_EQ(std::string(256, '\0'), image.substr(36, 256));   // skin_name
  EXPECT_EQ(1, image[292]);                                   // arp_icon_style
  EXPECT_EQ(std::string(512, '\0'), image.substr(296, 512));  // reserved_1
  const int32_t one = 1;
  const float one_float = 1.0f;
  std::string ones;  // reserved_2: nine int32 1s, reserved_3: ten float 1.0s
  for (int i = 0; i < 19; ++i) ones += i < 9 ? bytes_of(&one, 4) : bytes_of(&one_float, 4);
  EXPECT_EQ(ones, image.substr(808, 76));
  EXPECT_EQ(std::string("11b5\0\0\0\0\0\0\0\0", 12), image.substr(884, 12));
  // The four sections' colours with zero arguments, then the selection colour.
  const int32_t colours[] = {87,  151, 236, 0,   0,   233, 173, 92, 0,   0,  60, 216,
                             134, 0,   0,   221, 221, 221, 0,   0,  216, 99, 62};
  EXPECT_EQ(bytes_of(colours, sizeof colours), image.substr(896, 92));
  EXPECT_EQ(std::string(124, '\0'), image.substr(988, 124));  // reserved_4, global values
  EXPECT_EQ(1, image[1112]);                                  // global_adjust
  EXPECT_EQ(std::string(1024, '\0'), image.substr(1116));     // advanced_options
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
      {5, "", 0},  // a preset pick changes nothing
  };
  for (const Case& c : cases) {
    SkinSettings settings = design_settings(c.design);
    EXPECT_STREQ(c.name, settings.skin_name) << c.design;
    EXPECT_EQ(c.brightness, settings.sidebar_brightness) << c.design;
    EXPECT_EQ(c.design == 2 || c.design == 4, is_multicolor(settings)) << c.design;
  }
}

}  // namespace
