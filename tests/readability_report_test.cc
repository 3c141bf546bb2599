// The readability report through the real binary on a small generated
// skindata: the default multicolour skin has labels that fade, at the
// preview and again after the build.
#include <gtest/gtest.h>

#include <string>

#include "tests/test_support.h"

namespace {

using ReadabilityReport = EndToEndTest;

// The report's text: what stands between two parts of the dialogue.
std::string between(const std::string& text, const std::string& before, const std::string& after) {
  size_t start = text.find(before);
  if (start == std::string::npos) return "<" + before + " not found>";
  start += before.size();
  size_t end = text.find(after, start);
  if (end == std::string::npos) return "<" + after + " not found>";
  return text.substr(start, end - start);
}

// (That the standard blue skin reads well is in the whole dialogue of
// wizard_dialogue_test.cc.)
TEST_F(ReadabilityReport, TheMulticolourDefaultsFlagTheirLabels) {
  Workspace custom;
  WizardRun run = run_wizard_in(custom.path(), "4\n" + std::string(40, '\n'));
  ASSERT_EQ(0, run.exit_code) << run.output;
  std::string preview =
      between(run.output, "Preparing preview....Done.\n", "\n\nAre you satisfied");
  std::string build = between(run.output, "Themes\n\n\n", "Would you like to save");
  // The lines name the colours the skin's own samples show.
  std::string other = custom.path() + "/Korvel Dazo Custom/Images/Other/";
  std::string expected;
  const char* names[] = {"MODULATORS", "EFFECTS", "GLOBALS"};
  for (int n = 2; n <= 4; ++n) {
    std::string colour = measured_colour(other + "CS" + std::to_string(n) + "Sample.png");
    expected += std::string(names[n - 2]) + ": white labels on " + colour + " buttons ";
  }
  // Each line cut after its colour; a line of any other kind is kept whole.
  auto without_ratios = [](const std::string& report) {
    std::string kept;
    for (const std::string& line : lines_of(report)) {
      size_t cut = line.find(" buttons ");
      kept += cut == std::string::npos ? line + "\n" : line.substr(0, cut + 9);
    }
    return kept;
  };
  EXPECT_EQ(expected, without_ratios(preview)) << preview;
  EXPECT_EQ(preview + "\n", build);  // the build shows what the preview promised
  EXPECT_EQ(3u, count_of(preview, "hard to read (aim for 2:1 or more)"));
  EXPECT_NE(std::string::npos, preview.find("EEEDED buttons 1.2:1")) << preview;
}

// In a terminal with no desktop the preview strips are drawn in it, and each
// section's problems stand right under its own strip, before the report.
TEST_F(ReadabilityReport, TerminalPreviewMarksProblemsUnderTheirStrip) {
  if (command_output("command -v script").empty())
    GTEST_SKIP() << "no script(1) to give the program a terminal";
  Workspace custom;
  // The answers: the multicolour design, then ENTER for every default.
  std::string answers = "printf '4\\n'; yes '' | head -40";
  std::string output = command_output(
      "cd '" + custom.path() + "' && (" + answers +
      ") | env -u DISPLAY -u WAYLAND_DISPLAY TERM=xterm script -qfec '" SKINBUILDER_BIN
      "' /dev/null");
  std::string preview = between(output, "Preparing preview....", "Done.");
  // The preview in outline: "strip" for each run of drawn rows, each marked
  // line cut after its section's name.
  std::string outline;
  bool in_strip = false;
  for (const std::string& line : lines_of(preview)) {
    bool row = line.compare(0, 2, "\x1b[") == 0;
    if (row && !in_strip) outline += "strip\n";
    in_strip = row;
    if (line.compare(0, 2, "^ ") == 0) outline += line.substr(0, line.find(':')) + "\n";
  }
  EXPECT_EQ("strip\nstrip\n^ MODULATORS\nstrip\n^ EFFECTS\nstrip\n^ GLOBALS\n", outline) << preview;
}

}  // namespace
