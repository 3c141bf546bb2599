#include "platform/terminal_image.h"

#include <algorithm>
#include <cstdio>

namespace {

struct Rgb {
  int red, green, blue;
};

// The mean colour of the source pixels under output pixel (x, y) of an
// output image of out_width by out_height, laid over black.
Rgb mean_colour(const RgbaImage& image, int x, int y, int out_width, int out_height) {
  long long x0 = 1LL * x * image.width / out_width, x1 = 1LL * (x + 1) * image.width / out_width;
  long long y0 = 1LL * y * image.height / out_height,
            y1 = 1LL * (y + 1) * image.height / out_height;
  x1 = std::max(x1, x0 + 1);
  y1 = std::max(y1, y0 + 1);
  long long sum[3] = {0, 0, 0};
  for (long long row = y0; row < y1; ++row) {
    for (long long column = x0; column < x1; ++column) {
      const unsigned char* pixel =
          &image.pixels[static_cast<size_t>((row * image.width + column) * 4)];
      for (int c = 0; c < 3; ++c) sum[c] += pixel[c] * pixel[3];
    }
  }
  long long count = (x1 - x0) * (y1 - y0) * 255;
  return {static_cast<int>((sum[0] + count / 2) / count),
          static_cast<int>((sum[1] + count / 2) / count),
          static_cast<int>((sum[2] + count / 2) / count)};
}

std::string colour_code(int layer, const Rgb& colour) {
  char code[40];
  std::snprintf(code, sizeof code, "\x1b[%d;2;%d;%d;%dm", layer, colour.red, colour.green,
                colour.blue);
  return code;
}

// The output size in pixels: at most `columns` wide and 2 * `rows` high,
// never larger than the image, aspect kept.
void fit(const RgbaImage& image, int columns, int rows, int& out_width, int& out_height) {
  out_width = std::min(std::max(columns, 1), image.width);
  out_height = static_cast<int>((1LL * image.height * out_width + image.width / 2) / image.width);
  int max_height = 2 * std::max(rows, 1);
  if (out_height > max_height) {
    out_height = max_height;
    out_width =
        static_cast<int>((1LL * image.width * out_height + image.height / 2) / image.height);
  }
  out_width = std::max(out_width, 1);
  out_height = std::max(out_height, 1);
}

}  // namespace

std::string half_block_text(const RgbaImage& image, int columns, int rows) {
  if (image.width <= 0 || image.height <= 0) return std::string();
  int out_width = 0, out_height = 0;
  fit(image, columns, rows, out_width, out_height);
  std::string text;
  for (int y = 0; y < out_height; y += 2) {
    for (int x = 0; x < out_width; ++x) {
      text += colour_code(38, mean_colour(image, x, y, out_width, out_height));
      text += y + 1 < out_height
                  ? colour_code(48, mean_colour(image, x, y + 1, out_width, out_height))
                  : "\x1b[49m";
      text += "\u2580";
    }
    text += "\x1b[0m\n";
  }
  return text;
}
