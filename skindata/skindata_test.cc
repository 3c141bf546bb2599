// Tests of the template generator: they run the real make-skindata binary
// and inspect what it wrote, against the skin's layout (clones, recolouring
// and adjustment runs) and the samples the measurement reads.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "assembly/file_structure.h"
#include "assembly/skin_layout.h"
#include "platform/image_tools.h"
#include "platform/wildcard.h"
#include "scripts/measure.h"
#include "scripts/placeholders.h"
#include "skindata/launchers.h"
#include "skindata/palette.h"
#include "tests/test_support.h"

namespace fs = std::filesystem;

namespace {

using FileSet = std::set<std::string>;  // paths relative to the skin folder, '/' separated

// The full variant, generated once per test run and removed at its end.
const std::string& full_skindata() {
  static ScratchFolder parent(false);
  static const std::string folder = make_skindata(parent.path() + "/skindata", false);
  return folder;
}

FileSet png_files(const std::string& root) {
  FileSet files;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    if (entry.is_regular_file() && entry.path().extension() == ".png") {
      files.insert(fs::relative(entry.path(), root).generic_string());
    }
  }
  return files;
}

std::string slashes(std::string path) {
  for (char& c : path) c = c == '\\' ? '/' : c;
  return path;
}

bool starts_with(const std::string& text, const std::string& prefix) {
  return text.compare(0, prefix.size(), prefix) == 0;
}

// The direct children of folder (inside the skin) that match a wildcard.
FileSet matching(const FileSet& files, const std::string& folder, const std::string& pattern) {
  FileSet found;
  for (const std::string& f : files) {
    if (!starts_with(f, folder + "/")) continue;
    std::string name = f.substr(folder.size() + 1);
    if (name.find('/') == std::string::npos && wildcard_match(pattern, name)) found.insert(f);
  }
  return found;
}

// A row's pattern such as Images\Controls\CS1*.png, split at its last '\'.
FileSet matching_row(const FileSet& files, const std::string& row_pattern) {
  std::string path = slashes(row_pattern);
  size_t cut = path.rfind('/');
  return matching(files, path.substr(0, cut), path.substr(cut + 1));
}

// The template's files as a multicolour skin has them after the two clone
// lists: copied animation folders with renamed files, and tagged copies.
FileSet cloned(const FileSet& skin) {
  FileSet out = skin;
  for (const Clone& c : animation_clones()) {
    for (const std::string& f : matching(skin, "Images/Animations/" + c.source, "*")) {
      std::string name = f.substr(f.rfind('/') + 1);
      if (starts_with(name, c.source)) name = c.name + name.substr(c.source.size());
      out.insert("Images/Animations/" + c.name + "/" + name);
    }
  }
  for (const Clone& c : file_clones()) {
    for (const std::string& f : matching(skin, slashes(c.folder), c.source + "*")) {
      out.insert(slashes(c.folder) + "/" + c.name + f.substr(f.rfind('/') + 1 + c.source.size()));
    }
  }
  return out;
}

FileSet template_files(const std::string& skindata) {
  return png_files(skindata + "/SkinTemplate");
}

// What every table of the builder expects to find in the template, and
// that every section-tagged image and every animation is recoloured once.
void expect_tables_find_files(const std::string& skindata) {
  FileSet skin = template_files(skindata), multi = cloned(skin);
  for (const Clone& c : animation_clones()) {
    EXPECT_FALSE(matching(skin, "Images/Animations/" + c.source, "*.png").empty()) << c.source;
  }
  for (const Clone& c : file_clones()) {
    EXPECT_FALSE(matching(skin, slashes(c.folder), c.source + "*").empty()) << c.source;
  }
  std::map<std::string, int> hits;
  for (const ImageRun& run : recolor_runs(true)) {
    EXPECT_FALSE(matching_row(multi, run.pattern).empty()) << run.pattern;
    for (const auto& f : matching_row(multi, run.pattern)) ++hits[f];
  }
  for (const ImageRun& run : recolor_runs(false)) {
    EXPECT_FALSE(matching_row(skin, run.pattern).empty()) << run.pattern;
  }
  for (const std::string& f : multi) {
    bool tagged = std::regex_search(f.substr(f.rfind('/') + 1), std::regex("^CS[1-4]"));
    EXPECT_EQ(hits[f], starts_with(f, "Images/Animations/") || tagged ? 1 : 0) << f;
  }
  for (const std::string& row : adjust_patterns(false)) {
    EXPECT_FALSE(matching_row(skin, row).empty()) << row;
  }
  for (const std::string& row : adjust_patterns(true)) {
    EXPECT_FALSE(matching_row(multi, row).empty()) << row;
  }
  for (const SampleRow& row : kSamples) {
    EXPECT_EQ(skin.count(std::string("Images/Other/") + row.sample_file), 1u) << row.sample_file;
  }
}

// Animation images begin with their folder's name; the image folders carry untagged images too.
void expect_names(const std::string& skindata) {
  FileSet skin = template_files(skindata);
  for (const std::string& f : skin) {
    fs::path p(f);
    if (!starts_with(f, "Images/Animations/")) continue;
    EXPECT_TRUE(starts_with(p.filename().string(), p.parent_path().filename().string())) << f;
  }
  for (const char* folder : {"Controls", "Icons", "Other", "Panes"}) {
    std::string images = std::string("Images/") + folder;
    EXPECT_GT(matching(skin, images, "*.png").size(), matching(skin, images, "CS*.png").size())
        << folder << " has untagged images";
  }
}

std::string hex_of(Rgb8 c) {
  char text[8];
  std::snprintf(text, sizeof text, "%02X%02X%02X", c.r, c.g, c.b);
  return text;
}

void expect_samples_measure(const std::string& skindata, const std::string& identify) {
  std::string other = skindata + "/SkinTemplate/Images/Other/";
  EXPECT_EQ(measured_colour(other + "CS1Sample.png", identify), hex_of(kTemplateBlue));
  EXPECT_EQ(measured_colour(other + "LGSample.png", identify), "999999");
  EXPECT_EQ(measured_colour(other + "MGSample.png", identify), "323232");
  EXPECT_EQ(measured_colour(other + "DGSample.png", identify), "262626");
}

}  // namespace

TEST(SkindataGenerator, SmallVariantIsTheSameOnEveryRunWithPreviewsAndEmptyTemp) {
  const std::string& first = small_skindata();
  ASSERT_FALSE(first.empty());
  ScratchFolder again(false);
  ASSERT_FALSE(make_skindata(again.path() + "/skindata", true).empty());
  EXPECT_TRUE(tree_content(first) == tree_content(again.path() + "/skindata"));

  EXPECT_TRUE(fs::is_directory(first + "/temp"));
  EXPECT_TRUE(fs::is_empty(first + "/temp"));
  for (const char* preview :
       {"singlepreview", "CS1preview", "CS2preview", "CS3preview", "CS4preview"}) {
    EXPECT_TRUE(fs::is_regular_file(first + "/" + preview + ".png")) << preview;
  }
}

// The folder for the Windows program differs only in having no launchers:
// the program finds ImageMagick there itself.
TEST(SkindataGenerator, WindowsVariantHasNoLaunchers) {
  const std::string& shell_dir = small_skindata();
  ASSERT_FALSE(shell_dir.empty());
  ScratchFolder parent(false);
  std::string dir = parent.path() + "/skindata";
  std::string command =
      std::string(MAKE_SKINDATA_BIN) + " --windows --small '" + dir + "' >/dev/null";
  ASSERT_EQ(0, std::system(command.c_str()));

  std::map<std::string, std::string> windows_tree = tree_content(dir),
                                     shell_tree = tree_content(shell_dir);
  for (const char* tool : {"mogrify", "identify"}) EXPECT_EQ(1u, shell_tree.erase(tool)) << tool;
  EXPECT_TRUE(windows_tree == shell_tree) << "the images and the rest of the folder differ";
}

TEST(SkindataGenerator, SamplesMeasureAsTheirColours) {
  const std::string& small = small_skindata();
  ASSERT_FALSE(small.empty());
  expect_samples_measure(small, "/usr/bin/identify");
  expect_samples_measure(full_skindata(), "/usr/bin/identify");
}

TEST(SkindataGenerator, BuilderTablesFindFilesInBothVariants) {
  for (const std::string& dir : {small_skindata(), full_skindata()}) {
    ASSERT_FALSE(dir.empty());
    SCOPED_TRACE(dir);
    expect_tables_find_files(dir);
    expect_names(dir);
  }
}

TEST(SkindataGenerator, OverlaysReplaceTemplateFilesWithOtherDrawings) {
  const std::string& dir = small_skindata();
  ASSERT_FALSE(dir.empty());
  std::vector<std::string> overlays;
  for (const char* label : kKnobStyleLabels) overlays.push_back(std::string("Knobs/") + label);
  for (const char* folder : kLockIconStyleFolders)
    if (folder) overlays.push_back(std::string("LockIcons/") + folder);
  for (const char* folder : kArpIconStyleFolders)
    if (folder) overlays.push_back(std::string("AltArp/") + folder);
  FileSet skin = template_files(dir);
  std::set<std::string> knob_strips;
  for (const std::string& overlay : overlays) {
    FileSet files = png_files(dir + "/" + overlay);
    EXPECT_FALSE(files.empty()) << overlay;
    for (const std::string& f : files) {
      ASSERT_EQ(skin.count(f), 1u) << overlay << "/" << f << " replaces no template file";
      EXPECT_NE(read_file(dir + "/" + overlay + "/" + f), read_file(dir + "/SkinTemplate/" + f));
    }
    if (overlay.rfind("Knobs/", 0) == 0) {
      knob_strips.insert(
          read_file(dir + "/" + overlay + "/Images/Animations/KVL-CS1Knob-Bi/KVL-CS1Knob-Bi.png"));
    }
  }
  EXPECT_EQ(knob_strips.size(), static_cast<size_t>(kKnobStyleCount)) << "knobs look different";
}

TEST(SkindataGenerator, FullVariantIsSizedLikeARealSkin) {
  const std::string& dir = full_skindata();
  ASSERT_FALSE(dir.empty());
  FileSet skin = template_files(dir);
  uintmax_t bytes = 0;
  for (const std::string& f : skin) bytes += fs::file_size(dir + "/SkinTemplate/" + f);
  EXPECT_GE(skin.size(), 400u);
  EXPECT_GE(bytes, 15u * 1000 * 1000);
}

// The template holds every placeholder the builder fills in, in each form
// the passes look for, and no other: with them taken out, no colour name
// "ALT..." is left, nor, outside comments and quoted names, a capital word.
TEST(SkindataTemplateScript, HoldsTheBuildersPlaceholdersOnlyAndNamesImagesThatExist) {
  const std::string& dir = small_skindata();
  ASSERT_FALSE(dir.empty());
  std::string script = read_file(dir + "/SkinTemplate/Scripts/Template.txt");
  const TemplatePlaceholders& words = kTemplatePlaceholders;
  std::vector<std::string> forms = filled_placeholders(2);
  for (const char* colour : words.section_colours)
    forms.push_back(colour + std::string(words.sidebar_brightness));
  for (const FlowName& name : words.flow_names) {
    for (int n = 1; n <= 4; ++n) forms.push_back(numbered(name.placeholder, n));
  }
  for (const std::string& form : forms) EXPECT_GT(count_of(script, form), 0u) << form;
  std::string left = script;
  for (const std::string& word : filled_placeholders(1)) {
    left = std::regex_replace(left, std::regex(word), "");
  }
  EXPECT_EQ(left.find("ALT"), std::string::npos) << left.substr(left.find("ALT"), 20);
  left = std::regex_replace(left, std::regex("//[^\n]*|\"[^\"\n]*\""), "");
  std::smatch word;
  EXPECT_FALSE(std::regex_search(left, word, std::regex("\\b[A-Z][A-Z0-9]{2,}\\b"))) << word.str();
  size_t start = script.find("Z2COMMENTSTART"), end = script.find("Z2COMMENTEND");
  ASSERT_NE(end, std::string::npos);
  ASSERT_LT(start, end);
  EXPECT_EQ(script.substr(start, end - start).find("*/"), std::string::npos);

  // Outside the colour placeholders, CS2..CS4 appear only in image paths.
  std::string rest = std::regex_replace(script, std::regex("HEXCS[1-4]"), "");
  rest = std::regex_replace(rest, std::regex("\"[A-Za-z]+/[^\"]*\\.png\""), "");
  EXPECT_FALSE(std::regex_search(rest, std::regex("CS[1-4]")))
      << "a section tag outside an image name";

  FileSet multi = cloned(template_files(dir));
  std::regex image("\"([A-Za-z]+/[^\"]*\\.png)\"");
  int references = 0;
  for (auto it = std::sregex_iterator(script.begin(), script.end(), image);
       it != std::sregex_iterator(); ++it) {
    std::string path = (*it)[1];
    for (const char* host : {"Z2", "ZHZ"}) {
      std::string hosted = std::regex_replace(path, std::regex("ZCODE"), host);
      std::string single = std::regex_replace(hosted, std::regex("CS[234]"), "CS1");
      EXPECT_EQ(multi.count("Images/" + hosted), 1u) << hosted << " in a multicolour skin";
      EXPECT_EQ(multi.count("Images/" + single), 1u) << single << " in a single-colour skin";
    }
    ++references;
  }
  EXPECT_GT(references, 40);
}
