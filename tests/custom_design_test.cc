// A CUSTOM multicolour run through the real binary with every answer typed,
// its preset, and the rebuild from that preset with ENTER everywhere.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "settings/skin_settings.h"
#include "tests/e2e_support.h"

namespace {

namespace fs = std::filesystem;

std::string repeat(const std::string& text, int count) {
  std::string result;
  for (int i = 0; i < count; ++i) result += text;
  return result;
}

// The answers of the first run, question by question.
std::string first_run_answers() {
  return "4\n"  // CUSTOM multicolour
         "200\n40\n40\n"
         "40\n200\n40\n"
         "40\n40\n200\n"  // generators, modulators, effects
         "200\n200\n40\n"
         "10\n20\n30\n"                       // globals, selection
         "2\n10\n-20\n5\n15\n-sharpen 0x1\n"  // global adjustments and options
         "1\n" +                              // preview rejected
         repeat("\n", 21) +                   // second pass: every default kept
         "\n"                                 // preview accepted
         "My Custom Skin\n"
         "5\n5\n3\n"               // Factory knobs, No Sign, Dice
         "2\n100\n3.5\n2\n2\n2\n"  // EQ, sidebars, tabs, flow
         "2\n\n";                  // save the preset, finish
}

int32_t int_at(const std::string& bytes, size_t offset) {
  int32_t value;
  std::memcpy(&value, bytes.data() + offset, 4);
  return value;
}

float float_at(const std::string& bytes, size_t offset) {
  float value;
  std::memcpy(&value, bytes.data() + offset, 4);
  return value;
}

// Output of a command run through the system's shell (for ImageMagick's
// own identify, which the checks use to read pixels).
std::string command_output(const std::string& command) {
  std::string output;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return output;
  char buffer[4096];
  size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, got);
  pclose(pipe);
  return output;
}

std::string quoted(const std::string& path) {
  return "'" + path + "'";
}

// The colour of a one-colour sample image, as six hexadecimal digits.
std::string sample_colour(const std::string& path) {
  return command_output("/usr/bin/identify -format '%[hex:p{0,0}]' " + quoted(path)).substr(0, 6);
}

// Every file of a tree by relative path: a PNG by its pixel signature (the
// files carry their write time), any other file by its content.
std::map<std::string, std::string> tree_content(const std::string& root) {
  std::map<std::string, std::string> content;
  std::string pngs;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    std::string relative = fs::relative(entry.path(), root).string();
    if (entry.is_directory()) {
      content[relative + "/"] = "";
    } else if (entry.path().extension() == ".png") {
      pngs += " " + quoted(entry.path().string());
    } else {
      content[relative] = read_file(entry.path().string());
    }
  }
  std::istringstream lines(command_output("/usr/bin/identify -format '%i %#\\n'" + pngs));
  std::string line;
  while (std::getline(lines, line)) {
    size_t blank = line.rfind(' ');
    content[fs::relative(line.substr(0, blank), root).string()] = line.substr(blank + 1);
  }
  return content;
}

std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) lines.push_back(line);
  return lines;
}

size_t count_of(const std::string& text, const std::string& part) {
  size_t count = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

// The value of a colour definition line such as: "Generators" = 1E28EE
std::string defined_colour(const std::string& script, const std::string& name) {
  for (const std::string& line : lines_of(script)) {
    if (line.find("\"" + name + "\"") != std::string::npos && line.find('=') != std::string::npos &&
        line.find("colour") == std::string::npos) {
      return line.substr(line.find('=') + 2);
    }
  }
  return "";
}

class CustomDesignRun : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = make_workspace();
    if (small_skindata().empty()) GTEST_SKIP() << "make-skindata is not built";
    skin_ = folder_ + "/My Custom Skin";
    preset_ = folder_ + "/Presets/My Custom Skin-v11b5.kvl";
  }
  void TearDown() override { fs::remove_all(folder_); }
  std::string folder_;
  std::string skin_;
  std::string preset_;
};

TEST_F(CustomDesignRun, TypedAnswersReachTheSkinItsScriptsAndThePreset) {
  // Marker files in the overlays show which ones were laid over the template.
  std::string data = folder_ + "/skindata/";
  std::ofstream(data + "Knobs/Factory Style/Images/factory.txt") << "factory knobs";
  std::ofstream(data + "Knobs/Massive X Style/Images/massive.txt") << "massive knobs";
  std::ofstream(data + "LockIcons/No Sign/Images/nosign.txt") << "no sign";
  std::ofstream(data + "AltArp/Dice/Images/dice.txt") << "dice";

  WizardRun run = run_wizard_in(folder_, first_run_answers());
  ASSERT_EQ(0, run.exit_code) << run.output;
  // The second pass offered the first pass's answers as defaults.
  EXPECT_NE(std::string::npos, run.output.find("Red amount (0-255) (Default = 200): Green amount "
                                               "(0-255) (Default = 40)"));
  EXPECT_NE(std::string::npos, run.output.find("Hue Adjustment (-100 to +100) (Default = 15): "));
  EXPECT_NE(std::string::npos, run.output.find("Advanced Options (Default = \"-sharpen 0x1\"): "));
  EXPECT_EQ(2u, count_of(run.output, "Are you satisfied with the result?"));
  EXPECT_NE(std::string::npos, run.output.find("Making global adjustments for My Custom Skin"));
  EXPECT_NE(std::string::npos,
            run.output.find("Preset saved as Presets\\My Custom Skin-v11b5.kvl.  This file may "
                            "be shared with other users.\n\n"));

  EXPECT_EQ("factory knobs", read_file(skin_ + "/Images/factory.txt"));
  EXPECT_FALSE(file_exists(skin_ + "/Images/massive.txt"));
  EXPECT_EQ("no sign", read_file(skin_ + "/Images/nosign.txt"));
  EXPECT_EQ("dice", read_file(skin_ + "/Images/dice.txt"));
  EXPECT_TRUE(file_exists(skin_ + "/Images/Animations/KVL-CS4Knob-Bi"));

  std::string zebra2 = read_file(skin_ + "/Scripts/Zebra2.txt");
  std::string zebra_hz = read_file(skin_ + "/Scripts/ZebraHZ.txt");
  ASSERT_FALSE(zebra2.empty());
  ASSERT_FALSE(zebra_hz.empty());
  EXPECT_FALSE(file_exists(skin_ + "/Scripts/Template.txt"));
  const char* sections[] = {"Generators", "Modulators", "Effects", "Globals"};
  std::vector<std::string> measured;
  for (int n = 1; n <= 4; ++n) {
    std::string colour =
        sample_colour(skin_ + "/Images/Other/CS" + std::to_string(n) + "Sample.png");
    measured.push_back(colour);
    EXPECT_EQ(colour, defined_colour(zebra2, sections[n - 1])) << sections[n - 1];
    EXPECT_EQ(colour, defined_colour(zebra_hz, sections[n - 1])) << sections[n - 1];
  }
  EXPECT_NE(measured[0], measured[1]);  // the sections really differ
  for (const char* band : {"EQ Band 1", "EQ Band 2", "EQ Band 3", "EQ Band 4"}) {
    EXPECT_EQ(measured[2], defined_colour(zebra2, band)) << band;  // effects colour only
  }
  // The greys were measured after the global adjustments.
  for (const char* grey : {"LG", "MG", "DG"}) {
    std::string colour = sample_colour(skin_ + "/Images/Other/" + grey + "Sample.png");
    std::string name = std::string(grey) == "LG"   ? "Light Grey"
                       : std::string(grey) == "MG" ? "Middle Grey"
                                                   : "Dark Grey";
    EXPECT_EQ(colour, defined_colour(zebra2, name)) << grey;
  }
  EXPECT_NE("999999", defined_colour(zebra2, "Light Grey"));
  EXPECT_EQ("0a141e", defined_colour(zebra2, "SelectColour"));
  EXPECT_EQ("0a141e64", defined_colour(zebra2, "Sidebar 1"));  // selection colour, brightness 100
  EXPECT_EQ("0a141e64", defined_colour(zebra2, "Sidebar 4"));
  EXPECT_NE(std::string::npos, zebra2.find("Width     = 3.50"));

  // Flow and tab choices: every ALT name became a selection colour name.
  std::string original = read_file(folder_ + "/skindata/SkinTemplate/Scripts/Template.txt");
  EXPECT_EQ(0u, count_of(zebra_hz, "\"ALT"));
  EXPECT_EQ(count_of(original, "colour \"ALT Custom"),
            count_of(zebra_hz, "colour \"SelectColour Trans\""));
  EXPECT_EQ(count_of(original, "colour \"ALT3 Custom"),
            count_of(zebra_hz, "colour \"SelectColour Mid\""));
  EXPECT_EQ(count_of(original, "colour \"SelectColour\"") +
                count_of(original, "colour \"ALT2 Custom") +
                count_of(original, "colour \"ALT4 Custom 1\"") +
                count_of(original, "colour \"ALT4 Custom 4\""),
            count_of(zebra_hz, "colour \"SelectColour\""));

  // The preset: the record's fields at their offsets.
  std::string bytes = read_file(preset_);
  ASSERT_EQ(kSettingsSize, bytes.size());
  EXPECT_EQ(4, int_at(bytes, 0));   // design
  EXPECT_EQ(2, int_at(bytes, 4));   // EQ
  EXPECT_EQ(5, int_at(bytes, 8));   // knob
  EXPECT_EQ(5, int_at(bytes, 12));  // lock icon
  EXPECT_EQ(3.5f, float_at(bytes, 16));
  EXPECT_EQ(100, int_at(bytes, 20));  // sidebar brightness
  EXPECT_EQ(2, int_at(bytes, 24));    // sidebar colour
  EXPECT_EQ(2, int_at(bytes, 28));    // flow
  EXPECT_EQ(2, int_at(bytes, 32));    // tabs
  EXPECT_STREQ("My Custom Skin", bytes.c_str() + 36);
  EXPECT_EQ(3, int_at(bytes, 292));  // arp icon
  EXPECT_EQ(std::string("11b5\0", 5), bytes.substr(884, 5));
  const int colours[4][3] = {{200, 40, 40}, {40, 200, 40}, {40, 40, 200}, {200, 200, 40}};
  for (int n = 0; n < 4; ++n) {
    for (int c = 0; c < 3; ++c) EXPECT_EQ(colours[n][c], int_at(bytes, 896 + 20 * n + 4 * c));
  }
  EXPECT_EQ(10, int_at(bytes, 976));
  EXPECT_EQ(20, int_at(bytes, 980));
  EXPECT_EQ(30, int_at(bytes, 984));
  EXPECT_EQ(15.0f, float_at(bytes, 1096));   // hue
  EXPECT_EQ(5.0f, float_at(bytes, 1100));    // saturation
  EXPECT_EQ(10.0f, float_at(bytes, 1104));   // brightness
  EXPECT_EQ(-20.0f, float_at(bytes, 1108));  // contrast
  EXPECT_EQ(2, int_at(bytes, 1112));
  EXPECT_STREQ("-sharpen 0x1", bytes.c_str() + 1116);

  // Rebuild from the preset with ENTER everywhere, then compare.
  fs::rename(skin_, folder_ + "/first build");
  std::string rebuild = "5\n" + repeat("\n", 21) + "\n" + "\n" + repeat("\n", 9) + "2\n\n";
  WizardRun again = run_wizard_in(folder_, rebuild);
  ASSERT_EQ(0, again.exit_code) << again.output;
  EXPECT_NE(std::string::npos, again.output.find("5: PRESET: My Custom Skin\n"));
  EXPECT_NE(std::string::npos, again.output.find("(Default = My Custom Skin)\n: "));

  std::map<std::string, std::string> first = tree_content(folder_ + "/first build");
  std::map<std::string, std::string> second = tree_content(skin_);
  ASSERT_EQ(first.size(), second.size());
  EXPECT_EQ(64u, first["Images/Other/CS1Sample.png"].size());  // a pixel signature was read
  for (const auto& [path, value] : first) {
    ASSERT_EQ(1u, second.count(path)) << path;
    if (path.rfind("Scripts/", 0) == 0) continue;
    EXPECT_EQ(value, second[path]) << path;
  }
  // The scripts differ only in the EQ bands: the EQ question always starts
  // from the design's own default, 1 for design 4.
  for (const char* script : {"Scripts/Zebra2.txt", "Scripts/ZebraHZ.txt"}) {
    std::vector<std::string> a = lines_of(first[script]);
    std::vector<std::string> b = lines_of(second[script]);
    ASSERT_EQ(a.size(), b.size());
    size_t differing = 0;
    for (size_t i = 0; i < a.size(); ++i) {
      if (a[i] == b[i]) continue;
      ++differing;
      EXPECT_NE(std::string::npos, a[i].find("EQ Band")) << a[i];
    }
    EXPECT_GT(differing, 0u);
  }
  std::string saved_again = read_file(preset_);
  ASSERT_EQ(bytes.size(), saved_again.size());
  EXPECT_EQ(1, int_at(saved_again, 4));
  EXPECT_EQ(bytes.substr(0, 4), saved_again.substr(0, 4));
  EXPECT_EQ(bytes.substr(8), saved_again.substr(8));
}

}  // namespace
