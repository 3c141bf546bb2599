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

// In a folder without skindata the program stops before its first
// question, with the same bytes on every system (line ends are where a
// console could differ), and creates nothing.
TEST(WizardConsole, AFolderWithoutSkindataStopsBeforeTheFirstQuestion) {
  ScratchFolder empty(false);
  WizardRun run = run_wizard_in(empty.path(), "1\n", 300, ErrorOutput::kApart);
  EXPECT_EQ(1, run.exit_code);
  EXPECT_EQ(
      "There is no skindata folder here: start the program in the folder that holds skindata and "
      "Presets.\n\nPress ENTER to finish.\n",
      run.output);
  EXPECT_TRUE(names_in(empty.path()).empty());
}

}  // namespace
