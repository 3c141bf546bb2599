#include "assembly/png_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/test_support.h"

namespace {

TEST(PngFile, OnlyAWholeImageCounts) {
  std::string whole = png_image(3, 2);
  auto inspect = [](const std::string& bytes) {
    return inspect_png_bytes(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
  };
  PngFacts facts = inspect(whole);
  EXPECT_EQ(PngState::kWhole, facts.state);
  EXPECT_EQ(3u, facts.width);
  EXPECT_EQ(2u, facts.height);
  EXPECT_EQ(PngState::kEmpty, inspect("").state);
  // The CRC takes eight bytes a step: a grey row of 1 to 8 pixels leaves
  // every remainder.
  for (std::uint32_t width = 1; width <= 8; ++width) {
    EXPECT_EQ(PngState::kWhole, inspect(png_of_type(width, 1, 8, 0, std::string(width, 'g'))).state)
        << width;
  }

  std::string flipped = whole;
  flipped[45] ^= 1;  // a bit of the image data: its chunk's CRC no longer matches
  std::string long_chunk = whole;
  long_chunk[8 + 25 + 3] = '\x7f';  // IDAT claims more bytes than the file has
  for (const std::string& damaged :
       {whole.substr(0, whole.size() - 12), whole.substr(0, 40), whole.substr(0, 8), flipped,
        long_chunk, std::string("GIF89a") + whole.substr(6), std::string(100, '\0')}) {
    EXPECT_EQ(PngState::kDamaged, inspect(damaged).state) << damaged.size();
  }
}

std::string rgba_of(const PngPixels& pixels) {
  return std::string(pixels.rgba.begin(), pixels.rgba.end());
}

PngPixels decoded(const std::string& bytes) {
  PngPixels pixels;
  pixels.width = 99;  // a failure must not leave anything behind
  pixels.rgba.assign(7, 1);
  decode_png_bytes(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), &pixels);
  return pixels;
}

TEST(PngFile, EveryColourTypeDecodesToEightBitRgba) {
  struct Case {
    const char* what;
    std::string png;
    std::string rgba;
  } cases[] = {
      {"RGBA", png_image(2, 1, std::string("\x01\x02\x03\x00\xfa\xfb\xfc\x80", 8)),
       std::string("\x01\x02\x03\x00\xfa\xfb\xfc\x80", 8)},
      {"grey and alpha", png_of_type(2, 1, 8, 4, "\x0a\x14\xc8\xff"),
       "\x0a\x0a\x0a\x14\xc8\xc8\xc8\xff"},
      // Two bits an index, three pixels in one byte; the last entry has no
      // alpha in tRNS, so it is opaque.
      {"palette with tRNS",
       png_of_type(3, 1, 2, 3, "\x18",
                   {{"PLTE", std::string("\x10\x20\x30\x40\x50\x60\x70\x80\x90", 9)},
                    {"tRNS", std::string("\x00\x80", 2)}}),
       std::string("\x10\x20\x30\x00\x40\x50\x60\x80\x70\x80\x90\xff", 12)},
      {"16-bit RGBA", png_of_type(1, 1, 16, 6, "\x12\x34\x56\x78\x9a\xbc\x80\x81"),
       "\x12\x56\x9a\x80"},
      {"16-bit grey", png_of_type(1, 2, 16, 0, "\xee\x01\x22\xff"),
       "\xee\xee\xee\xff\x22\x22\x22\xff"},
      {"RGB", png_of_type(1, 1, 8, 2, "\x01\x02\x03"), std::string("\x01\x02\x03\xff", 4)},
  };
  for (const Case& c : cases) {
    PngPixels pixels = decoded(c.png);
    EXPECT_EQ(c.rgba, rgba_of(pixels)) << c.what;
    EXPECT_EQ(c.rgba.size() / 4, size_t{pixels.width} * pixels.height) << c.what;
  }
}

// An IDAT chunk of no bytes is allowed and carries nothing; ahead of the
// data it once made the decoder copy to a null pointer (found by fuzzing).
TEST(PngFile, EmptyDataChunksCarryNothing) {
  const std::string samples("\x01\x02\x03\x04\x05\x06\x07\x08", 8);
  PngPixels plain = decoded(png_of_type(2, 1, 8, 6, samples));
  PngPixels padded = decoded(png_of_type(2, 1, 8, 6, samples, {{"IDAT", ""}, {"IDAT", ""}}));
  EXPECT_EQ(samples, rgba_of(plain));
  EXPECT_EQ(rgba_of(plain), rgba_of(padded));
  // Bytes after IEND are no chunks: a length there must not be followed.
  std::string trailing = png_of_type(2, 1, 8, 6, samples, {{"IDAT", ""}}) +
                         std::string("\xff\xff\xff\xf0IDAT\0\0\0\0", 12);
  EXPECT_EQ(rgba_of(plain), rgba_of(decoded(trailing)));
}

// Chunks whose CRCs match but whose image data is broken, or whose header
// asks for too many pixels, fail as surely as cut or altered files.
TEST(PngFile, DamagedOrOversizedBytesDoNotDecode) {
  std::string whole = png_image(3, 2);
  std::string flipped = whole;
  flipped[45] ^= 1;
  std::string short_rows = png_of_type(3, 2, 8, 6, std::string(4 * 3 + 1, 'x'));
  // A first IDAT of two stray bytes: the stream no longer begins as zlib.
  std::string not_zlib = png_of_type(3, 2, 8, 6, std::string(24, 'x'), {{"IDAT", "\x77\x77"}});
  std::string huge = png_of_type(1u << 13, 1u << 12, 8, 6, "");  // 32 Mi pixels, no data
  std::string wide = png_of_type(0xFFFFFFFFu, 1, 8, 6, "");
  for (const std::string& checked_out : {short_rows, not_zlib}) {
    EXPECT_EQ(PngState::kWhole,
              inspect_png_bytes(reinterpret_cast<const unsigned char*>(checked_out.data()),
                                checked_out.size())
                  .state);
  }
  for (const std::string& bad : {std::string(), whole.substr(0, whole.size() - 12), flipped,
                                 short_rows, not_zlib, huge, wide}) {
    PngPixels pixels = decoded(bad);
    EXPECT_EQ(0u, pixels.width) << bad.size();
    EXPECT_TRUE(pixels.rgba.empty()) << bad.size();
  }
}

TEST_F(ScratchFolderTest, PngFilesAreReadWholeOrByTheirHeader) {
  write_file("a.png", png_image(640, 48));
  write_file("cut.png", png_image(640, 48).substr(0, 200));
  std::uint32_t width = 0, height = 0;
  EXPECT_TRUE(read_png_size("a.png", &width, &height));
  EXPECT_EQ(640u, width);
  EXPECT_EQ(48u, height);
  EXPECT_TRUE(read_png_size("cut.png", &width, &height));  // the header alone is there
  EXPECT_FALSE(read_png_size("none.png", &width, &height));
  EXPECT_EQ(PngState::kWhole, inspect_png("a.png").state);
  EXPECT_EQ(PngState::kDamaged, inspect_png("cut.png").state);
  EXPECT_EQ(PngState::kMissing, inspect_png("none.png").state);
  // A folder in an image's place opens as a file on Linux, of a length
  // no file has.
  std::filesystem::create_directory("folder.png");
  EXPECT_NE(PngState::kWhole, inspect_png("folder.png").state);
  PngPixels pixels;
  EXPECT_TRUE(decode_png("a.png", &pixels));
  EXPECT_EQ(640u * 48 * 4, pixels.rgba.size());
  EXPECT_FALSE(decode_png("cut.png", &pixels));
  EXPECT_FALSE(decode_png("none.png", &pixels));
}

}  // namespace
