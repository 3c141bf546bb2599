#include "settings/presets.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <set>
#include <string>

#ifndef _WIN32
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

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
       {"ocean-v11b5.kvl", "Odd-V11B5.KVL", "notes.txt", "Dark-v11b5.kvl.bak", "Dark-v11b5.kvl"}) {
    write_file("Presets/" + std::string(name), "x");
  }
  fs::create_directory("Presets/Folder-v11b5.kvl");  // only files are presets
  list_presets(catalog_);
  ASSERT_EQ(7, catalog_.entry_count);
  EXPECT_STREQ("STANDARD: Single color blue", catalog_.entries[0].label);
  EXPECT_STREQ("CUSTOM: Multicolor", catalog_.entries[3].label);
  // Sorted by name, letter case aside. The suffix in other letters is
  // listed but not cut, so that file is then not found.
  std::vector<std::string> labels;
  for (int i = 4; i < 7; ++i) labels.push_back(catalog_.entries[i].label);
  EXPECT_EQ((std::vector<std::string>{"PRESET: Dark", "PRESET: ocean", "PRESET: Odd-V11B5.KVL"}),
            labels);
  feed("");
  EXPECT_FALSE(load_preset(catalog_, entry_number(catalog_, "Odd-V11B5.KVL"), settings_));
  EXPECT_EQ("Preset Odd-V11B5.KVL-v11b5.kvl not found!", printed());

  fs::remove_all("Presets");  // no folder: the four designs only
  list_presets(catalog_);
  EXPECT_EQ(4, catalog_.entry_count);

  fs::create_directory("Presets");
  for (int i = 0; i < 1030; ++i) write_file("Presets/p" + std::to_string(i) + "-v11b5.kvl", "");
  list_presets(catalog_);
  EXPECT_EQ(kCatalogSize, catalog_.entry_count);
  EXPECT_STREQ("PRESET: p0", catalog_.entries[4].label);  // the first by name, not by age
  EXPECT_STREQ("PRESET: p99", catalog_.entries[kCatalogSize - 1].label);
  feed("");
  print_presets_left_out(catalog_);
  EXPECT_EQ("NOTE: 10 more presets in Presets are not listed; the menu holds 1020.\n\n", printed());
}

#ifndef _WIN32  // Windows file names hold no control characters and no FIFO
// A shared file name cannot reach the terminal raw, and a FIFO named like a
// preset (there when the menu was made, or put in place since) never
// makes the program wait.
TEST_F(PresetTest, StrangeFilesAreShownSafelyAndNeverWaitedOn) {
  write_file("Presets/Clear\x1b[2J-v11b5.kvl", "x");
  write_file("Presets/Late-v11b5.kvl", "x");
  ASSERT_EQ("", command_output("mkfifo Presets/Pipe-v11b5.kvl"));
  ASSERT_EQ("", command_output("ln -s /etc/passwd Presets/Passwd-v11b5.kvl"));
  list_presets(catalog_);
  ASSERT_EQ(7, catalog_.entry_count);
  EXPECT_STREQ("PRESET: Clear?[2J", catalog_.entries[4].label);
  // A link to some other file is listed, but its bytes are no preset.
  feed("");
  EXPECT_FALSE(load_preset(catalog_, 7, settings_));
  EXPECT_EQ(0u, printed().find("Incompatible Preset Version! Passwd-v11b5.kvl was ignored"));
  EXPECT_EQ(record_bytes(design_settings(kCustomMulti)), record_bytes(settings_));
  fs::remove("Presets/Late-v11b5.kvl");
  ASSERT_EQ("", command_output("mkfifo Presets/Late-v11b5.kvl"));
  feed("");
  EXPECT_FALSE(load_preset(catalog_, 6, settings_));
  EXPECT_EQ("Preset Late-v11b5.kvl not found!", printed());
  EXPECT_EQ(kCustomMulti, settings_.design_choice);
}
#endif

// Saving makes Presets when it is missing and tells a replaced preset; the
// file renamed loads under its new name, all else from the file.
TEST_F(PresetTest, SavedPresetsReplaceOlderOnesAndLoadBackUnderTheirFileName) {
  fs::remove_all("Presets");
  SkinSettings record = saved_record("Ocean");
  record.knob_style = 3;
  feed("");
  EXPECT_TRUE(save_preset(record));
  record.knob_style = 7;
  EXPECT_TRUE(save_preset(record));
  EXPECT_EQ(
      "Preset saved as Presets\\Ocean-v11b5.kvl.  This file may be shared with other users.\n\n"
      "Preset replaced as Presets\\Ocean-v11b5.kvl.  This file may be shared with other "
      "users.\n\n",
      printed());
  EXPECT_EQ(record_bytes(record), read_file("Presets/Ocean-v11b5.kvl"));
  EXPECT_EQ(std::vector<std::string>{"Ocean-v11b5.kvl"}, names_in("Presets"));

  fs::rename("Presets/Ocean-v11b5.kvl", "Presets/Deep Sea-v11b5.kvl");
  list_presets(catalog_);
  feed("");
  EXPECT_TRUE(load_preset(catalog_, 5, settings_));
  EXPECT_EQ("", printed());
  set_skin_name(record, "Deep Sea");
  EXPECT_EQ(record_bytes(record), record_bytes(settings_));
}

#ifndef _WIN32
// What a save of a new Ocean record prints where an older one lies, and
// whether the older one is still there byte for byte, with no other file.
class FailedSaveTest : public PresetTest {
 protected:
  FailedSaveTest() : older_(record_bytes(saved_record("Older"))) {}
  void put_older() { write_file("Presets/Ocean-v11b5.kvl", older_); }
  std::string save_new() {
    feed("");
    EXPECT_FALSE(save_preset(saved_record("Ocean")));
    return printed();
  }
  void expect_older_kept() {
    EXPECT_EQ(older_, read_file("Presets/Ocean-v11b5.kvl"));
    EXPECT_EQ(std::vector<std::string>{"Ocean-v11b5.kvl"}, names_in("Presets"));
  }
  static std::string told(const std::string& reason) {
    return "Cannot write preset Ocean-v11b5.kvl!\n" + reason + "\n\n";
  }
  std::string older_;
};

// A file size limit cuts the write short after 1000 bytes, as a disk
// that fills up midway does.
TEST_F(FailedSaveTest, AWriteCutShortLeavesTheOlderPreset) {
  put_older();
  struct rlimit previous;
  ASSERT_EQ(0, getrlimit(RLIMIT_FSIZE, &previous));
  struct rlimit limited = previous;
  limited.rlim_cur = 1000;
  void (*handler)(int) = std::signal(SIGXFSZ, SIG_IGN);  // else the write kills the process
  feed("");
  ASSERT_EQ(0, setrlimit(RLIMIT_FSIZE, &limited));
  bool saved = save_preset(saved_record("Ocean"));
  setrlimit(RLIMIT_FSIZE, &previous);
  std::signal(SIGXFSZ, handler);
  EXPECT_FALSE(saved);
  EXPECT_EQ(told("File too large; the older Ocean-v11b5.kvl is as it was."), printed());
  expect_older_kept();
}

// A process killed in the middle of the write (here by the file size
// limit's signal, after 1000 of 2140 bytes) leaves only its temporary
// file, which is no preset: the menu does not list it.
TEST_F(FailedSaveTest, AKillMidwayLeavesTheOlderPresetAndNoListedFile) {
  put_older();
  feed("");
  pid_t child = fork();
  ASSERT_NE(-1, child);
  if (child == 0) {
    struct rlimit limited = {1000, 1000};
    struct rlimit no_core = {0, 0};
    setrlimit(RLIMIT_CORE, &no_core);
    setrlimit(RLIMIT_FSIZE, &limited);
    std::signal(SIGXFSZ, SIG_DFL);
    save_preset(saved_record("Ocean"));
    _exit(0);
  }
  int status = 0;
  waitpid(child, &status, 0);
  printed();
  ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ) << status;
  EXPECT_EQ(older_, read_file("Presets/Ocean-v11b5.kvl"));
  std::string leftover = "Ocean-v11b5.kvl." + std::to_string(child) + ".tmp";
  EXPECT_EQ(1000u, read_file("Presets/" + leftover).size());
  list_presets(catalog_);
  EXPECT_EQ(kFixedDesigns + 1, catalog_.entry_count);
  EXPECT_STREQ("Ocean", catalog_.entries[kFixedDesigns].file_stem);
  feed("");
  EXPECT_TRUE(save_preset(saved_record("Ocean")));
  EXPECT_NE(std::string::npos, printed().find("Preset replaced as Presets\\Ocean-v11b5.kvl."));
  EXPECT_EQ(record_bytes(saved_record("Ocean")), read_file("Presets/Ocean-v11b5.kvl"));
}

// A tmpfs of one page at Presets: full once the older preset is in, then
// read-only. Mounting needs root; without it the folder's permissions
// take the read-only part (root would ignore them).
class OnePageDisk {
 public:
  explicit OnePageDisk(const std::string& folder) : folder_(fs::absolute(folder).string()) {
    mounted_ = command_output("mount -t tmpfs -o size=4k tmpfs '" + folder_ +
                              "' 2>/dev/null && echo mounted") == "mounted\n";
  }
  ~OnePageDisk() {
    if (mounted_) command_output("umount '" + folder_ + "'");
  }
  bool mounted() const { return mounted_; }
  void make_read_only() { command_output("mount -o remount,ro '" + folder_ + "'"); }

 private:
  std::string folder_;
  bool mounted_ = false;
};

TEST_F(FailedSaveTest, AFullDiskOrReadOnlyPresetsLeaveTheOlderPreset) {
  OnePageDisk disk("Presets");
  if (disk.mounted()) {
    put_older();
    EXPECT_EQ(told("No space left on the disk; the older Ocean-v11b5.kvl is as it was."),
              save_new());
    expect_older_kept();
    disk.make_read_only();
  } else if (geteuid() != 0) {
    put_older();
    fs::permissions("Presets", fs::perms::owner_write, fs::perm_options::remove);
  } else {
    GTEST_SKIP() << "as root without a tmpfs nothing here is read-only";
  }
  EXPECT_EQ(told("No write access to Presets; the older Ocean-v11b5.kvl is as it was."),
            save_new());
  std::error_code ignored;  // a read-only tmpfs keeps its permissions
  fs::permissions("Presets", fs::perms::owner_write, fs::perm_options::add, ignored);
  expect_older_kept();
}
#endif

std::string ignored(const char* stem) {
  return std::string("Incompatible Preset Version! ") + stem +
         "-v11b5.kvl was ignored; the run goes on as CUSTOM: Multicolor with its usual defaults.\n";
}

// Nothing of an unusable file reaches the record: a missing one, another
// version, a file of another size, a folder or FIFO of a preset's name.
TEST_F(PresetTest, UnusableFilesAndNumbersFallBackToCustomMulticolour) {
  SkinSettings old = saved_record("x");
  std::strcpy(old.version, "11b4");
  write_file("Presets/Old-v11b5.kvl", record_bytes(old));
  write_file("Presets/Short-v11b5.kvl", record_bytes(saved_record("x"), 100));
  write_file("Presets/Long-v11b5.kvl", record_bytes(saved_record("x")) + "!");
  write_file("Presets/Gone-v11b5.kvl", "");
  list_presets(catalog_);
  fs::remove("Presets/Gone-v11b5.kvl");
  fs::create_directory("Presets/Gone-v11b5.kvl");  // listed as a file, now a folder
  struct Case {
    const char* stem;
    std::string message;
  } cases[] = {{"Gone", "Preset Gone-v11b5.kvl not found!"},
               {"Old", ignored("Old")},
               {"Short", ignored("Short")},
               {"Long", ignored("Long")}};
  for (const Case& c : cases) {
    init_settings(settings_);
    feed("");
    EXPECT_FALSE(load_preset(catalog_, entry_number(catalog_, c.stem), settings_)) << c.stem;
    EXPECT_EQ(c.message, printed()) << c.stem;
    SkinSettings expected = design_settings(kCustomMulti);
    EXPECT_EQ(record_bytes(expected), record_bytes(settings_)) << c.stem;
  }
  for (int32_t number : {9, 0, -3, 5000}) {  // an empty entry, numbers of no entry
    init_settings(settings_);
    feed("");
    EXPECT_FALSE(load_preset(catalog_, number, settings_));
    EXPECT_EQ("Preset -v11b5.kvl not found!", printed()) << number;
    EXPECT_EQ(kCustomMulti, settings_.design_choice);
  }
}

}  // namespace
