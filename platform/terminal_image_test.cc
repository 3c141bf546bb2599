#include "platform/terminal_image.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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

// A 3 x 2 picture with one half-transparent pixel, as ImageMagick writes it
// (PNG32, no other chunks): the system's decoder must give the same pixels.
const unsigned char kSamplePng[] = {
    0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a, 0x00, 0x00, 0x00, 0x0d, 0x49, 0x48, 0x44, 0x52,
    0x00, 0x00, 0x00, 0x03, 0x00, 0x00, 0x00, 0x02, 0x08, 0x06, 0x00, 0x00, 0x00, 0x9d, 0x74, 0x66,
    0x1a, 0x00, 0x00, 0x00, 0x22, 0x49, 0x44, 0x41, 0x54, 0x08, 0xd7, 0x05, 0xc1, 0x01, 0x0d, 0x00,
    0x20, 0x0c, 0xc0, 0xb0, 0xe1, 0x00, 0x09, 0x48, 0x98, 0xc3, 0xe7, 0xca, 0x47, 0x4b, 0x10, 0x11,
    0xd4, 0xb9, 0xcf, 0xd4, 0x55, 0xe7, 0x03, 0x87, 0x50, 0x09, 0x7b, 0x79, 0x83, 0x97, 0x8a, 0x00,
    0x00, 0x00, 0x00, 0x49, 0x45, 0x4e, 0x44, 0xae, 0x42, 0x60, 0x82};

TEST_F(TerminalImageFileTest, ReadsThePixelsOfARealPng) {
  write_file("sample picture.png",
             std::string(reinterpret_cast<const char*>(kSamplePng), sizeof kSamplePng));
  RgbaImage image;
  ASSERT_TRUE(read_image_pixels("sample picture.png", image));
  EXPECT_EQ(image.width, 3);
  EXPECT_EQ(image.height, 2);
  const std::vector<unsigned char> expected = {255, 0,  0,   255, 0,   255, 0,   255,
                                               0,   0,  255, 255, 16,  32,  48,  255,
                                               64,  80, 96,  128, 112, 128, 144, 255};
  EXPECT_EQ(image.pixels, expected);

  EXPECT_FALSE(read_image_pixels("missing.png", image));
  write_file("broken.png", "not a png");
  EXPECT_FALSE(read_image_pixels("broken.png", image));
}

}  // namespace
