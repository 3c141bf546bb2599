// How far a skin built on one system lies from the same skin built on
// another: the pure part of compare-skins (compare_skins.cc), which walks
// the two folders and reads the files.
//
// Two ImageMagick versions never give the same bytes, so images are
// compared by their pixels (colour and alpha apart) and scripts line by
// line. A script line may differ only in its colour codes, the colours the
// program measured from its own images: six or eight hexadecimal digits
// standing as a word of their own ("= 5798EE", "= 5798EE00"). Anything
// else that differs, a number, a name or a line too many, is a real
// difference. Line ends are not compared: the Windows program writes
// CR LF.
#ifndef SKINBUILDER_TOOLS_PACKAGE_TEST_SKIN_COMPARISON_H_
#define SKINBUILDER_TOOLS_PACKAGE_TEST_SKIN_COMPARISON_H_

#include <string>

#include "assembly/png_file.h"

// The largest difference of one channel between two colour codes of the
// same length, in either letter case; -1 when either is not a colour code.
int colour_code_difference(const std::string& a, const std::string& b);

// 0 for equal lines, the largest channel difference of their colour codes
// when only those differ, -1 when anything else differs.
int script_line_difference(const std::string& a, const std::string& b);

struct ScriptDifference {
  int first_other_line = 0;  // 1-based line of the first real difference; 0: none
  int largest_colour = 0;    // largest channel difference of the colour codes
};

ScriptDifference compare_scripts(const std::string& a, const std::string& b);

struct PixelDifference {
  bool same_size = true;
  int largest_colour = 0;  // red, green or blue, where either pixel is not clear
  int largest_alpha = 0;
};

// Colour under alpha 0 in both images cannot be seen and is not compared.
PixelDifference compare_pixels(const PngPixels& a, const PngPixels& b);

#endif  // SKINBUILDER_TOOLS_PACKAGE_TEST_SKIN_COMPARISON_H_
