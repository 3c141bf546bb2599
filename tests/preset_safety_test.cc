// Names that must never reach a command line, typed or from a preset,
// through the real binary: the folders around the skin stay as they were.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <iterator>
#include <random>
#include <regex>
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

// The longest preset name a file name with the suffix can hold, of
// characters that break a command line.
std::string long_quoted_stem() {
  std::string quoted;
  while (quoted.size() < 245) quoted += "a\"b&c";
  return quoted.substr(0, 245);
}

// Bytes from a fixed seed: a whole record, or a file too short to reach the
// version (its random leading fields are then taken as they stand).
std::string random_bytes(size_t size) {
  std::mt19937 random(11);
  std::string bytes(size, '\0');
  for (char& byte : bytes) byte = static_cast<char>(random() & 0xFF);
  return bytes;
}

// A design's record with global adjustments and these advanced options.
std::string adjusted_record(int32_t design, const char* options = "") {
  SkinSettings record = design_settings(design);
  record.global_adjust = 2;
  std::strcpy(record.advanced_options, options);
  return record_bytes(record);
}

// Every int field out of range and every decimal number huge: a STANDARD
// preset, built without questions, with global adjustments.
SkinSettings huge_numbers() {
  SkinSettings record = design_settings(kStandardMulti);
  record.knob_style = 1000000000;
  record.lock_icon_style = -5;
  record.arp_icon_style = INT_MIN;
  record.eq_color_mode = INT_MAX;
  record.sidebar_brightness = INT_MIN;
  record.sidebar_color_mode = 5;
  record.flow_mod = 0;
  record.tab_color_mode = INT_MIN;
  record.sidebar_width = 1e30f;
  record.cs1 = SectionColor{INT_MAX, INT_MIN, 300, NAN, -INFINITY};
  record.cs2 = SectionColor{-1, 0, 0, 0.0f, 0.0f};
  record.cs3 = SectionColor{INT_MIN, INT_MIN, INT_MIN, 1e30f, -1e30f};
  record.cs4 = SectionColor{INT_MAX, INT_MAX, INT_MAX, 0.0f, 0.0f};
  record.sel_red = INT_MIN;
  record.sel_green = INT_MAX;
  record.sel_blue = 256;
  record.global_adjust = 2;
  record.global_hue = -3e38f;
  record.global_saturation = 3e38f;
  record.global_brightness = -1e30f;
  record.global_contrast = 1e30f;
  return record;
}

// Every float field NaN or infinite, under a design number of no design.
SkinSettings not_numbers() {
  SkinSettings record = design_settings(kCustomMulti);
  record.design_choice = INT_MIN;
  record.sidebar_width = NAN;
  record.global_hue = NAN;
  record.global_saturation = INFINITY;
  record.global_brightness = -INFINITY;
  record.global_contrast = NAN;
  record.global_adjust = 2;
  for (int section = 1; section <= 4; ++section) {
    section_color(record, section).modulate_hue = NAN;
    section_color(record, section).modulate_saturation = INFINITY;
  }
  return record;
}

// Both texts filled to their last byte, no terminator.
SkinSettings unterminated_texts() {
  SkinSettings record = design_settings(kCustomMulti);
  std::memset(record.skin_name, 'n', sizeof record.skin_name);
  std::memset(record.advanced_options, 'o', sizeof record.advanced_options);
  record.global_adjust = 2;
  return record;
}

// A placeholder word of the template or the host scripts left unreplaced.
bool holds_placeholder(const std::string& script) {
  static const std::regex placeholder("HEX[A-Z]|SBARWID|SBARBRT|KVLVER|ZCODE|MSEGTAB|OVL[12]");
  return std::regex_search(script, placeholder);
}

const char kDesignReplaced[] =
    "\nThe preset's design number is not 1 to 4; it continues as CUSTOM: Multicolor, named "
    "Korvel Dazo Custom.\n";
const char kMenuRows[] = " named no row of the menu and took the first row.\n";

// Preset names that reach other folders or break a command line, and
// contents no run could use: each is listed, told, and built under the
// default name, and nothing outside the skin changes.
TEST_F(PresetEdges, HostilePresetNamesAndContentsAreToldFallBackAndBuild) {
  std::string short_random = random_bytes(800);
  int32_t short_design;
  std::memcpy(&short_design, short_random.data(), sizeof short_design);
  ASSERT_TRUE(short_design < 1 || short_design > 4) << "pick another seed";
  struct Case {
    std::string stem;
    std::string bytes;
    std::vector<std::string> told;          // each printed once, as it stands
    std::vector<std::string> script_parts;  // found in the Zebra2 script
  } cases[] = {
      // A CUSTOM preset: its name is the default that ENTER cannot accept.
      {"..",
       adjusted_record(kCustomMulti),
       {"(Default = ..)\n: \".\" and \"..\" name existing folders"},
       {}},
      // STANDARD presets are built without a name question.
      {"skindata",
       adjusted_record(kStandardMulti, "-path .."),
       {"The preset's advanced options were cleared: they could harm files or break a command "
        "line.\n"},
       {}},
      {"a#b",
       adjusted_record(kStandardSingle),
       {"The preset's name cannot be a folder name here; the skin is named Korvel Dazo Custom.\n"},
       {}},
      {"CON", random_bytes(kSettingsSize), {"Incompatible Preset Version!"}, {}},
      // Only a whole record is taken: a file of another size is ignored.
      {"..",
       short_random,
       {"Incompatible Preset Version! ..-v11b5.kvl was ignored; the run goes on as CUSTOM: "
        "Multicolor with its usual defaults.\n"},
       {}},
      {long_quoted_stem(),
       record_bytes(unterminated_texts()),
       {"\nThe preset's advanced options were cleared: they could harm files or break a command "
        "line.\n",
        ": A skin name cannot hold \\ / : * ? \" < > | & % ^ # [ ] or control characters.\n",
        "\nInput has ended: the skin is named Korvel Dazo Custom.\n"},
       {}},
      {"COM1",
       record_bytes(huge_numbers()),
       {"\nThe preset's knob style, lock icon style, arp icon style, EQ colouring, sidebar colour, "
        "tab colour, flow mod named no row of the menu and took the first row.\n",
        "\nThe preset's name cannot be a folder name here; the skin is named Korvel Dazo "
        "Custom.\n"},
       // Numbers of any length are written in full.
       {"Width     = 1000000015047466219876688855040.00\n", "80000000\n"}},
      {"NUL",
       record_bytes(not_numbers()),
       {kDesignReplaced,
        "\nThe preset's sidebar width, global hue, global saturation, global brightness, global "
        "contrast held no number and took the default.\n"},
       {"Width     = 2.00\n"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stem);
    NestedWorkspace ws;
    write_file(ws.run_folder() + "/Presets/" + c.stem + "-v11b5.kvl", c.bytes);
    std::set<std::string> changeable = {"run/Korvel Dazo Custom/", "run/skindata/temp/"};
    std::set<std::string> before = listing(ws.path(), changeable);
    WizardRun run = run_wizard_in(ws.run_folder(), "5\n");
    ASSERT_EQ(0, run.exit_code) << run.output;
    EXPECT_NE(std::string::npos, run.output.find(": PRESET: " + c.stem + "\n"));
    for (const std::string& told : c.told) EXPECT_EQ(1u, count_of(run.output, told)) << told;
    EXPECT_EQ(std::string::npos, run.output.find("invalid argument")) << run.output;
    EXPECT_EQ(std::string::npos, run.output.find("Skipped a command")) << run.output;
    EXPECT_NE(std::string::npos,
              run.output.find("Clearing any existing folder named Korvel Dazo Custom."));
    std::string scripts = ws.run_folder() + "/Korvel Dazo Custom/Scripts/";
    std::string script = read_file(scripts + "Zebra2.txt");
    for (const std::string& part : c.script_parts) {
      EXPECT_NE(std::string::npos, script.find(part)) << part;
    }
    EXPECT_FALSE(holds_placeholder(script));
    EXPECT_FALSE(holds_placeholder(read_file(scripts + "ZebraHZ.txt")));
    EXPECT_EQ(std::vector<std::string>(), changes(before, listing(ws.path(), changeable)));
  }
}

}  // namespace
