#include "settings/skin_settings.h"

#include <cstring>
#include <type_traits>

#include "assembly/commands.h"

// The preset file is this record byte for byte; any change to the layout
// would silently break every preset that users have shared.
static_assert(std::is_standard_layout<SkinSettings>::value, "the record is a byte image");
static_assert(std::is_trivially_copyable<SkinSettings>::value, "the record is a byte image");
static_assert(sizeof(float) == 4, "float32 fields");
static_assert(sizeof(SectionColor) == 20, "SectionColor is 20 bytes");
static_assert(offsetof(SectionColor, modulate_hue) == 12, "SectionColor layout");
static_assert(offsetof(SectionColor, modulate_saturation) == 16, "SectionColor layout");
static_assert(sizeof(SkinSettings) == kSettingsSize, "SkinSettings is 2140 bytes");
static_assert(offsetof(SkinSettings, design_choice) == 0x000, "layout");
static_assert(offsetof(SkinSettings, eq_color_mode) == 0x004, "layout");
static_assert(offsetof(SkinSettings, knob_style) == 0x008, "layout");
static_assert(offsetof(SkinSettings, lock_icon_style) == 0x00C, "layout");
static_assert(offsetof(SkinSettings, sidebar_width) == 0x010, "layout");
static_assert(offsetof(SkinSettings, sidebar_brightness) == 0x014, "layout");
static_assert(offsetof(SkinSettings, sidebar_color_mode) == 0x018, "layout");
static_assert(offsetof(SkinSettings, flow_mod) == 0x01C, "layout");
static_assert(offsetof(SkinSettings, tab_color_mode) == 0x020, "layout");
static_assert(offsetof(SkinSettings, skin_name) == 0x024, "layout");
static_assert(offsetof(SkinSettings, arp_icon_style) == 0x124, "layout");
static_assert(offsetof(SkinSettings, reserved_1) == 0x128, "layout");
static_assert(offsetof(SkinSettings, reserved_2) == 0x328, "layout");
static_assert(offsetof(SkinSettings, reserved_3) == 0x34C, "layout");
static_assert(offsetof(SkinSettings, version) == 0x374, "layout");
static_assert(offsetof(SkinSettings, cs1) == 0x380, "layout");
static_assert(offsetof(SkinSettings, cs2) == 0x394, "layout");
static_assert(offsetof(SkinSettings, cs3) == 0x3A8, "layout");
static_assert(offsetof(SkinSettings, cs4) == 0x3BC, "layout");
static_assert(offsetof(SkinSettings, sel_red) == 0x3D0, "layout");
static_assert(offsetof(SkinSettings, sel_green) == 0x3D4, "layout");
static_assert(offsetof(SkinSettings, sel_blue) == 0x3D8, "layout");
static_assert(offsetof(SkinSettings, reserved_4) == 0x3DC, "layout");
static_assert(offsetof(SkinSettings, global_hue) == 0x448, "layout");
static_assert(offsetof(SkinSettings, global_saturation) == 0x44C, "layout");
static_assert(offsetof(SkinSettings, global_brightness) == 0x450, "layout");
static_assert(offsetof(SkinSettings, global_contrast) == 0x454, "layout");
static_assert(offsetof(SkinSettings, global_adjust) == 0x458, "layout");
static_assert(offsetof(SkinSettings, advanced_options) == 0x45C, "layout");


namespace {

void set_color(SectionColor& color, int32_t red, int32_t green, int32_t blue) {
  color = SectionColor{red, green, blue, 0.0f, 0.0f};
}

}  // namespace

void set_skin_name(SkinSettings& settings, const char* name) {
  format_bounded(settings.skin_name, sizeof settings.skin_name, "%s", name);
}

void init_settings(SkinSettings& settings) {
  std::memset(&settings, 0, sizeof settings);
  settings.design_choice = kStandardSingle;
  settings.eq_color_mode = 1;
  settings.knob_style = 1;
  settings.lock_icon_style = 1;
  settings.sidebar_width = 2.0f;
  settings.sidebar_color_mode = 1;
  settings.flow_mod = 1;
  settings.tab_color_mode = 1;
  settings.arp_icon_style = 1;
  for (int32_t& value : settings.reserved_2) value = 1;
  for (float& value : settings.reserved_3) value = 1.0f;
  std::memcpy(settings.version, kSettingsVersion, sizeof kSettingsVersion);
  set_color(settings.cs1, 87, 151, 236);
  set_color(settings.cs2, 233, 173, 92);
  set_color(settings.cs3, 60, 216, 134);
  set_color(settings.cs4, 221, 221, 221);
  settings.sel_red = 216;
  settings.sel_green = 99;
  settings.sel_blue = 62;
  settings.global_adjust = 1;
}

void apply_design_defaults(SkinSettings& settings) {
  switch (settings.design_choice) {
    case kStandardSingle:
      set_skin_name(settings, "Korvel Dazo Blue");
      break;
    case kStandardMulti:
      set_skin_name(settings, "Korvel Dazo Colorized");
      settings.sidebar_brightness = 63;
      break;
    case kCustomSingle:
      set_skin_name(settings, kCustomSkinName);
      break;
    case kCustomMulti:
      set_skin_name(settings, kCustomSkinName);
      settings.sidebar_brightness = 63;
      break;
    default:
      break;
  }
}

bool is_standard(const SkinSettings& settings) {
  return settings.design_choice == kStandardSingle || settings.design_choice == kStandardMulti;
}

bool is_multicolor(const SkinSettings& settings) {
  return settings.design_choice == kStandardMulti || settings.design_choice == kCustomMulti;
}

bool is_custom(const SkinSettings& settings) {
  return settings.design_choice >= kCustomSingle;
}

SectionColor& section_color(SkinSettings& settings, int section) {
  SectionColor* sections[] = {&settings.cs1, &settings.cs2, &settings.cs3, &settings.cs4};
  return *sections[section - 1];
}

const SectionColor& section_color(const SkinSettings& settings, int section) {
  return section_color(const_cast<SkinSettings&>(settings), section);
}

const uint8_t* settings_bytes(const SkinSettings& settings) {
  return reinterpret_cast<const uint8_t*>(&settings);
}

uint8_t* settings_bytes(SkinSettings& settings) {
  return reinterpret_cast<uint8_t*>(&settings);
}
