#include "color/modulation.h"

#include <cmath>

#include "assembly/commands.h"

namespace {

constexpr float kTemplateHue = 214.2f;
constexpr float kTemplateSaturation = 62.6f;
constexpr float kHalfTurn = 180.0f;
constexpr float kSaturationFloor = 0.01f;

// An amount on the 0-255 scale brought to 0..1: divided in double and
// rounded to float, which is what the printed digits were made with.
float unit_amount(float amount) {
  return static_cast<float>(amount / 255.0);
}

struct Extremes {
  float r, g, b, max, min;
};

Extremes extremes_of(float red, float green, float blue) {
  Extremes e;
  e.r = unit_amount(red);
  e.g = unit_amount(green);
  e.b = unit_amount(blue);
  e.max = e.r > e.g ? e.r : e.g;
  e.max = e.max > e.b ? e.max : e.b;
  e.min = e.r < e.g ? e.r : e.g;
  e.min = e.min < e.b ? e.min : e.b;
  return e;
}

// One sector of the hue circle: (a - b) / d * 60 + offset, each step in float
// so that no compiler setting can carry an intermediate in double.
float hue_in_sector(float a, float b, float d, float offset) {
  float h = a - b;
  h = h / d;
  h = h * 60.0f;
  h = h + offset;
  return h;
}

// Saturation in percent; 0 for black.
float saturation_percent(float red, float green, float blue) {
  Extremes e = extremes_of(red, green, blue);
  if (e.max == 0.0f) return 0.0f;
  float s = e.max - e.min;
  s = s / e.max;
  s = s * 100.0f;
  return s;
}

}  // namespace

float rgb_to_hue(float red, float green, float blue) {
  Extremes e = extremes_of(red, green, blue);
  if (e.max == e.min) return 0.0f;
  float d = e.max - e.min;
  float h;
  // Red is tested first, so a tie of red with another maximum takes red's sector.
  if (e.max == e.r) {
    h = hue_in_sector(e.g, e.b, d, 360.0f);
  } else if (e.max == e.g) {
    h = hue_in_sector(e.b, e.r, d, 120.0f);
  } else {
    h = hue_in_sector(e.r, e.g, d, 240.0f);
  }
  return static_cast<float>(std::fmod(static_cast<double>(h), 360.0));
}

void compute_section_modulation(SectionColor& color) {
  float red = static_cast<float>(color.red);
  float green = static_cast<float>(color.green);
  float blue = static_cast<float>(color.blue);
  float hue = rgb_to_hue(red, green, blue);
  hue = hue - kTemplateHue;
  hue = hue * 100.0f;
  hue = hue / kHalfTurn;
  hue = hue + 100.0f;
  float saturation = saturation_percent(red, green, blue);
  saturation = saturation * 100.0f;
  saturation = saturation / kTemplateSaturation;
  color.modulate_hue = hue;
  color.modulate_saturation = saturation;
}

void compute_modulation(SkinSettings& settings) {
  for (int section = 1; section <= 4; ++section) {
    compute_section_modulation(section_color(settings, section));
  }
}

SectionArgs section_modulate_args(const SectionColor& section) {
  SectionArgs args;
  args.saturation = section.modulate_saturation < kSaturationFloor ? kSaturationFloor
                                                                   : section.modulate_saturation;
  args.hue = section.modulate_hue;
  return args;
}

GlobalArgs global_modulate_args(const SkinSettings& settings) {
  GlobalArgs args;
  args.brightness = settings.global_brightness + 100.0f;
  args.saturation = settings.global_saturation + 100.0f;
  args.hue = settings.global_hue + 100.0f;
  args.contrast = settings.global_contrast;
  return args;
}

void format_section_command(char* buffer, const SectionColor& section, const char* folder,
                            const char* file) {
  SectionArgs args = section_modulate_args(section);
  format_command(buffer,
                 ".\\skindata\\mogrify -quality 80 -type TrueColorAlpha -define "
                 "modulate:colorspace=HSB -modulate 100,%f,%f \".\\%s\\%s\"",
                 static_cast<double>(args.saturation), static_cast<double>(args.hue), folder, file);
}

void format_global_command(char* buffer, const SkinSettings& settings, const char* folder,
                           const char* file) {
  GlobalArgs args = global_modulate_args(settings);
  format_command(buffer,
                 ".\\skindata\\mogrify -quality 80 -type TrueColorAlpha -define "
                 "modulate:colorspace=HSB -colorspace sRGB -modulate %f,%f,%f "
                 "-brightness-contrast 0x%f %s \".\\%s\\%s\"",
                 static_cast<double>(args.brightness), static_cast<double>(args.saturation),
                 static_cast<double>(args.hue), static_cast<double>(args.contrast),
                 settings.advanced_options, folder, file);
}
