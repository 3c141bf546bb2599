#include "assembly/file_structure.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "assembly/commands.h"

namespace {

std::vector<std::string> recorded;

void record_line(const char* line) {
  recorded.push_back(line);
}

// Records every command line instead of running it, for one test's scope.
class Recorder {
 public:
  Recorder() : previous_(set_command_runner(record_line)) { recorded.clear(); }
  ~Recorder() { set_command_runner(previous_); }

 private:
  CommandRunner previous_;
};

SkinSettings settings_for(int32_t design, const char* name) {
  SkinSettings settings;
  init_settings(settings);
  settings.design_choice = design;
  apply_design_defaults(settings);
  if (name != nullptr) format_bounded(settings.skin_name, sizeof settings.skin_name, "%s", name);
  return settings;
}

TEST(FileStructure, ClonesOnlyForMulticolourDesigns) {
  Recorder recorder;
  SkinSettings settings = settings_for(kCustomSingle, nullptr);
  testing::internal::CaptureStdout();
  construct_file_structure(settings);
  EXPECT_EQ("Building file structure for Korvel Dazo Custom..........\nDone.\n",
            testing::internal::GetCapturedStdout());
  EXPECT_TRUE(recorded.empty());

  settings = settings_for(kCustomMulti, "My Blue Skin");
  testing::internal::CaptureStdout();
  construct_file_structure(settings);
  EXPECT_EQ("Building file structure for My Blue Skin..........\nDone.\n",
            testing::internal::GetCapturedStdout());

  ASSERT_EQ(28u * 2 + 19, recorded.size());
  EXPECT_EQ(
      "xcopy /y /q /e \".\\My Blue Skin\\Images\\Animations\\PrefCloseCS1\"  "
      "\".\\My Blue Skin\\Images\\Animations\\PrefCloseCS4\\\" >NUL",
      recorded[0]);
  EXPECT_EQ(
      "ren \".\\My Blue Skin\\Images\\Animations\\PrefCloseCS4\\PrefCloseCS1*.png\"  "
      "\"PrefCloseCS4*.png\" >NUL",
      recorded[1]);
  // Clone 6: the bipolar knob for the effects section; only the first CS1 changes.
  EXPECT_EQ(
      "xcopy /y /q /e \".\\My Blue Skin\\Images\\Animations\\KVL-CS1Knob-Bi\"  "
      "\".\\My Blue Skin\\Images\\Animations\\KVL-CS3Knob-Bi\\\" >NUL",
      recorded[10]);
  EXPECT_EQ(
      "ren \".\\My Blue Skin\\Images\\Animations\\KVL-CS3Knob-Bi\\KVL-CS1Knob-Bi*.png\"  "
      "\"KVL-CS3Knob-Bi*.png\" >NUL",
      recorded[11]);
  EXPECT_EQ(
      "xcopy /y /q \".\\My Blue Skin\\Images\\Controls\\CS1Env*\"  "
      "\".\\My Blue Skin\\Images\\Controls\\CS2Env*\" >NUL",
      recorded[56]);
  EXPECT_EQ(
      "xcopy /y /q \".\\My Blue Skin\\Images\\Panes\\CS1KVL-X*\"  "
      "\".\\My Blue Skin\\Images\\Panes\\CS2KVL-X*\" >NUL",
      recorded[74]);

  // Every clone makes a folder of its own, and the file clones never write CS1 or CS3 icons.
  std::set<std::string> folders;
  for (size_t i = 0; i < 56; i += 2) folders.insert(recorded[i]);
  EXPECT_EQ(28u, folders.size());
  for (size_t i = 56; i < recorded.size(); ++i) {
    EXPECT_EQ(std::string::npos, recorded[i].find("Icons\\CS3")) << recorded[i];
  }
}

TEST(FileStructure, StandardFolderGetsTemplateAndDefaultKnobs) {
  Recorder recorder;
  SkinSettings settings = settings_for(kStandardMulti, nullptr);
  settings.knob_style = 7;  // stored styles play no part on this path
  settings.lock_icon_style = 3;
  testing::internal::CaptureStdout();
  prepare_standard_folder(settings);
  EXPECT_EQ("\nClearing any existing folder named Korvel Dazo Colorized.\n\n",
            testing::internal::GetCapturedStdout());
  std::vector<std::string> expected = {
      "rmdir /S /Q \".\\Korvel Dazo Colorized\" 1>NUL 2>NUL",
      "xcopy /y /q /e \".\\skindata\\SkinTemplate\" \".\\Korvel Dazo Colorized\\\" >NUL",
      "xcopy /y /q /e \".\\skindata\\Knobs\\Massive X Style\\Images\" "
      "\".\\Korvel Dazo Colorized\\Images\\\" >NUL",
  };
  EXPECT_EQ(expected, recorded);
}

TEST(FileStructure, StyleOverlays) {
  Recorder recorder;
  copy_style_overlay(StyleGroup::kKnob, 16, "A B");
  copy_style_overlay(StyleGroup::kLockIcon, 5, "A B");
  copy_style_overlay(StyleGroup::kLockIcon, 9, "A B");
  copy_style_overlay(StyleGroup::kArpIcon, 2, "A B");
  copy_style_overlay(StyleGroup::kArpIcon, 3, "A B");
  std::vector<std::string> expected = {
      "xcopy /y /q /e \".\\skindata\\Knobs\\Trimmer Style\\Images\" \".\\A B\\Images\\\" >NUL",
      "xcopy /y /q /e \".\\skindata\\LockIcons\\No Sign\\Images\" \".\\A B\\Images\\\" >NUL",
      "xcopy /y /q /e \".\\skindata\\LockIcons\\Pause Symbol Filled\\Images\" "
      "\".\\A B\\Images\\\" >NUL",
      "xcopy /y /q /e \".\\skindata\\AltArp\\Standard\\Images\" \".\\A B\\Images\\\" >NUL",
      "xcopy /y /q /e \".\\skindata\\AltArp\\Dice\\Images\" \".\\A B\\Images\\\" >NUL",
  };
  EXPECT_EQ(expected, recorded);

  recorded.clear();
  for (int32_t number : {0, 17, -1}) copy_style_overlay(StyleGroup::kKnob, number, "A B");
  for (int32_t number : {1, 0, 10}) copy_style_overlay(StyleGroup::kLockIcon, number, "A B");
  for (int32_t number : {1, 4, -3}) copy_style_overlay(StyleGroup::kArpIcon, number, "A B");
  EXPECT_TRUE(recorded.empty());
}

}  // namespace
