// STANDARD designs built by the real binary on a small generated skindata,
// with the real ImageMagick.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>

#include "platform/terminal_image.h"
#include "tests/e2e_support.h"

namespace fs = std::filesystem;

namespace {

const char* const kPlaceholders[] = {
    "HEXCS",   "SBARBRT",   "SBARWID",    "HEXSEL",      "HEXEQ",       "HEXLG",       "HEXMG",
    "HEXDG",   "KVLVER",    "ALT Custom", "ALT2 Custom", "ALT3 Custom", "ALT4 Custom", "ZCODE",
    "MSEGTAB", "Z2COMMENT", "OVL1WID",    "OVL2WID",     "OVL2OFF",
};

// The colour that identify reports first for an image: six hex digits.
std::string identify_colour(const std::string& image) {
  std::string command = "/usr/bin/identify -verbose '" + image + "' | grep -m1 '#'";
  FILE* pipe = popen(command.c_str(), "r");
  char line[512] = {};
  if (pipe == nullptr) return "";
  if (fgets(line, sizeof line, pipe) == nullptr) line[0] = '\0';
  pclose(pipe);
  const char* hash = std::strchr(line, '#');
  return hash == nullptr ? "" : std::string(hash + 1, 6);
}

// Mean HSB hue, in degrees, of the clearly coloured pixels of an image.
double mean_hue(const std::string& image_path) {
  RgbaImage image;
  if (!read_image_pixels(image_path, image)) return -1;
  double x = 0, y = 0;
  for (size_t i = 0; i + 3 < image.pixels.size(); i += 4) {
    double r = image.pixels[i] / 255.0, g = image.pixels[i + 1] / 255.0;
    double b = image.pixels[i + 2] / 255.0;
    double max = std::max({r, g, b}), min = std::min({r, g, b});
    if (image.pixels[i + 3] < 128 || max < 0.2 || max - min < 0.25 * max) continue;
    double h = max == r   ? std::fmod((g - b) / (max - min), 6.0)
               : max == g ? (b - r) / (max - min) + 2
                          : (r - g) / (max - min) + 4;
    x += std::cos(h * M_PI / 3);
    y += std::sin(h * M_PI / 3);
  }
  if (x == 0 && y == 0) return -1;
  double degrees = std::atan2(y, x) * 180 / M_PI;
  return degrees < 0 ? degrees + 360 : degrees;
}

double hue_distance(double a, double b) {
  double d = std::fabs(a - b);
  return std::min(d, 360 - d);
}

// Every file below a folder, by relative path, with its bytes.
std::map<std::string, std::string> tree_content(const std::string& folder) {
  std::map<std::string, std::string> content;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    std::string relative = fs::relative(entry.path(), folder).string();
    content[relative] = entry.is_regular_file() ? read_file(entry.path().string()) : "<folder>";
  }
  return content;
}

class StandardBuild : public ::testing::Test {
 protected:
  void SetUp() override {
    if (small_skindata().empty()) GTEST_SKIP() << "make-skindata is not built";
  }
};

TEST_F(StandardBuild, BothDesignsEndWithTwoFilledHostScripts) {
  struct Case {
    const char* answer;
    const char* skin;
    const char* samples[4];
  } cases[] = {
      {"1\n\n", "Korvel Dazo Blue", {"CS1"}},
      {"2\n\n", "Korvel Dazo Colorized", {"CS1", "CS2", "CS3", "CS4"}},
  };
  for (const Case& c : cases) {
    std::string folder = make_workspace();
    WizardRun run = run_wizard_in(folder, c.answer);
    ASSERT_EQ(0, run.exit_code) << run.output;
    std::string skin = folder + "/" + c.skin;
    std::string z2 = read_file(skin + "/Scripts/Zebra2.txt");
    std::string zhz = read_file(skin + "/Scripts/ZebraHZ.txt");
    EXPECT_FALSE(file_exists(skin + "/Scripts/Template.txt"));
    ASSERT_FALSE(z2.empty()) << run.output;
    ASSERT_FALSE(zhz.empty());
    EXPECT_NE(z2, zhz);
    for (const char* placeholder : kPlaceholders) {
      EXPECT_EQ(std::string::npos, z2.find(placeholder)) << c.skin << ": " << placeholder;
      EXPECT_EQ(std::string::npos, zhz.find(placeholder)) << c.skin << ": " << placeholder;
    }
    for (const char* tag : c.samples) {
      if (tag == nullptr) continue;
      std::string measured = identify_colour(skin + "/Images/Other/" + tag + "Sample.png");
      ASSERT_EQ(6u, measured.size()) << tag;
      EXPECT_NE(std::string::npos, z2.find(measured)) << tag << " " << measured;
      EXPECT_NE(std::string::npos, zhz.find(measured)) << tag << " " << measured;
    }
    EXPECT_EQ(std::string::npos, run.output.find("Warning")) << run.output;
  }
}

TEST_F(StandardBuild, MulticolourImagesShowEachSectionsHue) {
  std::string folder = make_workspace();
  ASSERT_EQ(0, run_wizard_in(folder, "2\n\n").exit_code);
  std::string animations = folder + "/Korvel Dazo Colorized/Images/Animations/";
  struct Case {
    const char* image;
    double hue;  // of the section's default colour
  } cases[] = {
      {"KVL-CS1Knob-Bi/KVL-CS1Knob-Bi.png", 214.2}, {"KVL-CS2Knob-Bi/KVL-CS2Knob-Bi.png", 34.5},
      {"KVL-CS3Knob-Bi/KVL-CS3Knob-Bi.png", 148.5}, {"KVL-GateCS2/KVL-GateCS2.png", 34.5},
      {"KVL-XmfT1CS3/KVL-XmfT1CS3.png", 148.5},
  };
  for (const Case& c : cases) {
    double hue = mean_hue(animations + c.image);
    ASSERT_GE(hue, 0) << c.image;
    EXPECT_LT(hue_distance(hue, c.hue), 8.0) << c.image << " shows hue " << hue;
  }
}

TEST_F(StandardBuild, BuildingTwiceGivesTheSameFolder) {
  std::string folder = make_workspace();
  std::string skin = folder + "/Korvel Dazo Colorized";
  ASSERT_EQ(0, run_wizard_in(folder, "2\n\n").exit_code);
  auto first = tree_content(skin);
  fs::create_directory(skin + "/left over");  // the old folder is removed first
  ASSERT_EQ(0, run_wizard_in(folder, "2\n\n").exit_code);
  auto second = tree_content(skin);
  EXPECT_GT(first.size(), 100u);
  EXPECT_TRUE(first == second);
}

TEST_F(StandardBuild, MissingPiecesNeverStopTheRun) {
  std::string without_skindata = make_temp_folder("bare");
  WizardRun bare = run_wizard_in(without_skindata, "1\n\n");
  EXPECT_EQ(0, bare.exit_code);
  EXPECT_NE(std::string::npos, bare.output.find("Press ENTER to finish.\n"));
  EXPECT_NE(std::string::npos, bare.output.find("Warning: no colour found")) << bare.output;

  std::string folder = make_workspace();
  fs::remove(folder + "/skindata/SkinTemplate/Images/Other/CS3Sample.png");
  WizardRun run = run_wizard_in(folder, "2\n\n");
  EXPECT_EQ(0, run.exit_code);
  EXPECT_NE(std::string::npos, run.output.find("no colour found in .\\skindata\\temp\\CS3info.txt"))
      << run.output;
  // The asked-for effects colour stands in for the one that could not be measured.
  EXPECT_NE(std::string::npos,
            read_file(folder + "/Korvel Dazo Colorized/Scripts/Zebra2.txt").find("3cd886"));
}

}  // namespace
