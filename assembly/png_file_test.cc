#include "assembly/png_file.h"

#include <gtest/gtest.h>

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
}

}  // namespace
