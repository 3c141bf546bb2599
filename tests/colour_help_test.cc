// The colour help through the real binary on a small generated skindata:
// codes as answers, the colours to try at the preview (typing them gives a
// skin that reads well), the line that explains a colour far from the one
// asked for, and a user who ignores all of it getting the same skin.
#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "tests/test_support.h"

namespace {

const char* const kNames[] = {"GENERATORS", "MODULATORS", "EFFECTS", "GLOBALS"};

struct Colour {
  int red, green, blue;
};

// A multicolour palette: the four sections, then the selection, and the
// global brightness as typed (none: no global adjustments).
struct Palette {
  Colour colours[5];
  std::string brightness;
};

const Palette kDefaults = {
    {{87, 151, 236}, {233, 173, 92}, {60, 216, 134}, {221, 221, 221}, {216, 99, 62}}, ""};

// The five colour groups' answers; by code, by amounts one at a time, or by
// the three amounts at the red question as the colour help prints them.
std::string typed(const Palette& palette) {
  std::string answers;
  for (int i = 0; i < 5; ++i) {
    const Colour& c = palette.colours[i];
    char text[64];
    if (i % 3 == 0) {
      std::snprintf(text, sizeof text, "#%02x%02X%02x\n\n\n", c.red, c.green, c.blue);
    } else if (i % 3 == 1) {
      std::snprintf(text, sizeof text, "%d\n%d\n%d\n", c.red, c.green, c.blue);
    } else {
      std::snprintf(text, sizeof text, "%d,%d,%d\n\n\n", c.red, c.green, c.blue);
    }
    answers += text;
  }
  return answers;
}

// The global adjustments' answers: none, or the brightness alone with the
// other adjustments and the advanced options left empty.
std::string adjusted(const Palette& palette) {
  if (palette.brightness.empty()) return "1\n";
  return "2\n" + palette.brightness + "\n\n\n\n\n";
}

// The text between the nth (0-based) preview's "Done." and its question.
std::string preview_report(const std::string& output, int nth) {
  size_t at = 0;
  for (int i = 0; i <= nth; ++i) {
    at = output.find("Preparing preview....Done.\n", at);
    if (at == std::string::npos) return "<no preview " + std::to_string(nth) + ">";
    at += 27;
  }
  return output.substr(at, output.find("\n\nAre you satisfied", at) - at);
}

bool read_amounts(const std::string& line, size_t at, Colour& out) {
  return at != std::string::npos &&
         std::sscanf(line.c_str() + at, "%d,%d,%d", &out.red, &out.green, &out.blue) == 3;
}

// A section that reads well now, with its colour at the brightness to try.
const char kForBrightness[] = " reads well at this brightness; at global brightness ";

// The global brightness to try of a line, as printed, or "".
std::string brightness_of(const std::string& line) {
  const std::string lead = "try global brightness ";
  size_t at = line.find(lead);
  if (at == std::string::npos) return "";
  at += lead.size();
  return line.substr(at, line.find_first_of(" ;", at) - at);
}

// The palette a user gets by typing every colour and brightness to try of
// a report; the brightness is one for the whole skin.
Palette followed(const Palette& asked, const std::string& report) {
  Palette palette = asked;
  for (const std::string& line : lines_of(report)) {
    if (line.find("you asked for") != std::string::npos) continue;
    EXPECT_TRUE(line.find("; try ") != std::string::npos ||
                line.find("try global brightness ") != std::string::npos ||
                line.find("; the colour to try above fixes this too") != std::string::npos ||
                line.find(kForBrightness) != std::string::npos)
        << line;
    std::string brightness = brightness_of(line);
    if (!brightness.empty()) {
      EXPECT_TRUE(palette.brightness.empty() || palette.brightness == brightness) << report;
      palette.brightness = brightness;
    }
    Colour colour;
    if (read_amounts(line, line.find(" with the selection at "), colour) ||
        (line.find(" selection next to ") != std::string::npos &&
         read_amounts(line, line.find("; try "), colour))) {
      palette.colours[4] = colour;
      if (line.find(" selection next to ") != std::string::npos) continue;
    }
    // "; try ", " with " or ", try ", all 6 long.
    size_t at = line.find(kForBrightness) != std::string::npos ? line.find(", try ")
                : brightness.empty()                           ? line.find("; try ")
                                                               : line.find(" with ");
    for (int n = 0; n < 4; ++n) {
      if (line.rfind(std::string(kNames[n]) + ": ", 0) == 0 && at != std::string::npos &&
          read_amounts(line, at + 6, colour)) {
        palette.colours[n] = colour;
      }
    }
  }
  return palette;
}

// No line of a report but those that explain a colour, then "Colours read well."
bool reads_well(const std::string& report) {
  std::vector<std::string> lines = lines_of(report);
  if (lines.empty() || lines.back() != "Colours read well.") return false;
  for (size_t i = 0; i + 1 < lines.size(); ++i) {
    if (lines[i].find(": you asked for ") == std::string::npos) return false;
  }
  return true;
}

Palette random_palette(std::mt19937& random) {
  std::uniform_int_distribution<int> amount(0, 255);
  Palette palette;
  for (Colour& c : palette.colours) c = {amount(random), amount(random), amount(random)};
  return palette;
}

using ColourHelp = EndToEndTest;

// Each run types the colours and brightness to try of the palette before
// it, which must read well at its first preview, then rejects that preview
// and types its own palette, whose help the next run follows. Besides the
// defaults and a random palette, one whose yellow-green globals need a
// darker skin, at which the other sections no longer read well with their
// own colours.
TEST_F(ColourHelp, TypingTheColoursToTryGivesColoursThatReadWell) {
  std::mt19937 random(2024);
  const Palette yellow_green = {
      {{226, 42, 4}, {91, 203, 250}, {196, 115, 223}, {170, 234, 100}, {70, 166, 60}}, ""};
  std::vector<Palette> palettes = {kDefaults, random_palette(random), yellow_green};
  Palette to_try = kDefaults;
  std::string offered;
  for (size_t k = 0; k <= palettes.size(); ++k) {
    std::string answers = "4\n";
    if (k > 0) answers += typed(to_try) + adjusted(to_try) + "1\n";  // rejected
    if (k < palettes.size()) answers += typed(palettes[k]) + "1\n\n";
    Workspace workspace;
    WizardRun run = run_wizard_in(workspace.path(), answers);
    ASSERT_EQ(0, run.exit_code) << run.output;
    if (k > 0) {
      std::string report = preview_report(run.output, 0);
      EXPECT_TRUE(reads_well(report)) << "palette " << k - 1 << ":\n"
                                      << offered << "\nfollowed:\n"
                                      << report;
    }
    if (k == palettes.size()) break;
    offered = preview_report(run.output, k > 0 ? 1 : 0);
    EXPECT_FALSE(reads_well(offered)) << "palette " << k << " has nothing to fix";
    to_try = followed(palettes[k], offered);
    // No green near the effects' carries white labels at the template's
    // brightness: the defaults are followed through the global brightness.
    if (k == 0) {
      EXPECT_NE("", to_try.brightness) << offered;
    }
  }
}

TEST_F(ColourHelp, ADarkGreyAskedForIsExplainedWithBothCodes) {
  Workspace workspace;
  std::string answers = "4\n" + std::string(9, '\n') + "#3C3C46\n\n\n" + std::string(5, '\n');
  WizardRun run = run_wizard_in(workspace.path(), answers);
  ASSERT_EQ(0, run.exit_code) << run.output;
  std::string shown =
      measured_colour(workspace.path() + "/Korvel Dazo Custom/Images/Other/CS4Sample.png");
  ASSERT_EQ(6u, shown.size());
  std::string report = preview_report(run.output, 0);
  EXPECT_EQ(1u, count_of(report, "GLOBALS: you asked for 3C3C46, the skin will show " + shown +
                                     " (images keep their own brightness)\n"))
      << report;
  // Only that colour lies far from its own; its labels do not read, and the
  // help comes with the line: as for the defaults, the effects' green has
  // no colour near it that reads well, so one brightness is offered on the
  // lines of modulators, effects and globals.
  EXPECT_EQ(1u, count_of(report, "you asked for"));
  EXPECT_EQ(1u, count_of(report, "GLOBALS: white labels on " + shown + " buttons"));
  EXPECT_EQ(3u, count_of(report, "try global brightness ")) << report;
  EXPECT_EQ(1u, count_of(report,
                         "EFFECTS: white labels on 42EE93 buttons 1.5:1, hard to read "
                         "(aim for 2:1 or more); no colour near it reads well at this "
                         "brightness: try global brightness "))
      << report;
}

// The tail of a run from its last preview question on: the name, the
// styles, the build, its report and the end.
std::string after_last_preview(const std::string& output) {
  return output.substr(output.rfind("Are you satisfied with the result?"));
}

TEST_F(ColourHelp, AUserWhoIgnoresTheHelpGetsTheSameSkin) {
  Workspace ignoring;
  WizardRun ignored = run_wizard_in(ignoring.path(), "4\n" + std::string(40, '\n'));
  ASSERT_EQ(0, ignored.exit_code) << ignored.output;
  std::string report = preview_report(ignored.output, 0);
  Palette to_try = followed(kDefaults, report);
  // Another user tries the colours offered, then goes back to the defaults.
  Workspace trying;
  WizardRun tried =
      run_wizard_in(trying.path(), "4\n" + std::string(16, '\n') + "1\n" + typed(to_try) +
                                       adjusted(to_try) + "1\n" + typed(kDefaults) + "1\n\n");
  ASSERT_EQ(0, tried.exit_code) << tried.output;
  EXPECT_EQ(3u, count_of(tried.output, "Are you satisfied with the result?"));
  EXPECT_EQ(report, preview_report(tried.output, 2));
  EXPECT_EQ(after_last_preview(ignored.output), after_last_preview(tried.output));
  const std::string skin = "/Korvel Dazo Custom";
  EXPECT_TRUE(tree_content(ignoring.path() + skin) == tree_content(trying.path() + skin));
  // The report keeps its lines; the help only adds to their ends.
  for (const std::string& line : lines_of(report)) {
    size_t end = line.find(" or more)");
    ASSERT_NE(std::string::npos, end) << line;
    EXPECT_EQ(0u, line.compare(end + 9, 2, "; ")) << line;
  }
}

}  // namespace
