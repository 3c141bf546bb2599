// The colours the template skin is drawn in.
//
// Every section-coloured element is a shade of one blue (hue 214.2 degrees,
// saturation 62.6 percent in HSB), because the recolouring pass moves
// exactly that hue and saturation onto the user's colours. Shades are made
// by scaling red, green and blue together, which keeps hue and saturation
// and so recolours cleanly. Everything else is neutral grey, which
// recolouring leaves alone. Header only: the tests read these too.
#ifndef SKINBUILDER_SKINDATA_PALETTE_H_
#define SKINBUILDER_SKINDATA_PALETTE_H_

#include "scripts/template_greys.h"

struct Rgb8 {
  int r, g, b;
};

// Six hexadecimal digits, as the scripts write a colour.
constexpr int hex_digit_value(char c) {
  return c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10;
}
constexpr Rgb8 rgb8_of(const char* hex) {
  return {hex_digit_value(hex[0]) * 16 + hex_digit_value(hex[1]),
          hex_digit_value(hex[2]) * 16 + hex_digit_value(hex[3]),
          hex_digit_value(hex[4]) * 16 + hex_digit_value(hex[5])};
}

// HSB 214.23 degrees, 62.61 percent, brightness 93 percent.
constexpr Rgb8 kTemplateBlue{89, 153, 238};

// The grey samples, measured after global adjustments: drawn in the greys
// the scripts take when nothing was adjusted.
constexpr Rgb8 kLightGreySample = rgb8_of(kFixedLightGray);
constexpr Rgb8 kMiddleGreySample = rgb8_of(kFixedMiddleGray);
constexpr Rgb8 kDarkGreySample = rgb8_of(kFixedDarkGray);

// Neutral grounds and details of the drawings.
constexpr Rgb8 kGroundDark{0x1e, 0x1e, 0x1e};
constexpr Rgb8 kGroundMid{0x2c, 0x2c, 0x2c};
constexpr Rgb8 kGroundLight{0x3a, 0x3a, 0x3a};
constexpr Rgb8 kLineGrey{0x55, 0x55, 0x55};
constexpr Rgb8 kTextGrey{0xb4, 0xb4, 0xb4};

#endif  // SKINBUILDER_SKINDATA_PALETTE_H_
