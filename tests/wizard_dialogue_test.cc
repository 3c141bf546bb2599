// The wizard's dialogue, driven through the real binary with scripted input.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/paths.h"
#include "settings/skin_settings.h"
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
  const char* inputs[] = {"",    "\n", "4", "4\n", "3\n1\n2\n", "4\n\n\n\n\n\n\n\n\n\n\n\n1\n",
                          "7\n0"};  // ended while a menu asks again
  for (const char* input : inputs) {
    Workspace workspace;
    WizardRun run = run_wizard_in(workspace.path(), input);
    EXPECT_EQ(0, run.exit_code) << "input: " << input << "\n" << run.output;
    EXPECT_TRUE(ends_with(run.output, "Press ENTER to finish.\n")) << run.output;
  }
}

// Numbers outside every menu's rows, the design menu's preset row among
// them: each is asked again, and the run builds the skin the last answers
// chose.
TEST_F(WizardDialogue, NumbersOutsideTheMenusAreAskedAgain) {
  Workspace workspace;
  write_file(workspace.path() + "/Presets/Mine-v11b5.kvl",
             record_bytes(design_settings(kCustomMulti)));
  const std::string pass = std::string(15, '\n');  // five colours, ENTER each
  WizardRun run =
      run_wizard_in(workspace.path(),
                    "6\n0\n5\n" + pass + "3\n1\n" + "0\n1\n" +  // design, adjust, preview
                        pass + "\n7\n\n" + "\n" +               // again, accepted; name
                        "17\n2\n10\n2\n4\n2\n" +                // knob, lock, arp
                        "4\n2\n\n\n3\n2\n-5\n2\n3\n2\n" +       // EQ, sidebars, tab, flow
                        "3\n2\n\n");                            // preset, finish
  ASSERT_EQ(0, run.exit_code) << run.output;
  const std::string again = "Please answer with a number from 1 to ";
  EXPECT_EQ(2u, count_of(run.output, ": " + again + "5.\n: "));
  EXPECT_EQ(1u, count_of(run.output, again + "16.\n"));
  EXPECT_EQ(1u, count_of(run.output, again + "9.\n"));
  EXPECT_EQ(1u, count_of(run.output, again + "3.\n"));
  EXPECT_EQ(2u, count_of(run.output, ":" + again + "2.\n:"));  // the preview's own prompt
  EXPECT_EQ(8u, count_of(run.output, again + "2.\n"));
  EXPECT_NE(std::string::npos, run.output.find("Your skin is now ready."));
  EXPECT_FALSE(read_file(workspace.path() + "/Mine/Scripts/Zebra2.txt").empty());
  std::string saved = read_file(workspace.path() + "/Presets/Mine-v11b5.kvl");
  ASSERT_EQ(kSettingsSize, saved.size());
  SkinSettings record;
  std::memcpy(&record, saved.data(), kSettingsSize);
  for (int32_t field :
       {record.knob_style, record.lock_icon_style, record.arp_icon_style, record.eq_color_mode,
        record.sidebar_color_mode, record.tab_color_mode, record.flow_mod}) {
    EXPECT_EQ(2, field);
  }
  EXPECT_EQ(1, record.global_adjust);
}

const char kMoved[] = "There is no skindata folder here; working in the program's folder, ";

// The folder named by the line that tells of the move, or "" without one.
std::string folder_moved_to(const std::string& output) {
  size_t line = output.find(kMoved);
  if (line == std::string::npos) return "";
  size_t start = line + std::strlen(kMoved);
  size_t end = output.find(".\n\n", start);
  return end == std::string::npos ? "" : output.substr(start, end - start);
}

// Started from a folder without skindata, the program works in its own
// folder when that has one, says so first, and makes the skin there.
TEST_F(WizardDialogue, AFolderWithoutSkindataFallsBackToTheProgramsFolder) {
  Workspace program_folder;
  std::string program = copy_of_program(program_folder.path());
  ScratchFolder empty(false);
  WizardRun run = run_wizard_in(empty.path(), "\n\n", 300, ErrorOutput::kInterleaved, program);
  EXPECT_EQ(0, run.exit_code);
  EXPECT_TRUE(same_file(program_folder.path(), folder_moved_to(run.output))) << run.output;
  // The line comes after the greeting, which clears the screen.
  std::string dialogue = kGreeting + kStandardBlueBuild + kFinish;
  dialogue.insert(dialogue.find("1: STANDARD"),
                  std::string(kMoved) + folder_moved_to(run.output) + ".\n\n");
  EXPECT_EQ(dialogue, run.output);
  EXPECT_TRUE(is_file(program_folder.path() + "/Korvel Dazo Blue/Scripts/Zebra2.txt"));
  EXPECT_TRUE(names_in(empty.path()).empty());
}

// In a folder without skindata the program stops before its first
// question, with the same bytes on every system (line ends are where a
// console could differ), and creates nothing; so does a program whose own
// folder has none (the build folder), or one whose skindata is not
// complete, after the line that names its folder.
TEST(WizardConsole, AFolderWithoutSkindataStopsBeforeTheFirstQuestion) {
  ScratchFolder empty(false);
  WizardRun run = run_wizard_in(empty.path(), "1\n", 300, ErrorOutput::kApart);
  EXPECT_EQ(1, run.exit_code);
  EXPECT_EQ(
      "There is no skindata folder here: start the program in the folder that holds skindata and "
      "Presets.\n\nPress ENTER to finish.\n",
      run.output);
  ScratchFolder program_folder(false);
  make_folders(program_folder.path() + "/skindata");
  run = run_wizard_in(empty.path(), "1\n", 300, ErrorOutput::kApart,
                      copy_of_program(program_folder.path()));
  EXPECT_EQ(1, run.exit_code);
  EXPECT_TRUE(same_file(program_folder.path(), folder_moved_to(run.output))) << run.output;
  EXPECT_EQ(1u, count_of(run.output, ".\n\n" + shown_relative("skindata\\SkinTemplate") +
                                         " is missing or incomplete"))
      << run.output;
  EXPECT_TRUE(names_in(empty.path()).empty());
}

}  // namespace
