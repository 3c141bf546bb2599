#include "settings/presets.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <set>
#include <string>

#include "tests/test_support.h"
#include "wizard/prompts.h"

namespace {

namespace fs = std::filesystem;

// The menu number of a preset; the folder's order decides it.
int32_t entry_number(const PresetCatalog& catalog, const std::string& stem) {
  for (int32_t n = 1; n <= catalog.entry_count; ++n) {
    if (stem == catalog.entries[n - 1].file_stem) return n;
  }
  return -1;
}

const char kSaveQuestion[] =
    "Would you like to save this skin as a preset?:\n\n1: No (Default)\n2: Yes\n: ";

class PresetTest : public WorkingFolderTest {
 protected:
  PresetTest() { fs::create_directory("Presets"); }
  // A record as a CUSTOM run leaves it, saved under name.
  static SkinSettings saved_record(const char* stored_name) {
    SkinSettings record = design_settings(kCustomSingle);
    set_skin_name(record, stored_name);
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
    write_file("Presets/" + std::string(name), "x");
  }
  list_presets(catalog_);
  ASSERT_EQ(7, catalog_.entry_count);
  EXPECT_STREQ("STANDARD: Single color blue", catalog_.entries[0].label);
  EXPECT_STREQ("CUSTOM: Multicolor", catalog_.entries[3].label);
  std::set<std::string> labels;
  for (int i = 4; i < 7; ++i) labels.insert(catalog_.entries[i].label);
  // The suffix in other letters is listed but not cut, so that file is then not found.
  EXPECT_EQ((std::set<std::string>{"PRESET: Dark", "PRESET: Ocean", "PRESET: Odd-V11B5.KVL"}),
            labels);
  feed("\n");
  load_preset(catalog_, entry_number(catalog_, "Odd-V11B5.KVL"), settings_);
  EXPECT_EQ("Preset Odd-V11B5.KVL-v11b5.kvl not found!", printed());

  fs::remove_all("Presets");  // no folder: the four designs only
  list_presets(catalog_);
  EXPECT_EQ(4, catalog_.entry_count);

  fs::create_directory("Presets");
  for (int i = 0; i < 1030; ++i) write_file("Presets/p" + std::to_string(i) + "-v11b5.kvl", "");
  list_presets(catalog_);
  EXPECT_EQ(kCatalogSize, catalog_.entry_count);
  EXPECT_EQ(0, std::strncmp("PRESET: p", catalog_.entries[kCatalogSize - 1].label, 9));
}

TEST_F(PresetTest, SavedPresetLoadsBackUnderItsFileName) {
  SkinSettings record = saved_record("Ocean");
  feed("2\n");
  save_preset(record);
  EXPECT_EQ(std::string(kSaveQuestion) +
                "Preset saved as Presets\\Ocean-v11b5.kvl.  This file may be shared with other "
                "users.\n\n",
            printed());
  EXPECT_EQ(record_bytes(record), read_file("Presets/Ocean-v11b5.kvl"));

  // The file renamed: the name comes from the file name, all else from the file.
  fs::rename("Presets/Ocean-v11b5.kvl", "Presets/Deep Sea-v11b5.kvl");
  list_presets(catalog_);
  feed("");
  load_preset(catalog_, 5, settings_);
  EXPECT_EQ("", printed());
  SkinSettings expected = record;
  set_skin_name(expected, "Deep Sea");
  EXPECT_EQ(record_bytes(expected), record_bytes(settings_));

  // Any answer but 2 saves nothing; a folder that cannot be written is reported.
  feed("1\n");
  save_preset(settings_);
  printed();
  EXPECT_EQ(record_bytes(record), read_file("Presets/Deep Sea-v11b5.kvl"));
  fs::remove_all("Presets");
  feed("2\n");
  save_preset(record);
  EXPECT_EQ(std::string(kSaveQuestion) + "Cannot write preset Ocean-v11b5.kvl!", printed());
}

TEST_F(PresetTest, UnusableFilesAndNumbersFallBackToCustomMulticolour) {
  SkinSettings old = saved_record("x");
  std::strcpy(old.version, "11b4");
  write_file("Presets/Old-v11b5.kvl", record_bytes(old));
  write_file("Presets/Gone-v11b5.kvl", "");
  list_presets(catalog_);
  fs::remove("Presets/Gone-v11b5.kvl");
  int32_t gone = entry_number(catalog_, "Gone"), old_version = entry_number(catalog_, "Old");
  struct Case {
    int32_t number;
    const char* message;
  } cases[] = {
      {gone, "Preset Gone-v11b5.kvl not found!"}, {old_version, "Incompatible Preset Version!"},
      {7, "Preset -v11b5.kvl not found!"},  // an empty entry: the bare suffix
      {0, "Preset -v11b5.kvl not found!"},        {-3, "Preset -v11b5.kvl not found!"},
      {5000, "Preset -v11b5.kvl not found!"}};
  for (const Case& c : cases) {
    init_settings(settings_);
    answer_line[0] = '\0';
    feed("\nnext\n");
    load_preset(catalog_, c.number, settings_);
    EXPECT_EQ(c.message, printed()) << c.number;
    EXPECT_EQ(kCustomMulti, settings_.design_choice);
    EXPECT_STREQ("Korvel Dazo Custom", settings_.skin_name);
    EXPECT_EQ(63, settings_.sidebar_brightness);
    // A missing file waits for one ENTER; another version keeps what it read.
    EXPECT_STREQ(c.number == old_version ? "" : "\n", answer_line) << c.number;
    EXPECT_EQ(c.number == old_version ? 10 : 87, settings_.cs1.red) << c.number;
  }
}

TEST_F(PresetTest, AShortFileReplacesOnlyItsLeadingBytes) {
  SkinSettings head = saved_record("stored name");
  write_file("Presets/Head-v11b5.kvl", record_bytes(head, 100));
  list_presets(catalog_);
  SkinSettings expected = settings_;
  std::memcpy(&expected, &head, 100);
  set_skin_name(expected, "Head");
  load_preset(catalog_, 5, settings_);
  EXPECT_EQ(record_bytes(expected), record_bytes(settings_));
}

}  // namespace
