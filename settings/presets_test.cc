#include "settings/presets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "wizard/dialogue_test_support.h"

namespace {

namespace fs = std::filesystem;

void write_bytes(const std::string& path, const void* data, size_t size) {
  std::ofstream(path, std::ios::binary).write(static_cast<const char*>(data), size);
}

std::string file_bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string record_bytes(const SkinSettings& settings) {
  return std::string(reinterpret_cast<const char*>(settings_bytes(settings)), kSettingsSize);
}

class PresetTest : public WorkingFolderTest {
 protected:
  void SetUp() override {
    WorkingFolderTest::SetUp();
    fs::create_directory("Presets");
  }
  // A record as a CUSTOM run leaves it, saved under name.
  SkinSettings saved_record(const char* stored_name) {
    SkinSettings record;
    init_settings(record);
    record.design_choice = kCustomSingle;
    std::strcpy(record.skin_name, stored_name);
    record.cs1 = SectionColor{10, 20, 30, 1.5f, 2.5f};
    record.knob_style = 7;
    record.global_adjust = 2;
    std::strcpy(record.advanced_options, "-sharpen 0x1");
    return record;
  }
  PresetCatalog catalog_;
};

TEST_F(PresetTest, TheCatalogueListsPresetFilesAfterTheFourDesigns) {
  for (const char* name :
       {"Dark-v11b5.kvl", "Ocean-v11b5.kvl", "Odd-V11B5.KVL", "notes.txt", "Dark-v11b5.kvl.bak"}) {
    write_bytes("Presets/" + std::string(name), "x", 1);
  }
  list_presets(catalog_);
  ASSERT_EQ(7, catalog_.entry_count);
  EXPECT_STREQ("STANDARD: Single color blue", catalog_.entries[0].label);
  EXPECT_STREQ("CUSTOM: Multicolor", catalog_.entries[3].label);
  EXPECT_STREQ("", catalog_.entries[3].file_stem);
  std::set<std::string> labels, stems;
  for (int i = 4; i < 7; ++i) {
    labels.insert(catalog_.entries[i].label);
    stems.insert(catalog_.entries[i].file_stem);
  }
  // The suffix in other letters is listed but not cut.
  EXPECT_EQ((std::set<std::string>{"PRESET: Dark", "PRESET: Ocean", "PRESET: Odd-V11B5.KVL"}),
            labels);
  EXPECT_EQ((std::set<std::string>{"Dark", "Ocean", "Odd-V11B5.KVL"}), stems);

  fs::remove_all("Presets");  // no folder: the four designs only
  list_presets(catalog_);
  EXPECT_EQ(4, catalog_.entry_count);
}

TEST_F(PresetTest, NoMoreThan1020PresetsAreListed) {
  for (int i = 0; i < 1030; ++i) write_bytes("Presets/p" + std::to_string(i) + "-v11b5.kvl", "", 0);
  list_presets(catalog_);
  EXPECT_EQ(kCatalogSize, catalog_.entry_count);
  EXPECT_EQ(0, std::strncmp("PRESET: p", catalog_.entries[kCatalogSize - 1].label, 9));
}

TEST_F(PresetTest, SavedPresetLoadsBackUnderItsFileName) {
  SkinSettings record = saved_record("Ocean");
  feed("2\n");
  save_preset(record);
  EXPECT_EQ(
      "Would you like to save this skin as a preset?:\n\n1: No (Default)\n2: Yes\n: "
      "Preset saved as Presets\\Ocean-v11b5.kvl.  This file may be shared with other users.\n\n",
      printed());
  EXPECT_EQ(record_bytes(record), file_bytes("Presets/Ocean-v11b5.kvl"));

  // The file renamed: the name comes from the file name, all else from the file.
  fs::rename("Presets/Ocean-v11b5.kvl", "Presets/Deep Sea-v11b5.kvl");
  list_presets(catalog_);
  ASSERT_EQ(5, catalog_.entry_count);
  feed("");
  load_preset(catalog_, 5, settings_);
  EXPECT_EQ("", printed());
  SkinSettings expected = record;
  std::strcpy(expected.skin_name, "Deep Sea");
  EXPECT_EQ(record_bytes(expected).substr(0, 36), record_bytes(settings_).substr(0, 36));
  EXPECT_STREQ("Deep Sea", settings_.skin_name);
  EXPECT_EQ(record_bytes(expected).substr(292), record_bytes(settings_).substr(292));

  // Any answer but 2 saves nothing.
  feed("1\n");
  save_preset(settings_);
  printed();
  EXPECT_EQ(record_bytes(record), file_bytes("Presets/Deep Sea-v11b5.kvl"));
}

TEST_F(PresetTest, MissingFilesAndNumbersOutsideTheCatalogueFallBack) {
  write_bytes("Presets/Gone-v11b5.kvl", "", 0);
  list_presets(catalog_);
  fs::remove("Presets/Gone-v11b5.kvl");
  struct Case {
    int32_t number;
    const char* message;
  } cases[] = {{5, "Preset Gone-v11b5.kvl not found!"},
               {6, "Preset -v11b5.kvl not found!"},  // an empty entry: the bare suffix
               {0, "Preset -v11b5.kvl not found!"},
               {-3, "Preset -v11b5.kvl not found!"},
               {5000, "Preset -v11b5.kvl not found!"}};
  for (const Case& c : cases) {
    init_settings(settings_);
    settings_.cs2.red = 1;
    feed("\nnext\n");
    load_preset(catalog_, c.number, settings_);
    EXPECT_EQ(c.message, printed()) << c.number;
    EXPECT_EQ(kCustomMulti, settings_.design_choice);
    EXPECT_STREQ("Korvel Dazo Custom", settings_.skin_name);
    EXPECT_EQ(63, settings_.sidebar_brightness);
    EXPECT_EQ(1, settings_.cs2.red);
    EXPECT_STREQ("\n", answer_line);  // the wait for ENTER took one line
  }
}

TEST_F(PresetTest, AnUnwritablePresetIsReported) {
  fs::remove_all("Presets");
  SkinSettings record = saved_record("Ocean");
  feed("2\n");
  save_preset(record);
  EXPECT_EQ(
      "Would you like to save this skin as a preset?:\n\n1: No (Default)\n2: Yes\n: "
      "Cannot write preset Ocean-v11b5.kvl!",
      printed());
}

}  // namespace
