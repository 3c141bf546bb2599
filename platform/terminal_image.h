// Drawing an image in a text terminal or a Windows console that takes ANSI
// colour codes.
//
// Each character cell shows two pixels, one above the other: the upper half
// block U+2580 in the upper pixel's colour on the lower pixel's colour, both
// as 24-bit ANSI colours. The image is shrunk, never enlarged, to fit the
// columns and rows given, keeping its aspect (a cell is about twice as high
// as it is wide, so two pixel rows per cell keep pixels square); each cell
// colour is the mean of the pixels it covers, laid over black.
//
// The pixels come from the system's own decoder: on Windows its imaging
// component (WIC); elsewhere the system's ImageMagick, run as separate
// programs (identify for the size, stream for the raw pixels). The
// program's own PNG decoding (assembly/png_file.h) serves the build's check
// only.
#ifndef SKINBUILDER_PLATFORM_TERMINAL_IMAGE_H_
#define SKINBUILDER_PLATFORM_TERMINAL_IMAGE_H_

#include <string>
#include <vector>

struct RgbaImage {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> pixels;  // rows top to bottom, 4 bytes a pixel
};

// Far above any preview image, and within what ImageMagick's policy allows.
inline constexpr long long kMaxImagePixels = 16LL * 1024 * 1024;

// Reads the first frame of an image file, as straight (not premultiplied)
// red, green, blue and alpha; false when it cannot, or when the image holds
// more than kMaxImagePixels.
bool read_image_pixels(const std::string& path, RgbaImage& image);

// The text that draws the image in at most `columns` by `rows` cells, each
// line ending in a colour reset and a newline.
std::string half_block_text(const RgbaImage& image, int columns, int rows);

struct TerminalSize {
  int columns = 80;
  int rows = 40;
};

// The drawing area for a terminal (a console on Windows) on that C library
// descriptor: at most 80 columns, and the window's height less two lines for
// the question that follows; 80 by 40 when it is none.
TerminalSize terminal_size(int fd);

#endif  // SKINBUILDER_PLATFORM_TERMINAL_IMAGE_H_
