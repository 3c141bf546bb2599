// STANDARD designs built by the real binary on a small generated skindata,
// with the real ImageMagick.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <filesystem>
#include <string>

#include "assembly/skin_check.h"
#include "color/modulation.h"
#include "platform/terminal_image.h"
#include "tests/test_support.h"

namespace fs = std::filesystem;

namespace {

const char* const kPlaceholders[] = {
    "HEXCS",   "SBARBRT",   "SBARWID",    "HEXSEL",      "HEXEQ",       "HEXLG",       "HEXMG",
    "HEXDG",   "KVLVER",    "ALT Custom", "ALT2 Custom", "ALT3 Custom", "ALT4 Custom", "ZCODE",
    "MSEGTAB", "Z2COMMENT", "OVL1WID",    "OVL2WID",     "OVL2OFF"};

// M_PI is not standard C++ (MinGW and MSVC leave it out).
const double kPi = std::acos(-1.0);

// Mean hue, in degrees, of the clearly coloured pixels of an image; -1 for none.
double mean_hue(const std::string& image_path) {
  RgbaImage image;
  if (!read_image_pixels(image_path, image)) return -1;
  std::complex<double> sum;
  for (size_t i = 0; i + 3 < image.pixels.size(); i += 4) {
    const unsigned char* p = &image.pixels[i];
    int max = std::max({p[0], p[1], p[2]}), min = std::min({p[0], p[1], p[2]});
    if (p[3] < 128 || max < 51 || max - min < 0.25 * max) continue;
    sum += std::polar(1.0, rgb_to_hue(p[0], p[1], p[2]) * kPi / 180);
  }
  if (sum == 0.0) return -1;
  double degrees = std::arg(sum) * 180 / kPi;
  return degrees < 0 ? degrees + 360 : degrees;
}

using StandardBuild = EndToEndTest;

TEST_F(StandardBuild, BothDesignsEndWithTwoFilledHostScriptsTheSameOnEveryBuild) {
  struct Case {
    const char* answer;
    const char* skin;
    int samples;
    int32_t design;
  } cases[] = {{"1\n\n", "Korvel Dazo Blue", 1, kStandardSingle},
               {"2\n\n", "Korvel Dazo Colorized", 4, kStandardMulti}};
  for (const Case& c : cases) {
    Workspace workspace;
    WizardRun run = run_wizard_in(workspace.path(), c.answer);
    ASSERT_EQ(0, run.exit_code) << run.output;
    EXPECT_EQ(std::string::npos, run.output.find("Warning")) << run.output;
    std::string skin = workspace.path() + "/" + c.skin;
    std::string z2 = read_file(skin + "/Scripts/Zebra2.txt");
    std::string zhz = read_file(skin + "/Scripts/ZebraHZ.txt");
    EXPECT_FALSE(fs::exists(skin + "/Scripts/Template.txt"));
    // The build's check holds the skin to exactly the images it has.
    size_t pngs = 0;
    for (const auto& entry : fs::recursive_directory_iterator(skin)) {
      pngs += entry.path().extension() == ".png" ? 1 : 0;
    }
    EXPECT_EQ(promised_images(design_settings(c.design)).size(), pngs);
    ASSERT_FALSE(z2.empty() || zhz.empty()) << run.output;
    EXPECT_NE(z2, zhz);
    for (const char* placeholder : kPlaceholders) {
      EXPECT_EQ(std::string::npos, (z2 + zhz).find(placeholder)) << c.skin << ": " << placeholder;
    }
    for (int n = 1; n <= c.samples; ++n) {
      std::string measured =
          measured_colour(skin + "/Images/Other/CS" + std::to_string(n) + "Sample.png");
      ASSERT_EQ(6u, measured.size()) << n;
      EXPECT_NE(std::string::npos, z2.find(measured)) << n << " " << measured;
      EXPECT_NE(std::string::npos, zhz.find(measured)) << n << " " << measured;
    }
    if (c.samples == 1) continue;
    // The multicolour images show each section's hue (that of its default colour).
    struct Image {
      const char* path;
      double hue;
    } images[] = {
        {"KVL-CS1Knob-Bi/KVL-CS1Knob-Bi.png", 214.2}, {"KVL-CS2Knob-Bi/KVL-CS2Knob-Bi.png", 34.5},
        {"KVL-CS3Knob-Bi/KVL-CS3Knob-Bi.png", 148.5}, {"KVL-GateCS2/KVL-GateCS2.png", 34.5},
        {"KVL-XmfT1CS3/KVL-XmfT1CS3.png", 148.5},
    };
    for (const Image& image : images) {
      double hue = mean_hue(skin + "/Images/Animations/" + image.path);
      ASSERT_GE(hue, 0) << image.path;
      double distance = std::fabs(hue - image.hue);
      EXPECT_LT(std::min(distance, 360 - distance), 8.0) << image.path << " shows hue " << hue;
    }
    // Building again gives the same folder.
    auto first = tree_content(skin);
    fs::create_directory(skin + "/left over");  // the old folder is removed first
    ASSERT_EQ(0, run_wizard_in(workspace.path(), c.answer).exit_code);
    EXPECT_GT(first.size(), 100u);
    EXPECT_TRUE(first == tree_content(skin));
  }
}

// A colour that cannot be measured is stood in for in the scripts, but the
// skin is then not what its images show: the build fails.
TEST_F(StandardBuild, AColourThatCannotBeMeasuredFailsTheBuild) {
  Workspace workspace;
  fs::remove(workspace.path() + "/skindata/SkinTemplate/Images/Other/CS3Sample.png");
  WizardRun run = run_wizard_in(workspace.path(), "2\n\n");
  EXPECT_EQ(1, run.exit_code);
  EXPECT_NE(std::string::npos,
            run.output.find("Warning: no colour found in skindata/temp/CS3info.txt for "
                            "CS3Sample.png; using 3cd886.\n"))
      << run.output;
  EXPECT_TRUE(ends_with(run.output,
                        "The skin could not be built.\n"
                        "- 1 of 73 image commands failed.\n"  // its row matches no file now
                        "- 1 colour could not be measured.\n" +
                            image_tool_report_line() +
                            "The tools' own messages are in skindata/temp/tool-messages.txt.\n"
                            "The half-made Korvel Dazo Colorized was removed.\n\n"
                            "Press ENTER to finish.\n"))
      << run.output;
  EXPECT_FALSE(fs::exists(workspace.path() + "/Korvel Dazo Colorized"));
}

}  // namespace
