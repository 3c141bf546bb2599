#include "skindata/png_writer.h"

#include <Magick++.h>

#include <vector>

void init_png_writer(const char* program_path) {
  Magick::InitializeMagick(program_path);
  // The generator runs its own worker threads over independent images;
  // OpenMP threads inside each call would only compete with them.
  Magick::ResourceLimits::thread(1);
}

void write_png(const Canvas& canvas, const std::string& path) {
  std::vector<uint8_t> pixels = to_rgba8(canvas);
  Magick::Image image(canvas.width, canvas.height, "RGBA", Magick::CharPixel, pixels.data());
  image.depth(8);
  image.strip();
  image.defineValue("png", "color-type", "6");
  image.defineValue("png", "bit-depth", "8");
  image.defineValue("png", "exclude-chunk", "date,time,tEXt,zTXt,iTXt");
  image.write(path);
}
