// Terminal drawing is used only where cmd.exe does not show images itself.
#ifndef _WIN32

#include "platform/terminal_image.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/launcher.h"
#include "tests/test_support.h"

namespace {

const char kBlock[] = "\u2580";

TEST(TerminalImageTest, DrawsTwoPixelRowsPerCell) {
  RgbaImage red_over_blue{1, 2, {255, 0, 0, 255, 0, 0, 255, 255}};
  EXPECT_EQ(half_block_text(red_over_blue, 80, 40),
            std::string("\x1b[38;2;255;0;0m\x1b[48;2;0;0;255m") + kBlock + "\x1b[0m\n");

  // An odd last row has no lower pixel; transparency shows black.
  RgbaImage three_rows{1, 3, {10, 20, 30, 255, 40, 50, 60, 255, 200, 100, 50, 0}};
  EXPECT_EQ(half_block_text(three_rows, 80, 40),
            std::string("\x1b[38;2;10;20;30m\x1b[48;2;40;50;60m") + kBlock + "\x1b[0m\n" +
                "\x1b[38;2;0;0;0m\x1b[49m" + kBlock + "\x1b[0m\n");
  EXPECT_EQ(half_block_text(RgbaImage(), 80, 40), "");
}

TEST(TerminalImageTest, ShrinksToTheColumnsKeepingTheAspect) {
  // 160 x 4 pixels of alternating black and white columns: 80 cells of grey,
  // two pixel rows high, so a single line of text.
  std::vector<unsigned char> pixels;
  for (int i = 0; i < 4 * 160; ++i) {
    unsigned char v = i % 2 == 0 ? 0 : 254;
    pixels.insert(pixels.end(), {v, v, v, 255});
  }
  std::string text = half_block_text(RgbaImage{160, 4, pixels}, 80, 40);
  std::string grey_cell = std::string("\x1b[38;2;127;127;127m\x1b[48;2;127;127;127m") + kBlock;
  std::string row;
  for (int i = 0; i < 80; ++i) row += grey_cell;
  EXPECT_EQ(text, row + "\x1b[0m\n");
}

using TerminalImageFileTest = ScratchFolderTest;

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
