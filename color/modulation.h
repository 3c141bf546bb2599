// The colour formulas: how a picked colour becomes the hue and saturation
// arguments of the image tool's -modulate, and how the global adjustments
// become the arguments of the global command.
//
// The template skin is drawn in one blue (HSB hue 214.2 degrees, saturation
// 62.6 percent). A section command turns that blue's hue and saturation onto
// the picked colour's while each pixel keeps its brightness. All arithmetic
// is 32-bit float, step by step in a fixed order, because the commands print
// the values with six decimals and users compare those digits.
#ifndef SKINBUILDER_COLOR_MODULATION_H_
#define SKINBUILDER_COLOR_MODULATION_H_

#include "settings/skin_settings.h"

// Hue in degrees, at least 0 and below 360, of amounts on the 0-255 scale.
float rgb_to_hue(float red, float green, float blue);

// Sets modulate_hue and modulate_saturation of one section from its colour.
void compute_section_modulation(SectionColor& color);

// Sets modulate_hue and modulate_saturation of cs1..cs4 from their colours.
void compute_modulation(SkinSettings& settings);

struct SectionArgs {
  float saturation;  // modulate_saturation, raised to 0.01 when smaller
  float hue;         // modulate_hue as it is
};
SectionArgs section_modulate_args(const SectionColor& section);

struct GlobalArgs {
  float brightness;  // 100 + global_brightness
  float saturation;  // 100 + global_saturation
  float hue;         // 100 + global_hue
  float contrast;    // global_contrast as entered
};
GlobalArgs global_modulate_args(const SkinSettings& settings);

// The two image commands, composed for one file or pattern inside a folder
// (both relative to the working folder, without the leading ".\").
void format_section_command(char* buffer, const SectionColor& section, const char* folder,
                            const char* file);
void format_global_command(char* buffer, const SkinSettings& settings, const char* folder,
                           const char* file);

#endif  // SKINBUILDER_COLOR_MODULATION_H_
