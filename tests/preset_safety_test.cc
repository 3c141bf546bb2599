// Names that must never reach a command line, typed or from a preset,
// through the real binary: the folders around the skin stay as they were.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "settings/skin_settings.h"
#include "tests/test_support.h"

namespace {

namespace fs = std::filesystem;

// Every entry below root, files with their size and write time, except
// those under the folders a run may change (relative to root, ending in
// "/"). A folder's own time changes with any new entry and is left out.
std::set<std::string> listing(const std::string& root, const std::set<std::string>& changeable) {
  std::set<std::string> entries;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    std::string relative = fs::relative(entry.path(), root).string();
    auto under = [&](const std::string& folder) { return (relative + "/").rfind(folder, 0) == 0; };
    if (std::any_of(changeable.begin(), changeable.end(), under)) continue;
    if (!entry.is_regular_file()) {
      entries.insert(relative + "/");
      continue;
    }
    auto time = entry.last_write_time().time_since_epoch().count();
    entries.insert(relative + " " + std::to_string(entry.file_size()) + " " + std::to_string(time));
  }
  return entries;
}

// The entries only one listing has, the first few (a deleted folder would list thousands).
std::vector<std::string> changes(const std::set<std::string>& before,
                                 const std::set<std::string>& after) {
  std::vector<std::string> differing;
  std::set_symmetric_difference(before.begin(), before.end(), after.begin(), after.end(),
                                std::back_inserter(differing));
  differing.resize(std::min<size_t>(differing.size(), 20));
  return differing;
}

// A working folder "run" one level down, so that damage to the folder above
// it (a skin named "..") shows in the listing too.
class NestedWorkspace : public Workspace {
 public:
  NestedWorkspace() : Workspace("run") { write_file(path() + "/keep.txt", "beside the run"); }
};

using PresetEdges = EndToEndTest;

TEST_F(PresetEdges, HostileNamesAreRefusedAndTouchNothingOutsideTheSkin) {
  NestedWorkspace ws;
  std::set<std::string> changeable = {"run/Safe Name/", "run/skindata/temp/"};
  std::set<std::string> before = listing(ws.path(), changeable);
  std::string answers = "3\n" + std::string(8, '\n') +  // colours, no adjustments, preview
                        "..\nskindata\na&b\nname.\nCON\ncom1.txt\n" + std::string(300, 'x') +
                        "\nSafe Name\n";
  WizardRun run = run_wizard_in(ws.run_folder(), answers);
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
  EXPECT_EQ(1u, count_of(run.output, "Clearing any existing folder"));
  EXPECT_EQ(1u, count_of(run.output, "Clearing any existing folder named Safe Name."));
  EXPECT_TRUE(fs::exists(ws.run_folder() + "/Safe Name/Scripts/ZebraHZ.txt"));
  EXPECT_EQ(std::vector<std::string>(), changes(before, listing(ws.path(), changeable)));
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
    NestedWorkspace ws;
    SkinSettings record = design_settings(c.design);
    record.global_adjust = 2;
    std::strcpy(record.advanced_options, c.options);
    write_file(ws.run_folder() + "/Presets/" + c.stem + "-v11b5.kvl", record_bytes(record));
    std::set<std::string> changeable = {"run/Korvel Dazo Custom/", "run/skindata/temp/"};
    std::set<std::string> before = listing(ws.path(), changeable);
    WizardRun run = run_wizard_in(ws.run_folder(), "5\n");
    ASSERT_EQ(0, run.exit_code) << run.output;
    EXPECT_NE(std::string::npos, run.output.find(c.expected_text)) << c.stem << run.output;
    EXPECT_NE(std::string::npos,
              run.output.find("Clearing any existing folder named Korvel Dazo Custom."))
        << c.stem;
    EXPECT_TRUE(fs::exists(ws.run_folder() + "/Korvel Dazo Custom/Scripts/ZebraHZ.txt")) << c.stem;
    EXPECT_EQ(std::vector<std::string>(), changes(before, listing(ws.path(), changeable)))
        << c.stem;
  }
}

}  // namespace
