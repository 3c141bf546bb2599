// Drawing an image in a text terminal (POSIX).
//
// Each character cell shows two pixels, one above the other: the upper half
// block U+2580 in the upper pixel's colour on the lower pixel's colour, both
// as 24-bit ANSI colours. The image is shrunk, never enlarged, to fit the
// columns and rows given, keeping its aspect (a cell is about twice as high
// as it is wide, so two pixel rows per cell keep pixels square); each cell
// colour is the mean of the pixels it covers, laid over black.
//
// The pixels come from the system's ImageMagick, run as separate programs
// (identify for the size, stream for the raw pixels), so the program itself
// needs no image library.
#ifndef SKINBUILDER_PLATFORM_TERMINAL_IMAGE_H_
#define SKINBUILDER_PLATFORM_TERMINAL_IMAGE_H_

#include <string>
#include <vector>

struct RgbaImage {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> pixels;  // rows top to bottom, 4 bytes a pixel
};

// Reads the first frame of an image file; false when it cannot.
bool read_image_pixels(const std::string& path, RgbaImage& image);

// The text that draws the image in at most `columns` by `rows` cells, each
// line ending in a colour reset and a newline.
std::string half_block_text(const RgbaImage& image, int columns, int rows);

struct TerminalSize {
  int columns = 80;
  int rows = 40;
};

// The drawing area for a terminal on that descriptor: at most 80 columns,
// and the window's height less two lines for the question that follows.
TerminalSize terminal_size(int fd);

#endif  // SKINBUILDER_PLATFORM_TERMINAL_IMAGE_H_
