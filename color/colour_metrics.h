// How colours look to people: the measures behind the readability report.
//
// WCAG 2.x relative luminance and contrast ratio, and the CIEDE2000 colour
// difference of two colours in CIELAB (D65 white). Colours are 8-bit sRGB
// as the image tool reports them; everything is computed in double, since
// these numbers are only compared with thresholds and printed rounded.
#ifndef SKINBUILDER_COLOR_COLOUR_METRICS_H_
#define SKINBUILDER_COLOR_COLOUR_METRICS_H_

struct Rgb {
  int red;    // 0..255
  int green;  // 0..255
  int blue;   // 0..255
};

// An amount as typed (any int32) as a component: the nearest of 0..255.
int clamped_amount(int amount);

struct Lab {
  double lightness;  // L*, 0 (black) to 100 (white)
  double a;          // a*, green (negative) to red
  double b;          // b*, blue (negative) to yellow
};

// An sRGB component on the 0..1 scale made linear (WCAG 2.x: below 0.04045
// divided by 12.92, above it ((c + 0.055) / 1.055) to the power 2.4).
double srgb_to_linear(double component);

// 0 for black, 1 for white: 0.2126 R + 0.7152 G + 0.0722 B of the linear
// components. Components outside 0..255 are taken as the nearest end.
double relative_luminance(Rgb colour);

// (lighter + 0.05) / (darker + 0.05) of the two luminances: 1 for equal
// colours, 21 for black and white; the order of the two does not matter.
double contrast_ratio(Rgb first, Rgb second);

Lab srgb_to_lab(Rgb colour);

// The CIEDE2000 difference with the parametric factors kL = kC = kH = 1.
// About 1 is a just noticeable difference; symmetric in its arguments.
double ciede2000(Lab first, Lab second);

#endif  // SKINBUILDER_COLOR_COLOUR_METRICS_H_
