// The wizard's dialogue, driven through the real binary with scripted input.
#include <gtest/gtest.h>

#include <string>

#include "tests/test_support.h"

namespace {

const char kGreeting[] =
    "Welcome to the Korvel Dazo Zebra2/HZ Skin Builder\n\n"
    "OVERALL SKIN DESIGN\n\n"
    "Single main color, different colors per section (generators, modulators, effect and global) "
    "or preset?\n\n"
    "NOTE: Choosing either of the \"STANDARD\" options will immediately generate a skin using all\n"
    "      default values. Choosing a PRESET will set all default values to those in the preset, \n"
    "      such that pressing ENTER on all questions will produce a skin matching the preset.\n\n"
    "1: STANDARD: Single color blue (default)\n"
    "2: STANDARD: Multicolor\n"
    "3: CUSTOM: Single color\n"
    "4: CUSTOM: Multicolor\n"
    ": ";

// Without a terminal "cls" prints nothing, so the screens follow each other.
const std::string kStandardBlueBuild =
    "\nClearing any existing folder named Korvel Dazo Blue.\n\n"
    "Building file structure for Korvel Dazo Blue..........\nDone.\n"
    "Modifying colors for Korvel Dazo Blue." +
    std::string(33, '.') +
    "Done.\n"
    "Measuring actual color CS1.......Done.\n"
    "Customizing template skin script.............Done.\n"
    "Customizing skin scripts Zebra2.txt and ZebraHZ.txt.............Done.\n";

const char kFinish[] =
    "Your skin is now ready.\n\n"
    "Move the Korvel Dazo Blue folder to [vstfolder]\\ZebraHZ.data\\Support\\Themes  or "
    "[vstfolder]\\Zebra2.data\\Support\\Themes\n\n\n"
    "Colours read well.\n\n"
    "Press ENTER to finish.\n";

// Building needs the template skin and the image tools, which only the
// POSIX generator makes; a real cmd too (Wine's xcopy asks whether a
// wildcard destination is a file and waits on the closed input).
using WizardDialogue = EndToEndTest;

TEST_F(WizardDialogue, EnterAtTheDesignMenuBuildsTheStandardBlueSkin) {
  Workspace workspace;
  WizardRun run = run_wizard_in(workspace.path(), "\n\n");
  EXPECT_EQ(0, run.exit_code);
  EXPECT_EQ(kGreeting + kStandardBlueBuild + kFinish, run.output);
}

TEST_F(WizardDialogue, ClosedInputAtAnyPointEndsTheRunWithExitZero) {
  const char* inputs[] = {"", "\n", "4", "4\n", "3\n1\n2\n", "4\n\n\n\n\n\n\n\n\n\n\n\n1\n"};
  for (const char* input : inputs) {
    Workspace workspace;
    WizardRun run = run_wizard_in(workspace.path(), input);
    EXPECT_EQ(0, run.exit_code) << "input: " << input << "\n" << run.output;
    EXPECT_TRUE(ends_with(run.output, "Press ENTER to finish.\n")) << run.output;
  }
}

// In a folder without skindata every command fails, but what the program
// itself prints does not depend on them: the same bytes on every system,
// whoever runs the lines (cmd on Windows) and whatever they print on
// standard error. Line ends and "cls" are where a console could differ.
TEST(WizardConsole, TheProgramsOwnTextIsTheSameWithoutAnythingToBuildFrom) {
  ScratchFolder empty(false);
  WizardRun run = run_wizard_in(empty.path(), "1\n", 300, ErrorOutput::kApart);
  EXPECT_EQ(0, run.exit_code);
  const std::string missing_sample =
      "Warning: no colour found in .\\skindata\\temp\\CS1info.txt for CS1Sample.png; using "
      "5797ec.\n";
  std::string build = kStandardBlueBuild;
  build.insert(build.find("Customizing template"), missing_sample);
  std::string finish = kFinish;
  finish.replace(finish.find("Colours read well.\n"), std::string("Colours read well.\n").size(),
                 "The background sample could not be measured, so its check is left out.\n"
                 "MAIN: the colour sample could not be measured, so its checks are left out.\n");
  EXPECT_EQ(kGreeting + build + finish, run.output);
  EXPECT_TRUE(names_in(empty.path()).empty());
}

}  // namespace
