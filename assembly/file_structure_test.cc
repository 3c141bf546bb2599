#include "assembly/file_structure.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/test_support.h"

namespace {

TEST(FileStructure, ClonesOnlyForMulticolourDesigns) {
  CommandRecorder recorder;
  SkinSettings settings = design_settings(kCustomSingle);
  EXPECT_EQ("Building file structure for Korvel Dazo Custom..........\nDone.\n",
            stdout_of([&] { construct_file_structure(settings); }));
  EXPECT_TRUE(recorded_commands().empty());

  settings = design_settings(kCustomMulti);
  set_skin_name(settings, "My Blue Skin");
  EXPECT_EQ("Building file structure for My Blue Skin..........\nDone.\n",
            stdout_of([&] { construct_file_structure(settings); }));
  const std::vector<std::string>& lines = recorded_commands();
  ASSERT_EQ(28u * 2 + 19, lines.size());  // 28 folders copied and renamed, 19 file groups
  const std::string images = "\".\\My Blue Skin\\Images\\";
  EXPECT_EQ("xcopy /y /q /e " + images + "Animations\\PrefCloseCS1\"  " + images +
                "Animations\\PrefCloseCS4\\\" >NUL",
            lines[0]);
  EXPECT_EQ("ren " + images + "Animations\\PrefCloseCS4\\PrefCloseCS1*.png\"  " +
                "\"PrefCloseCS4*.png\" >NUL",
            lines[1]);
  EXPECT_EQ("xcopy /y /q " + images + "Controls\\CS1Env*\"  " + images + "Controls\\CS2Env*\" >NUL",
            lines[56]);
}

std::string overlay(const std::string& folder, const std::string& skin) {
  return "xcopy /y /q /e \".\\skindata\\" + folder + "\\Images\" \".\\" + skin +
         "\\Images\\\" >NUL";
}

TEST(FileStructure, StandardFolderGetsTemplateAndDefaultKnobs) {
  CommandRecorder recorder;
  SkinSettings settings = design_settings(kStandardMulti);
  settings.knob_style = 7;  // stored styles play no part on this path
  settings.lock_icon_style = 3;
  EXPECT_EQ("\nClearing any existing folder named Korvel Dazo Colorized.\n\n",
            stdout_of([&] { prepare_standard_folder(settings); }));
  std::vector<std::string> expected = {
      "rmdir /S /Q \".\\Korvel Dazo Colorized\" 1>NUL 2>NUL",
      "xcopy /y /q /e \".\\skindata\\SkinTemplate\" \".\\Korvel Dazo Colorized\\\" >NUL",
      overlay("Knobs\\Massive X Style", "Korvel Dazo Colorized")};
  EXPECT_EQ(expected, recorded_commands());
}

TEST(FileStructure, StyleOverlaysAtTheEndsOfTheirTables) {
  CommandRecorder recorder;
  copy_style_overlay(StyleGroup::kKnob, 16, "A B");
  copy_style_overlay(StyleGroup::kLockIcon, 9, "A B");
  copy_style_overlay(StyleGroup::kArpIcon, 2, "A B");
  // Numbers outside a table, and the template's own lock and arp icons, copy nothing.
  for (int32_t number : {0, 17, -1}) copy_style_overlay(StyleGroup::kKnob, number, "A B");
  for (int32_t number : {1, 0, 10}) copy_style_overlay(StyleGroup::kLockIcon, number, "A B");
  for (int32_t number : {1, 4, -3}) copy_style_overlay(StyleGroup::kArpIcon, number, "A B");
  std::vector<std::string> expected = {overlay("Knobs\\Trimmer Style", "A B"),
                                       overlay("LockIcons\\Pause Symbol Filled", "A B"),
                                       overlay("AltArp\\Standard", "A B")};
  EXPECT_EQ(expected, recorded_commands());
}

}  // namespace
