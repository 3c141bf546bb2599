// Pixel canvases the template images are drawn on.
//
// A canvas holds premultiplied floating-point RGBA, so that anti-aliased
// shapes can be laid over each other without fringes. Colours handed in and
// out are straight (not premultiplied), 0 to 1. Nothing here is random:
// the grain functions hash the pixel position with a seed, so every image
// comes out the same on every run and in every thread.
#ifndef SKINBUILDER_SKINDATA_CANVAS_H_
#define SKINBUILDER_SKINDATA_CANVAS_H_

#include <cstdint>
#include <vector>

#include "skindata/palette.h"

struct Color {
  float r = 0, g = 0, b = 0, a = 0;
};

Color rgb(int r, int g, int b, float alpha = 1.f);
Color color_of(Rgb8 c, float alpha = 1.f);
Color blue(float brightness = 1.f, float alpha = 1.f);  // a shade of the template blue
Color grey(int level, float alpha = 1.f);
Color with_alpha(Color c, float alpha);
// Multiplies red, green and blue: HSB hue and saturation stay as they are.
Color scaled(Color c, float factor);
Color mixed(Color from, Color to, float t);

struct Canvas {
  int width = 0;
  int height = 0;
  std::vector<Color> px;  // premultiplied, row by row
};

Canvas make_canvas(int width, int height, Color fill = Color{});
// Lays c over the pixel with the given coverage (0 to 1).
void blend_pixel(Canvas& canvas, int x, int y, Color c, float coverage);
// Lays src over dst with its top left corner at x, y.
void draw_canvas(Canvas& dst, const Canvas& src, int x, int y);
// Frames of one animation, top to bottom, in one strip.
Canvas stack_frames(const std::vector<Canvas>& frames);
// Straight 8-bit RGBA, row by row, for the image writer.
std::vector<uint8_t> to_rgba8(const Canvas& canvas);

// A value from -1 to 1 that depends only on x, y and seed.
float hash_noise(int x, int y, uint32_t seed);
// Multiplies each pixel's colour by 1 + amount * noise: fine grain that
// keeps hue and saturation.
void add_grain(Canvas& canvas, float amount, uint32_t seed);
// Horizontal streaks, as on brushed metal.
void add_brushed(Canvas& canvas, float amount, uint32_t seed);

#endif  // SKINBUILDER_SKINDATA_CANVAS_H_
