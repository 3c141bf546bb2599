#include "tools/package_test/skin_comparison.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(SkinComparison, ScriptLinesMayDifferInColourCodesOnly) {
  const std::string line = R"(    "Generators"          = 5798EE)";
  EXPECT_EQ(0, script_line_difference(line, line));
  EXPECT_EQ(3, script_line_difference(line, R"(    "Generators"          = 5898eb)"));
  EXPECT_EQ(2, script_line_difference(R"("Sidebar 1" = 5798EE00 opacity 60)",
                                      R"("Sidebar 1" = 5798EE02 opacity 60)"));
  EXPECT_EQ(255, colour_code_difference("000000", "0000FF"));

  struct Case {
    const char* a;
    const char* b;
  } real_differences[] = {
      {R"("Generators" = 5798EE)", R"("Modulators" = 5798EE)"},  // a name
      {"Width     = 3.50", "Width     = 3.60"},                  // a number
      {R"("Mid" = 5798EE opacity 60)", R"("Mid" = 5798EE opacity 25)"},
      {"x = 5798EE", "x = 5798EE00"},  // codes of different lengths
      {"x = 5798EE", "x = 5798EG"},    // not a colour code
      {"x = 5798EE", "x =  5798EE"},   // a blank more
      {"ImageCS1 = a.png", "ImageCS2 = a.png"},
  };
  for (const Case& c : real_differences) {
    EXPECT_EQ(-1, script_line_difference(c.a, c.b)) << c.a << " | " << c.b;
  }
}

TEST(SkinComparison, ScriptsCompareLineByLineWhateverTheirLineEnds) {
  const std::string linux_script = "Skin {\n  A = 102030\n  B = 405060\n}\n";
  ScriptDifference same = compare_scripts(linux_script,
                                          "Skin {\r\n  A = 102031\r\n"
                                          "  B = 405063\r\n}\r\n");
  EXPECT_EQ(0, same.first_other_line);
  EXPECT_EQ(3, same.largest_colour);

  EXPECT_EQ(
      3, compare_scripts(linux_script, "Skin {\n  A = 102030\n  B = 4050\n}\n").first_other_line);
  EXPECT_EQ(5, compare_scripts(linux_script, linux_script + "extra\n").first_other_line);
  EXPECT_EQ(2, compare_scripts(linux_script, "Skin {\n").first_other_line);
  EXPECT_EQ(0, compare_scripts("", "").first_other_line);
}

PngPixels pixels_of(std::uint32_t width, std::uint32_t height, const std::string& rgba) {
  PngPixels pixels;
  pixels.width = width;
  pixels.height = height;
  pixels.rgba.assign(rgba.begin(), rgba.end());
  return pixels;
}

TEST(SkinComparison, ColourUnderFullTransparencyIsNotCompared) {
  PngPixels a = pixels_of(2, 1, std::string("\x10\x20\x30\xff\x00\x00\x00\x00", 8));
  PixelDifference clear =
      compare_pixels(a, pixels_of(2, 1, std::string("\x12\x20\x2b\xff\xff\xff\xff\x00", 8)));
  EXPECT_TRUE(clear.same_size);
  EXPECT_EQ(5, clear.largest_colour);
  EXPECT_EQ(0, clear.largest_alpha);

  // Once either pixel shows, its colour counts, and so does its alpha.
  PixelDifference shown =
      compare_pixels(a, pixels_of(2, 1, std::string("\x10\x20\x30\xfe\xff\xff\xff\x01", 8)));
  EXPECT_EQ(255, shown.largest_colour);
  EXPECT_EQ(1, shown.largest_alpha);

  EXPECT_FALSE(compare_pixels(a, pixels_of(1, 2, std::string(8, '\0'))).same_size);
}

}  // namespace
