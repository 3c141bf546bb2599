// Terminal drawing is used only where cmd.exe does not show images itself.
#ifndef _WIN32

#include "platform/terminal_image.h"

#include "platform/launcher.h"
#include "platform/test_folder.h"

namespace {

RgbaImage image_of(int width, int height, std::vector<unsigned char> pixels) {
  RgbaImage image;
  image.width = width;
  image.height = height;
  image.pixels = std::move(pixels);
  return image;
}

const char kBlock[] = "\u2580";

TEST(TerminalImageTest, DrawsTwoPixelRowsPerCell) {
  RgbaImage red_over_blue = image_of(1, 2, {255, 0, 0, 255, 0, 0, 255, 255});
  EXPECT_EQ(half_block_text(red_over_blue, 80, 40),
            std::string("\x1b[38;2;255;0;0m\x1b[48;2;0;0;255m") + kBlock + "\x1b[0m\n");

  // An odd last row has no lower pixel; transparency shows black.
  RgbaImage three_rows = image_of(1, 3, {10, 20, 30, 255, 40, 50, 60, 255, 200, 100, 50, 0});
  EXPECT_EQ(half_block_text(three_rows, 80, 40),
            std::string("\x1b[38;2;10;20;30m\x1b[48;2;40;50;60m") + kBlock + "\x1b[0m\n" +
                "\x1b[38;2;0;0;0m\x1b[49m" + kBlock + "\x1b[0m\n");
  EXPECT_EQ(half_block_text(RgbaImage(), 80, 40), "");
}

TEST(TerminalImageTest, ShrinksToTheColumnsKeepingTheAspect) {
  // 160 x 4 pixels of alternating black and white columns: 80 cells of grey,
  // two pixel rows high, so a single line of text.
  std::vector<unsigned char> pixels;
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 160; ++x) {
      unsigned char v = x % 2 == 0 ? 0 : 254;
      pixels.insert(pixels.end(), {v, v, v, 255});
    }
  }
  std::string text = half_block_text(image_of(160, 4, pixels), 80, 40);
  std::string grey_cell = std::string("\x1b[38;2;127;127;127m\x1b[48;2;127;127;127m") + kBlock;
  std::string row;
  for (int i = 0; i < 80; ++i) row += grey_cell;
  EXPECT_EQ(text, row + "\x1b[0m\n");

  // A tall image is held to the rows: 10 x 400 in 4 rows is 8 pixel rows,
  // so 1 column (10 * 8 / 400 rounds to 0, kept at 1).
  std::vector<unsigned char> tall(10 * 400 * 4, 255);
  std::string tall_text = half_block_text(image_of(10, 400, tall), 80, 4);
  size_t lines = 0, blocks = 0;
  for (size_t at = 0; (at = tall_text.find('\n', at)) != std::string::npos; ++at) ++lines;
  for (size_t at = 0; (at = tall_text.find(kBlock, at)) != std::string::npos; ++at) ++blocks;
  EXPECT_EQ(lines, 4u);
  EXPECT_EQ(blocks, 4u);
}

class TerminalImageFileTest : public TempFolderTest {};

TEST_F(TerminalImageFileTest, ReadsThePixelsOfARealPng) {
  // A 3 x 2 picture written as PPM and turned into PNG by ImageMagick.
  std::string ppm = "P6\n3 2\n255\n";
  const unsigned char rgb[] = {255, 0,  0,  0,  255, 0,  0,   0,   255,
                               16,  32, 48, 64, 80,  96, 112, 128, 144};
  ppm.append(reinterpret_cast<const char*>(rgb), sizeof rgb);
  write_file("sample picture.ppm", ppm);
  ASSERT_EQ(run_program({"mogrify", "-format", "png", "sample picture.ppm"}, StandardStreams()), 0);

  RgbaImage image;
  ASSERT_TRUE(read_image_pixels("sample picture.png", image));
  EXPECT_EQ(image.width, 3);
  EXPECT_EQ(image.height, 2);
  std::vector<unsigned char> expected;
  for (size_t i = 0; i < sizeof rgb; i += 3)
    expected.insert(expected.end(), {rgb[i], rgb[i + 1], rgb[i + 2], 255});
  EXPECT_EQ(image.pixels, expected);

  EXPECT_FALSE(read_image_pixels("missing.png", image));
  write_file("broken.png", "not a png");
  EXPECT_FALSE(read_image_pixels("broken.png", image));
}

}  // namespace

#endif  // _WIN32
