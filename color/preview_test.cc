#include "color/preview.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <regex>
#include <string>
#include <vector>

#include "color/modulation.h"
#include "tests/test_support.h"

namespace {

// A section command of the preview, with the arguments of the section's
// default colour, on a file in skindata\temp.
std::string section_command(int section, const std::string& file) {
  const char* args[] = {"100.855583,100.015656", "96.669373,0.148933", "115.370972,63.478642",
                        "0.010000,-19.000000"};
  return ".\\skindata\\mogrify -quality 80 -type TrueColorAlpha -define modulate:colorspace=HSB "
         "-modulate 100," +
         std::string(args[section - 1]) + " \".\\skindata\\temp\\" + file + "\"";
}

std::string section_command(int section) {
  return section_command(section, "CS" + std::to_string(section) + "preview.png");
}

std::string global_command(const std::string& options, const std::string& file) {
  return ".\\skindata\\mogrify -quality 80 -type TrueColorAlpha -define "
         "modulate:colorspace=HSB -colorspace sRGB -modulate 110.000000,100.000000,150.000000 "
         "-brightness-contrast 0x-20.000000 " +
         options + " \".\\skindata\\temp\\" + file + "\"";
}

std::string global_command(const std::string& options, int section) {
  return global_command(options, "CS" + std::to_string(section) + "preview.png");
}

// The commands that copy one of the template's colour samples into
// skindata\temp, recolour it as the build will (section 0: the dark grey,
// which takes no section command) and measure it.
std::vector<std::string> sample_commands(int section, const std::string& options = "",
                                         bool global = false) {
  std::string tag = section == 0 ? "DG" : "CS" + std::to_string(section);
  std::string file = tag + "Sample.png";
  std::vector<std::string> lines = {"copy /y .\\skindata\\SkinTemplate\\Images\\Other\\" +
                                    std::string(section == 0 ? "DGSample.png" : "CS1Sample.png") +
                                    " .\\skindata\\temp\\" + file + " >NUL"};
  if (section != 0) lines.push_back(section_command(section, file));
  if (global) lines.push_back(global_command(options, file));
  lines.push_back(".\\skindata\\identify -verbose .\\skindata\\temp\\" + file +
                  " | findstr # > .\\skindata\\temp\\" + tag + "Sample.txt");
  return lines;
}

// What the image tool's filtered report of a sample would hold.
void list_sample(const std::string& tag, const std::string& colour) {
  write_file(".\\skindata\\temp\\" + tag + "Sample.txt", "    36: (1,2,3) #" + colour + "\n");
}

class PreviewTest : public WorkingFolderTest {
 protected:
  PreviewTest() {
    compute_modulation(settings_);
    settings_.global_brightness = 10.0f;
    settings_.global_contrast = -20.0f;
    settings_.global_hue = 50.0f;
  }
};

TEST_F(PreviewTest, SingleColourMakesOneImageFromTheSinglePreview) {
  settings_.design_choice = kCustomSingle;
  feed("");
  EXPECT_TRUE(make_preview(settings_));
  // Nothing ran, so no sample could be measured.
  EXPECT_EQ(
      "\nPreparing preview....Done.\n"
      "The background sample could not be measured, so its check is left out.\n"
      "MAIN: the colour sample could not be measured, so its checks are left out.\n",
      printed());
  std::vector<std::string> expected = sample_commands(0), section = sample_commands(1);
  expected.insert(expected.end(), section.begin(), section.end());
  std::vector<std::string> image = {
      "copy /y .\\skindata\\singlepreview.png .\\skindata\\temp\\CS1preview.png >NUL",
      section_command(1), ".\\skindata\\temp\\CS1preview.png"};
  expected.insert(expected.end(), image.begin(), image.end());
  EXPECT_EQ(expected, commands());

  // With global adjustments the global command follows the section command,
  // advanced options included, on the samples as on the image.
  settings_.global_adjust = 2;
  std::strcpy(settings_.advanced_options, "-sharpen 0x1");
  list_sample("DG", "262626FF");
  list_sample("CS1", "5798EE");
  recorded_commands().clear();
  feed("");
  EXPECT_TRUE(make_preview(settings_));
  EXPECT_EQ("\nPreparing preview....Done.\nColours read well.\n", printed());
  ASSERT_EQ(11u, commands().size());
  EXPECT_EQ(global_command("-sharpen 0x1", "DGSample.png"), commands()[1]);
  EXPECT_EQ(sample_commands(1, "-sharpen 0x1", true),
            std::vector<std::string>(commands().begin() + 3, commands().begin() + 7));
  EXPECT_EQ(section_command(1), commands()[8]);
  EXPECT_EQ(global_command("-sharpen 0x1", 1), commands()[9]);
  EXPECT_EQ(".\\skindata\\temp\\CS1preview.png", commands()[10]);
}

TEST_F(PreviewTest, MulticolourMakesFourCompleteGroupsInSectionOrder) {
  settings_.design_choice = kCustomMulti;
  settings_.global_adjust = 2;
  feed("");
  EXPECT_TRUE(make_preview(settings_));
  ASSERT_EQ(3u + 4 * 8, commands().size());
  EXPECT_EQ(sample_commands(0, "", true),
            std::vector<std::string>(commands().begin(), commands().begin() + 3));
  for (int section = 1; section <= 4; ++section) {
    std::string tag = "CS" + std::to_string(section);
    const std::string* samples = &commands()[3 + (section - 1) * 8];
    EXPECT_EQ(sample_commands(section, "", true), std::vector<std::string>(samples, samples + 4));
    const std::string* group = samples + 4;
    EXPECT_EQ("copy /y .\\skindata\\" + tag + "preview.png .\\skindata\\temp\\" + tag +
                  "preview.png >NUL",
              group[0]);
    EXPECT_EQ(section_command(section), group[1]);
    EXPECT_EQ(global_command("", section), group[2]);  // empty options: two blanks
    EXPECT_EQ(".\\skindata\\temp\\" + tag + "preview.png", group[3]);
  }
}

// The report line of a section, from the name to the end of the line.
std::string line_of(const std::string& text, const std::string& name) {
  size_t start = text.find("\n" + name + ": ");
  if (start == std::string::npos) return "";
  return text.substr(start + 1, text.find('\n', start + 1) - start - 1);
}

// The section of each try command from the first-th command on, one
// character a command: 1 to 4, or D for the background's sample.
std::string try_tags(size_t first) {
  std::string tags;
  const std::vector<std::string>& commands = recorded_commands();
  for (size_t i = first; i < commands.size(); ++i) {
    size_t at = commands[i].find(".\\skindata\\temp\\Try");
    tags += at == std::string::npos ? '?' : commands[i][at + 19];
  }
  return tags;
}

TEST_F(PreviewTest, MulticolourReportNamesEachSectionsProblemsWithAColourToTry) {
  settings_.design_choice = kCustomMulti;
  list_sample("DG", "262626FF");
  const char* colours[] = {"5798EE", "EEB05D", "42EE93", "EEEDED"};
  for (int n = 1; n <= 4; ++n) list_sample("CS" + std::to_string(n), colours[n - 1]);
  feed("");
  EXPECT_TRUE(make_preview(settings_));
  // No tool ran, so no colour worked out was confirmed.
  const char kUnconfirmed[] = "; no colour to try could be confirmed with the image tool\n";
  EXPECT_EQ(std::string("\nPreparing preview....Done.\n"
                        "MODULATORS: white labels on EEB05D buttons 1.9:1, hard to read (aim for "
                        "2:1 or more)") +
                kUnconfirmed +
                "EFFECTS: white labels on 42EE93 buttons 1.5:1, hard to read (aim for 2:1 or "
                "more)" +
                kUnconfirmed +
                "GLOBALS: white labels on EEEDED buttons 1.2:1, hard to read (aim for 2:1 or "
                "more)" +
                kUnconfirmed,
            printed());
  // The preview's own commands come first and unchanged (the background's
  // sample, then four groups of sample and image); then, since no green
  // near the effects' reads well, three tries of a global brightness, each
  // given up at the background sample, which the tool did not measure;
  // then tries for the sections with a colour of their hue, each a
  // recoloured copy of the sample in skindata\temp (the measured sections
  // bear out the template's colour, so it is not measured).
  const size_t preview_commands = 2 + 4 * 6;
  EXPECT_TRUE(std::regex_match(try_tags(preview_commands), std::regex("(DDD){3}(222)+(444)+")))
      << try_tags(preview_commands);

  // When the tool shows a colour that reads well, the colour worked out is
  // offered: the one the confirming command recoloured with.
  for (int n = 2; n <= 4; ++n) list_sample("Try" + std::to_string(n), "5798EE");
  recorded_commands().clear();
  feed("");
  make_preview(settings_);
  std::string report = printed();
  std::string modulators = line_of(report, "MODULATORS");
  size_t at = modulators.find("; try ");
  ASSERT_NE(std::string::npos, at) << modulators;
  SectionColor tried = {};
  ASSERT_EQ(3, std::sscanf(modulators.c_str() + at, "; try %d,%d,%d", &tried.red, &tried.green,
                           &tried.blue));
  char hex[8];
  std::snprintf(hex, sizeof hex, "%02X%02X%02X", tried.red, tried.green, tried.blue);
  EXPECT_TRUE(ends_with(modulators, " (#" + std::string(hex) + ")")) << modulators;
  compute_section_modulation(tried);
  char command[kCommandBufferSize];
  format_section_command(command, tried, "skindata\\temp", "Try2Sample.png");
  EXPECT_EQ(command, commands()[preview_commands + 3 * 3 + 1]);
  // One try each; the effects' line still says that nothing was confirmed.
  EXPECT_TRUE(std::regex_match(try_tags(preview_commands), std::regex("(DDD){3}222444")))
      << try_tags(preview_commands);
  std::string effects = line_of(report, "EFFECTS") + "\n";
  EXPECT_TRUE(ends_with(effects, kUnconfirmed)) << effects;
}

TEST_F(PreviewTest, ColoursFarFromTheAskedOnesAreExplained) {
  settings_.design_choice = kCustomMulti;
  settings_.cs4 = SectionColor{60, 60, 70, 0.0f, 0.0f};
  list_sample("DG", "262626FF");
  const char* colours[] = {"5798EE", "EEB05D", "42EE93", "CCCBEE"};
  for (int n = 1; n <= 4; ++n) list_sample("CS" + std::to_string(n), colours[n - 1]);
  feed("");
  make_preview(settings_);
  EXPECT_EQ(
      "GLOBALS: you asked for 3C3C46, the skin will show CCCBEE (images keep their own "
      "brightness)",
      line_of(printed(), "GLOBALS"));
  // Adjusted, the colours no longer fit the template's drawn colour, which
  // is then measured (here it cannot be); each adjustment made is named.
  settings_.global_adjust = 2;
  settings_.global_brightness = -20.0f;
  settings_.global_saturation = 5.0f;
  list_sample("CS4", "3C3C46");  // shown as asked: nothing to explain
  list_sample("CS1", "1020A0");
  recorded_commands().clear();
  feed("");
  make_preview(settings_);
  std::string text = printed();
  EXPECT_EQ(
      "GENERATORS: you asked for 5797EC, the skin will show 1020A0 (images keep their own "
      "brightness; the global brightness adjustment darkens the whole skin; the global contrast "
      "adjustment moves colours towards middle grey; the global saturation adjustment "
      "strengthens every colour; the global hue adjustment turns every hue)",
      line_of(text, "GENERATORS"));
  EXPECT_EQ(1u, count_of(text, "you asked for"));
  EXPECT_EQ(1u, std::count(commands().begin(), commands().end(),
                           ".\\skindata\\identify -verbose "
                           ".\\skindata\\SkinTemplate\\Images\\Other\\CS1Sample.png | "
                           "findstr # > .\\skindata\\temp\\TemplateSample.txt"));
}

}  // namespace
