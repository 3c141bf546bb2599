// Saving a preset at the end of a CUSTOM run, through the real binary: a
// save that fails says why, ends the run with 1, and leaves the skin.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/test_support.h"

namespace {

namespace fs = std::filesystem;

using PresetSaving = EndToEndTest;

TEST_F(PresetSaving, AFailedSaveEndsWithItsReasonAndStatusOne) {
  Workspace workspace;
  fs::remove_all(workspace.path() + "/Presets");
  write_file(workspace.path() + "/Presets", "my notes");
  // Colours and preview, the name, the nine style questions, then "2" to save.
  std::string answers = "3\n" + std::string(8, '\n') + "Ocean\n" + std::string(9, '\n') + "2\n";
  WizardRun run = run_wizard_in(workspace.path(), answers);
  EXPECT_EQ(1, run.exit_code);
  EXPECT_TRUE(ends_with(run.output,
                        "Would you like to save this skin as a preset?:\n\n1: No (Default)\n2: "
                        "Yes\n: Cannot write preset Ocean-v11b5.kvl!\nPresets is not a folder; "
                        "nothing was saved.\n\nPress ENTER to finish.\n"))
      << run.output;
  EXPECT_NE(std::string::npos, run.output.find("Your skin is now ready."));
  EXPECT_TRUE(fs::is_regular_file(workspace.path() + "/Ocean/Scripts/ZebraHZ.txt"));
  EXPECT_EQ("my notes", read_file(workspace.path() + "/Presets"));
}

}  // namespace
