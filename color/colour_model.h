// What the image commands do to a colour, worked out in the program: the
// section command and the global command applied to one pixel, with the
// image tool's own arithmetic, so that the colour a skin will show can be
// predicted for any answer without running the tool.
//
// The arithmetic is ImageMagick 6's at 16 bits per channel: an 8-bit pixel
// is scaled to 0..65535, -modulate with modulate:colorspace=HSB converts it
// to hue (a fraction of a turn), saturation and brightness, turns the hue by
// (argument - 100) / 200 of a turn (taken modulo 200), multiplies saturation
// and brightness by their percentages, converts back rounding each channel
// to the nearest step within 0..65535; -brightness-contrast 0xC maps each
// channel v (0..1) to slope * v + (1 - slope) / 2 with slope
// tan(pi * (C / 100 + 1) / 4) (never below 0); the PNG written keeps 8 bits,
// (v + 128) / 257. "-colorspace sRGB" leaves an sRGB image as it is.
//
// The numbers of a command are taken as the command prints them (six
// decimals), since that is what the tool reads. Advanced options are not
// modelled: what they do to colours is anyone's guess, which is why every
// prediction that is shown to a user is confirmed with the real tool first.
#ifndef SKINBUILDER_COLOR_COLOUR_MODEL_H_
#define SKINBUILDER_COLOR_COLOUR_MODEL_H_

#include "color/colour_metrics.h"
#include "settings/skin_settings.h"

// A float command argument as the tool reads it: the value "%f" prints.
double as_printed(float value);

// -modulate brightness,saturation,hue (percentages) in HSB on one pixel.
Rgb modulate_hsb(Rgb pixel, double brightness, double saturation, double hue);

// -brightness-contrast 0xcontrast on one pixel.
Rgb brightness_contrast(Rgb pixel, double contrast);

// What every section colour of a skin goes through: the template's colour
// sample as drawn, then the section command, then the global command when
// global adjustments were chosen.
struct SkinLook {
  Rgb template_colour;
  bool adjusted;                                 // global adjustments chosen
  double brightness, saturation, hue, contrast;  // the global command's numbers
};

SkinLook skin_look_of(const SkinSettings& settings, Rgb template_colour);

// The colour the sample of a section shows when the section's colour is
// typed as red, green, blue (any amounts, as the questions take them).
Rgb predicted_colour(const SkinLook& look, Rgb typed);

// Its two steps: the sample after the section command alone, and what the
// global command makes of an 8-bit colour (the colour itself without global
// adjustments).
Rgb recoloured_colour(const SkinLook& look, Rgb typed);
Rgb globally_adjusted(const SkinLook& look, Rgb colour);

#endif  // SKINBUILDER_COLOR_COLOUR_MODEL_H_
