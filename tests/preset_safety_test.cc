// Presets at their edges and names that must never reach a command line,
// through the real binary.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "settings/skin_settings.h"
#include "tests/e2e_support.h"

namespace {

namespace fs = std::filesystem;

size_t count_of(const std::string& text, const std::string& part) {
  size_t count = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

// A working folder one level down, so that damage to the folder above it
// (a skin named "..") shows in the listing too.
struct NestedWorkspace {
  std::string root;
  std::string run;
};

NestedWorkspace nested_workspace() {
  NestedWorkspace ws;
  ws.root = make_workspace();
  ws.run = ws.root + "/run";
  fs::create_directory(ws.run);
  fs::rename(ws.root + "/Presets", ws.run + "/Presets");
  fs::rename(ws.root + "/skindata", ws.run + "/skindata");
  std::ofstream(ws.root + "/keep.txt") << "beside the working folder";
  return ws;
}

// Every entry below root, files with their size and write time, except
// those under the folders a run may change (relative to root, ending in
// "/"). A folder's own time changes with any new entry and is left out.
std::set<std::string> listing(const std::string& root, const std::set<std::string>& changeable) {
  std::set<std::string> entries;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    std::string relative = fs::relative(entry.path(), root).string();
    bool skipped = false;
    for (const std::string& folder : changeable) {
      if ((relative + "/").rfind(folder, 0) == 0) skipped = true;
    }
    if (skipped) continue;
    if (!entry.is_regular_file()) {
      entries.insert(relative + "/");
      continue;
    }
    auto time = entry.last_write_time().time_since_epoch().count();
    entries.insert(relative + " " + std::to_string(entry.file_size()) + " " + std::to_string(time));
  }
  return entries;
}

// What one listing has and the other has not, one entry a line (the first
// few; a deleted folder would list thousands).
std::string changes(const std::set<std::string>& before, const std::set<std::string>& after) {
  std::string text;
  int shown = 0;
  for (const std::string& entry : before) {
    if (after.count(entry) == 0 && shown++ < 10) text += "- " + entry + "\n";
  }
  for (const std::string& entry : after) {
    if (before.count(entry) == 0 && shown++ < 20) text += "+ " + entry + "\n";
  }
  if (shown > 20) text += "...\n";
  return text;
}

void write_preset(const std::string& ws_run, const std::string& file_name,
                  const SkinSettings& record, size_t size = kSettingsSize) {
  std::ofstream(ws_run + "/Presets/" + file_name, std::ios::binary)
      .write(reinterpret_cast<const char*>(settings_bytes(record)), size);
}

SkinSettings preset_record(int32_t design) {
  SkinSettings record;
  init_settings(record);
  record.design_choice = design;
  std::strcpy(record.skin_name, "stored name");
  record.cs1.red = 11;
  record.knob_style = 7;
  return record;
}

class PresetEdges : public ::testing::Test {
 protected:
  void SetUp() override {
    if (small_skindata().empty()) GTEST_SKIP() << "make-skindata is not built";
  }
};

TEST_F(PresetEdges, HostileNamesAreRefusedAndTouchNothingOutsideTheSkin) {
  NestedWorkspace ws = nested_workspace();
  std::set<std::string> changeable = {"run/Safe Name/", "run/skindata/temp/"};
  std::set<std::string> before = listing(ws.root, changeable);
  std::string answers = "3\n" + std::string(8, '\n') +  // colours, no adjustments, preview
                        "..\nskindata\na&b\nname.\nCON\ncom1.txt\n" + std::string(300, 'x') +
                        "\nSafe Name\n";
  WizardRun run = run_wizard_in(ws.run, answers);
  ASSERT_EQ(0, run.exit_code) << run.output;
  const char* reasons[] = {
      "\".\" and \"..\" name existing folders; please choose another name.\n",
      "skindata and Presets are the program's own folders; please choose another name.\n",
      "A skin name cannot hold \\ / : * ? \" < > | & % ^ # [ ] or control characters.\n",
      "A skin name cannot end with a dot or a blank.\n",
      "That name is longer than 255 characters; please choose a shorter one.\n",
  };
  for (const char* reason : reasons) EXPECT_EQ(1u, count_of(run.output, reason)) << reason;
  EXPECT_EQ(2u, count_of(run.output,
                         "Windows reserves that name for a device; please choose another name.\n"));
  EXPECT_NE(std::string::npos, run.output.find("Clearing any existing folder named Safe Name."));
  EXPECT_EQ(1u, count_of(run.output, "Clearing any existing folder"));
  EXPECT_TRUE(file_exists(ws.run + "/Safe Name/Scripts/ZebraHZ.txt"));
  EXPECT_EQ("", changes(before, listing(ws.root, changeable)));
  fs::remove_all(ws.root);
}

TEST_F(PresetEdges, UnusablePresetNamesNeverNameTheFolder) {
  struct Case {
    const char* stem;
    int32_t design;
    const char* options;
    const char* expected_text;
  } cases[] = {
      // A CUSTOM preset: its name is the default that ENTER cannot accept.
      {"..", kCustomMulti, "", "(Default = ..)\n: \".\" and \"..\" name existing folders"},
      // STANDARD presets are built without a name question.
      {"skindata", kStandardMulti, "-path ..",
       "The preset's advanced options were cleared: they could harm files or break a command "
       "line.\n"},
      {"a#b", kStandardSingle, "",
       "The preset's name cannot be a folder name here; the skin is named Korvel Dazo Custom.\n"},
  };
  for (const Case& c : cases) {
    NestedWorkspace ws = nested_workspace();
    SkinSettings record = preset_record(c.design);
    record.global_adjust = 2;
    std::strcpy(record.advanced_options, c.options);
    write_preset(ws.run, std::string(c.stem) + "-v11b5.kvl", record);
    std::set<std::string> changeable = {"run/Korvel Dazo Custom/", "run/skindata/temp/"};
    std::set<std::string> before = listing(ws.root, changeable);
    WizardRun run = run_wizard_in(ws.run, "5\n");
    ASSERT_EQ(0, run.exit_code) << run.output;
    EXPECT_NE(std::string::npos, run.output.find(c.expected_text)) << c.stem << run.output;
    EXPECT_NE(std::string::npos,
              run.output.find("Clearing any existing folder named Korvel Dazo Custom."))
        << c.stem;
    EXPECT_TRUE(file_exists(ws.run + "/Korvel Dazo Custom/Scripts/ZebraHZ.txt")) << c.stem;
    EXPECT_EQ("", changes(before, listing(ws.root, changeable))) << c.stem;
    fs::remove_all(ws.root);
  }
}

TEST_F(PresetEdges, VersionsShortFilesLetterCaseAndNumbersBeyondTheCatalogue) {
  struct Case {
    const char* file_name;
    size_t size;
    const char* version;
    const char* answers;
    const char* expected[3];
    const char* folder;
  } cases[] = {
      {"Old-v11b5.kvl",
       kSettingsSize,
       "11b4",
       "5\n",
       {"Incompatible Preset Version!", "GENERATOR COLOR\n\n", "Red amount (0-255) (Default = 11)"},
       "Korvel Dazo Custom"},
      // Shorter than the version field: the file's leading fields count.
      {"Head-v11b5.kvl",
       100,
       "11b5",
       "5\n",
       {"MAIN COLOR\n\n", "(Default = Head)\n: ", "7: Live Style (default)\n"},
       "Head"},
      {"Odd-V11B5.KVL",
       kSettingsSize,
       "11b5",
       "5\n",
       {"5: PRESET: Odd-V11B5.KVL\n", "Preset Odd-V11B5.KVL-v11b5.kvl not found!",
        "GENERATOR COLOR\n\n"},
       "Korvel Dazo Custom"},
      {"Fine-v11b5.kvl",
       kSettingsSize,
       "11b5",
       "9\n\n",
       {"Preset -v11b5.kvl not found!", "GENERATOR COLOR\n\n", "Red amount (0-255) (Default = 87)"},
       "Korvel Dazo Custom"},
  };
  for (const Case& c : cases) {
    NestedWorkspace ws = nested_workspace();
    SkinSettings record = preset_record(kCustomSingle);
    std::memcpy(record.version, c.version, 5);
    write_preset(ws.run, c.file_name, record, c.size);
    WizardRun run = run_wizard_in(ws.run, c.answers);
    ASSERT_EQ(0, run.exit_code) << run.output;
    for (const char* text : c.expected) {
      EXPECT_NE(std::string::npos, run.output.find(text)) << c.file_name << ": " << text;
    }
    EXPECT_TRUE(file_exists(ws.run + "/" + c.folder + "/Scripts/ZebraHZ.txt")) << c.file_name;
    fs::remove_all(ws.root);
  }
}

}  // namespace
