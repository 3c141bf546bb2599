// The settings record: every answer of the wizard and every value derived
// from the answers that later stages need.
//
// There is one record per run, owned by the wizard driver and handed to each
// stage. The record is also the preset file format: a preset is the record's
// 2140 bytes as they stand in memory (little-endian, no padding), so the
// layout below is fixed to the byte and checked at compile time.
#ifndef SKINBUILDER_SETTINGS_SKIN_SETTINGS_H_
#define SKINBUILDER_SETTINGS_SKIN_SETTINGS_H_

#include <cstddef>
#include <cstdint>

// One colour section: the colour asked for and the two modulate arguments
// derived from it (recomputed before any use, so stored values never count).
struct SectionColor {
  int32_t red;
  int32_t green;
  int32_t blue;
  float modulate_hue;
  float modulate_saturation;
};

// Design numbers. 1 and 3 are single-colour designs, 2 and 4 multicolour,
// 3 and 4 the CUSTOM ones that ask questions; 5 and up pick a preset while
// the design menu is being answered.
enum Design : int32_t {
  kStandardSingle = 1,
  kStandardMulti = 2,
  kCustomSingle = 3,
  kCustomMulti = 4,
};

constexpr size_t kSkinNameSize = 256;
constexpr size_t kAdvancedOptionsSize = 1024;

struct SkinSettings {
  int32_t design_choice;
  int32_t eq_color_mode;
  int32_t knob_style;
  int32_t lock_icon_style;
  float sidebar_width;
  int32_t sidebar_brightness;
  int32_t sidebar_color_mode;
  int32_t flow_mod;
  int32_t tab_color_mode;
  char skin_name[kSkinNameSize];
  int32_t arp_icon_style;
  uint8_t reserved_1[512];
  int32_t reserved_2[9];
  float reserved_3[10];
  char version[12];
  SectionColor cs1;
  SectionColor cs2;
  SectionColor cs3;
  SectionColor cs4;
  int32_t sel_red;
  int32_t sel_green;
  int32_t sel_blue;
  uint8_t reserved_4[108];
  float global_hue;
  float global_saturation;
  float global_brightness;
  float global_contrast;
  int32_t global_adjust;
  char advanced_options[kAdvancedOptionsSize];
};

constexpr size_t kSettingsSize = 2140;

// The preset format version in the record, with its NUL.
inline constexpr char kSettingsVersion[5] = "11b5";

// The name of a CUSTOM skin until the user names it, and of any skin whose
// name cannot be used.
inline constexpr char kCustomSkinName[] = "Korvel Dazo Custom";

// Sets every field to its value at the start of a run (zero bytes where the
// record holds nothing yet, version "11b5", the five default colours).
void init_settings(SkinSettings& settings);

// Applies the defaults of design 1 to 4 after the design menu: the skin name
// and the sidebar brightness. Other numbers change nothing.
void apply_design_defaults(SkinSettings& settings);

// Sets skin_name; a name that does not fit leaves it empty, never cut.
void set_skin_name(SkinSettings& settings, const char* name);

// The design's properties that steer the stages.
bool is_standard(const SkinSettings& settings);    // designs 1 and 2
bool is_multicolor(const SkinSettings& settings);  // designs 2 and 4
bool is_custom(const SkinSettings& settings);      // designs 3 and up

// The four colour sections in tag order CS1..CS4; section is 1 to 4.
SectionColor& section_color(SkinSettings& settings, int section);
const SectionColor& section_color(const SkinSettings& settings, int section);

// The record's byte image, which is the preset file content.
const uint8_t* settings_bytes(const SkinSettings& settings);
uint8_t* settings_bytes(SkinSettings& settings);

#endif  // SKINBUILDER_SETTINGS_SKIN_SETTINGS_H_
