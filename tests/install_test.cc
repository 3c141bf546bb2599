// Installing the finished skin into the synthesizer's Themes folders, through
// the real binary, with a home folder of the test's own.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/test_support.h"

namespace {

namespace fs = std::filesystem;

const char kReady[] =
    "Your skin is now ready.\n\n"
    "Move the Korvel Dazo Blue folder to [vstfolder]\\ZebraHZ.data\\Support\\Themes  or "
    "[vstfolder]\\Zebra2.data\\Support\\Themes\n\n\n"
    "Colours read well.\n\n";
const char kFinish[] = "Press ENTER to finish.\n";

// A home with the Themes folders a test makes in it (runs see it as HOME).
class InstallRun : public EndToEndTest {
 protected:
  std::string themes_in(const std::string& data) {
    std::string themes = home_.path() + "/" + data + "/Support/Themes";
    fs::create_directories(themes);
    return themes;
  }
  static std::string menu(const std::string& first, const std::string& second = "") {
    return "Would you like to install this skin into the synthesizer?:\n\n"
           "1: No (default)\n2: " +
           first + "\n" + (second.empty() ? "" : "3: " + second + "\n") + ": ";
  }

  ScratchFolder home_{false};
  WizardHome wizard_home_{home_.path()};
};

TEST_F(InstallRun, InstallsIntoTheChosenFolderAndLaterOverItsOlderCopy) {
  std::string native = themes_in(".vst/Zebra2.data");
  std::string wine = themes_in(".wine/drive_c/Program Files/Common Files/VST2/ZebraHZ.data");
  Workspace workspace;
  WizardRun run = run_wizard_in(workspace.path(), "1\n3\n\n");
  EXPECT_EQ(0, run.exit_code);
  EXPECT_TRUE(ends_with(run.output, kReady + menu(native, wine) + "The skin is now in " + wine +
                                        "/Korvel Dazo Blue; the synthesizer shows it in its "
                                        "theme menu.\n\n" +
                                        kFinish))
      << run.output;
  const std::string skin = workspace.path() + "/Korvel Dazo Blue";
  EXPECT_TRUE(tree_content(skin) == tree_content(wine + "/Korvel Dazo Blue"));
  EXPECT_TRUE(names_in(native).empty());

  write_file(wine + "/Korvel Dazo Blue/Scripts/Older.txt", "older");
  run = run_wizard_in(workspace.path(), "1\n3\n\n");
  EXPECT_EQ(0, run.exit_code);
  EXPECT_TRUE(ends_with(run.output,
                        "/Korvel Dazo Blue, in place of the older one; the "
                        "synthesizer shows it in its theme menu.\n\n" +
                            std::string(kFinish)))
      << run.output;
  EXPECT_TRUE(tree_content(skin) == tree_content(wine + "/Korvel Dazo Blue"));
  EXPECT_EQ(std::vector<std::string>{"Korvel Dazo Blue"}, names_in(wine));
}

TEST_F(InstallRun, AThemesFolderWithoutWriteAccessIsToldAndTheRunEndsWithOne) {
  std::string native = themes_in(".vst/Zebra2.data");
  Workspace workspace;
  command_output("chmod -R a+rwX '" + workspace.path() + "' && chmod a-w '" + native + "'");
  // root may write anywhere: the program then runs as nobody.
  std::string as_user = command_output("id -u") == "0\n" ? "setpriv --reuid=65534 --regid=65534 "
                                                           "--clear-groups "
                                                         : "";
  std::string output = run_script(
      workspace.path(), "printf '1\\n2\\n\\n' | " + as_user + "\"$BIN\"\necho \"exit $?\"\n");
  command_output("chmod u+w '" + native + "'");
  EXPECT_TRUE(ends_with(output, kReady + menu(native) + "Cannot install into " + native +
                                    " (no write access): start the program as a user who may "
                                    "write there (on Windows, as administrator), or move the "
                                    "Korvel Dazo Blue folder there by hand.\n\n" +
                                    kFinish + "exit 1\n"))
      << output;
  EXPECT_TRUE(names_in(native).empty());
  EXPECT_TRUE(fs::is_directory(workspace.path() + "/Korvel Dazo Blue/Scripts"));
}

// Data folders too deep, or without Themes, are not the synthesizer's
// Themes folders: the run ends as it always did.
TEST_F(InstallRun, WithoutAThemesFolderTheDialogueEndsAsBefore) {
  themes_in(".vst/one/two/Zebra2.data");
  fs::create_directories(home_.path() + "/.vst3/ZebraHZ.data/Support");
  Workspace workspace;
  WizardRun run = run_wizard_in(workspace.path(), "1\n\n");
  EXPECT_EQ(0, run.exit_code);
  EXPECT_TRUE(ends_with(run.output, kReady + std::string(kFinish))) << run.output;
}

}  // namespace
