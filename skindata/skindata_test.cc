// Tests of the template generator: they run the real make-skindata binary
// and inspect what it wrote, against the builder's own tables of clones,
// recolouring rows, adjustment rows and samples.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "assembly/file_structure.h"
#include "assembly/global_adjust.h"
#include "assembly/recolor.h"
#include "platform/wildcard.h"
#include "scripts/measure.h"
#include "skindata/palette.h"

namespace fs = std::filesystem;

namespace {

using FileSet = std::set<std::string>;  // paths relative to the skin folder, '/' separated

std::string make_folder() {
  char pattern[] = "/tmp/skindata-test-XXXXXX";
  return mkdtemp(pattern) ? pattern : "";
}

// Runs the generator into a new folder; empty result when it failed.
std::string generate(bool small, double* seconds = nullptr) {
  std::string dir = make_folder();
  std::string command =
      std::string(MAKE_SKINDATA_BIN) + (small ? " --small " : " ") + dir + "/skindata >/dev/null";
  auto start = std::chrono::steady_clock::now();
  int status = std::system(command.c_str());
  if (seconds)
    *seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  return status == 0 ? dir + "/skindata" : "";
}

struct Generated {
  std::string small_dir, full_dir;
  double full_seconds = 0;
  ~Generated() {
    for (const std::string& d : {small_dir, full_dir}) {
      if (!d.empty()) fs::remove_all(fs::path(d).parent_path());
    }
  }
};

Generated& generated() {
  static Generated g;
  return g;
}

// Each variant is generated once per test run and shared read-only.
const std::string& small_skindata() {
  if (generated().small_dir.empty()) generated().small_dir = generate(true);
  return generated().small_dir;
}

const std::string& full_skindata() {
  Generated& g = generated();
  if (g.full_dir.empty()) {
    g.full_dir = generate(false, &g.full_seconds);
    std::printf("[ full skindata generated in %.1f s ]\n", g.full_seconds);
  }
  return g.full_dir;
}

std::string read_bytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

std::map<std::string, std::string> tree_contents(const std::string& root) {
  std::map<std::string, std::string> tree;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    std::string rel = fs::relative(entry.path(), root).generic_string();
    tree[rel] = entry.is_regular_file() ? read_bytes(entry.path()) : "<folder>";
  }
  return tree;
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

std::string with_tag(std::string name, const std::string& tag) {
  size_t at = name.find("CS1");
  return at == std::string::npos ? name : name.replace(at, 3, tag);
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
  for (const AnimationClone& c : kAnimationClones) {
    std::string source = c.source, target = with_tag(source, c.tag);
    for (const std::string& f : matching(skin, "Images/Animations/" + source, "*")) {
      std::string name = f.substr(f.rfind('/') + 1);
      if (starts_with(name, source)) name = target + name.substr(source.size());
      out.insert("Images/Animations/" + target + "/" + name);
    }
  }
  for (const FileClone& c : kFileClones) {
    for (const std::string& f : matching(skin, slashes(c.folder), c.pattern)) {
      out.insert(slashes(c.folder) + "/" + with_tag(f.substr(f.rfind('/') + 1), c.tag));
    }
  }
  return out;
}

FileSet template_files(const std::string& skindata) {
  return png_files(skindata + "/SkinTemplate");
}

// What every table of the builder expects to find in the template.
void expect_tables_find_files(const std::string& skindata) {
  FileSet skin = template_files(skindata), multi = cloned(skin);
  for (const AnimationClone& c : kAnimationClones) {
    EXPECT_FALSE(matching(skin, std::string("Images/Animations/") + c.source, "*.png").empty())
        << c.source;
  }
  for (const FileClone& c : kFileClones) {
    EXPECT_FALSE(matching(skin, slashes(c.folder), c.pattern).empty())
        << c.folder << " " << c.pattern;
  }
  for (const RecolorRow& row : kRecolorGroupA)
    EXPECT_FALSE(matching_row(skin, row.pattern).empty()) << row.pattern;
  for (const RecolorRow& row : kRecolorGroupB)
    EXPECT_FALSE(matching_row(multi, row.pattern).empty()) << row.pattern;
  for (const char* row : kAdjustListA) EXPECT_FALSE(matching_row(skin, row).empty()) << row;
  for (const char* row : kAdjustListB) EXPECT_FALSE(matching_row(multi, row).empty()) << row;
  for (const SampleRow& row : kSamples)
    EXPECT_EQ(skin.count(std::string("Images/Other/") + row.sample_file), 1u) << row.sample_file;
}

// Every section-tagged image is recoloured by exactly one row, and every
// animation folder by one row.
void expect_recolouring_covers_each_image_once(const std::string& skindata) {
  FileSet multi = cloned(template_files(skindata));
  std::map<std::string, int> hits;
  for (const RecolorRow& row : kRecolorGroupA)
    for (const auto& f : matching_row(multi, row.pattern)) ++hits[f];
  for (const RecolorRow& row : kRecolorGroupB)
    for (const auto& f : matching_row(multi, row.pattern)) ++hits[f];
  for (const std::string& f : multi) {
    std::string name = f.substr(f.rfind('/') + 1);
    bool tagged = std::regex_search(name, std::regex("^CS[1-4]"));
    int expected = starts_with(f, "Images/Animations/") || tagged ? 1 : 0;
    EXPECT_EQ(hits[f], expected) << f;
  }
}

void expect_animation_names(const std::string& skindata) {
  for (const std::string& f : template_files(skindata)) {
    if (!starts_with(f, "Images/Animations/")) continue;
    fs::path p(f);
    std::string folder = p.parent_path().filename().string();
    EXPECT_TRUE(starts_with(p.filename().string(), folder)) << f;
  }
}

// The first line of identify's verbose report that holds '#': its six
// characters after the '#'.
std::string measured_colour(const std::string& identify, const std::string& image) {
  std::string command = identify + " -verbose '" + image + "' | grep '#' | head -1";
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return "";
  char line[512] = {};
  if (!fgets(line, sizeof line, pipe)) line[0] = 0;
  pclose(pipe);
  const char* hash = std::strchr(line, '#');
  return hash && std::strlen(hash) > 6 ? std::string(hash + 1, 6) : "";
}

std::string hex_of(Rgb8 c) {
  char text[8];
  std::snprintf(text, sizeof text, "%02X%02X%02X", c.r, c.g, c.b);
  return text;
}

void expect_samples_measure(const std::string& skindata, const std::string& identify) {
  std::string other = skindata + "/SkinTemplate/Images/Other/";
  EXPECT_EQ(measured_colour(identify, other + "CS1Sample.png"), hex_of(kTemplateBlue));
  EXPECT_EQ(measured_colour(identify, other + "LGSample.png"), "999999");
  EXPECT_EQ(measured_colour(identify, other + "MGSample.png"), "323232");
  EXPECT_EQ(measured_colour(identify, other + "DGSample.png"), "262626");
}

// Width and height of an image, by the real identify.
std::pair<int, int> image_size(const std::string& image) {
  FILE* pipe = popen(("/usr/bin/identify -format '%w %h' '" + image + "'").c_str(), "r");
  int w = 0, h = 0;
  if (pipe) {
    if (std::fscanf(pipe, "%d %d", &w, &h) != 2) w = h = 0;
    pclose(pipe);
  }
  return {w, h};
}

std::string template_script(const std::string& skindata) {
  return read_bytes(skindata + "/SkinTemplate/Scripts/Template.txt");
}

size_t count_of(const std::string& text, const std::string& word) {
  size_t n = 0;
  for (size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) ++n;
  return n;
}

}  // namespace

TEST(SkindataGenerator, SmallVariantIsTheSameOnEveryRunWithLaunchersAndEmptyTemp) {
  const std::string& first = small_skindata();
  ASSERT_FALSE(first.empty());
  std::string second = generate(true);
  ASSERT_FALSE(second.empty());
  EXPECT_TRUE(tree_contents(first) == tree_contents(second));
  fs::remove_all(fs::path(second).parent_path());

  EXPECT_TRUE(fs::is_directory(first + "/temp"));
  EXPECT_TRUE(fs::is_empty(first + "/temp"));
  for (const char* tool : {"mogrify", "identify"}) {
    fs::perms p = fs::status(first + "/" + tool).permissions();
    EXPECT_EQ(p & fs::perms::all, fs::perms(0755)) << tool;
    EXPECT_TRUE(starts_with(read_bytes(first + "/" + tool), "#!/bin/sh\n")) << tool;
  }
  for (const char* preview :
       {"singlepreview", "CS1preview", "CS2preview", "CS3preview", "CS4preview"}) {
    EXPECT_TRUE(fs::is_regular_file(first + "/" + preview + ".png")) << preview;
  }
}

TEST(SkindataGenerator, RefusesAMissingFolderArgument) {
  EXPECT_NE(std::system((std::string(MAKE_SKINDATA_BIN) + " --small 2>/dev/null").c_str()), 0);
  EXPECT_NE(std::system((std::string(MAKE_SKINDATA_BIN) + " --big x 2>/dev/null").c_str()), 0);
}

TEST(SkindataGenerator, SamplesMeasureAsTheirColours) {
  const std::string& small = small_skindata();
  ASSERT_FALSE(small.empty());
  expect_samples_measure(small, "/usr/bin/identify");
  // The launcher reaches the same tool.
  expect_samples_measure(small, small + "/identify");
  expect_samples_measure(full_skindata(), "/usr/bin/identify");
}

TEST(SkindataGenerator, BuilderTablesFindFilesInBothVariants) {
  for (const std::string& dir : {small_skindata(), full_skindata()}) {
    ASSERT_FALSE(dir.empty());
    SCOPED_TRACE(dir);
    expect_tables_find_files(dir);
    expect_recolouring_covers_each_image_once(dir);
    expect_animation_names(dir);
    for (const char* folder : {"Controls", "Icons", "Other", "Panes"}) {
      FileSet all = matching(template_files(dir), std::string("Images/") + folder, "*.png");
      FileSet tagged = matching(template_files(dir), std::string("Images/") + folder, "CS*.png");
      EXPECT_GT(all.size(), tagged.size()) << folder << " has untagged images";
    }
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
      EXPECT_NE(read_bytes(dir + "/" + overlay + "/" + f), read_bytes(dir + "/SkinTemplate/" + f))
          << f;
    }
    if (starts_with(overlay, "Knobs/")) {
      EXPECT_EQ(files.size(), matching(skin, "Images/Animations/KVL-CS1Knob-Bi", "*").size() +
                                  matching(skin, "Images/Animations/KVL-CS1Knob-Uni", "*").size());
      knob_strips.insert(
          read_bytes(dir + "/" + overlay + "/Images/Animations/KVL-CS1Knob-Bi/KVL-CS1Knob-Bi.png"));
    }
  }
  EXPECT_EQ(knob_strips.size(), static_cast<size_t>(kKnobStyleCount))
      << "every knob style looks different";
}

TEST(SkindataGenerator, FullVariantIsSizedLikeARealSkin) {
  const std::string& dir = full_skindata();
  ASSERT_FALSE(dir.empty());
  FileSet skin = template_files(dir);
  uintmax_t bytes = 0;
  for (const std::string& f : skin) bytes += fs::file_size(dir + "/SkinTemplate/" + f);
  EXPECT_GE(skin.size(), 400u);
  EXPECT_GE(bytes, 15u * 1000 * 1000);
  for (const char* strip :
       {"KVL-CS1Knob-Bi/KVL-CS1Knob-Bi.png", "KVL-CS1Knob-Uni/KVL-CS1Knob-Uni-Tiny.png"}) {
    auto [w, h] = image_size(dir + "/SkinTemplate/Images/Animations/" + strip);
    ASSERT_GT(w, 0) << strip;
    EXPECT_EQ(h % w, 0) << strip;
    EXPECT_GE(h / w, 64) << strip << " has a frame per indicator position";
  }
}

TEST(SkindataTemplateScript, UsesEveryPlaceholderWhereItBelongs) {
  const std::string& dir = small_skindata();
  ASSERT_FALSE(dir.empty());
  std::string script = template_script(dir);
  for (const char* word :
       {"HEXCS1SBARBRT", "HEXCS2SBARBRT", "HEXCS3SBARBRT",  "HEXCS4SBARBRT", "SBARWID",
        "HEXSEL",        "HEXEQ1",        "HEXEQ2",         "HEXEQ3",        "HEXEQ4",
        "HEXLG",         "HEXMG",         "HEXDG",          "KVLVER",        "ZCODE",
        "MSEGTABWID",    "MSEGTABOFF",    "MSEGTABHALFWID", "MSEGTABINCOFF", "OVL2OFF",
        "OVL2WID",       "OVL1WID",       "ALT4 Custom 1",  "ALT4 Custom 4"}) {
    EXPECT_GT(count_of(script, word), 0u) << word;
  }
  for (const char* alt : {"ALT Custom", "ALT2 Custom", "ALT3 Custom"}) {
    for (const char* n : {" 1", " 2", " 3", " 4"})
      EXPECT_GT(count_of(script, alt + std::string(n)), 0u) << alt << n;
    EXPECT_EQ(count_of(script, alt), count_of(script, alt + std::string(" 1")) +
                                         count_of(script, alt + std::string(" 2")) +
                                         count_of(script, alt + std::string(" 3")) +
                                         count_of(script, alt + std::string(" 4")))
        << alt << " only in numbered forms";
  }
  // Only 1 and 4 of the tab colour names are switched; others would stay.
  EXPECT_EQ(count_of(script, "ALT4 Custom"),
            count_of(script, "ALT4 Custom 1") + count_of(script, "ALT4 Custom 4"));
  size_t sidebar = 0;
  for (const char* s : {"HEXCS1SBARBRT", "HEXCS2SBARBRT", "HEXCS3SBARBRT", "HEXCS4SBARBRT"})
    sidebar += count_of(script, s);
  EXPECT_EQ(count_of(script, "SBARBRT"), sidebar) << "SBARBRT only inside the sidebar colours";

  size_t start = script.find("Z2COMMENTSTART"), end = script.find("Z2COMMENTEND");
  ASSERT_NE(start, std::string::npos);
  ASSERT_NE(end, std::string::npos);
  EXPECT_LT(start, end);
  EXPECT_EQ(script.substr(start, end - start).find("*/"), std::string::npos);
}

TEST(SkindataTemplateScript, SectionTagsOnlyNameImagesThatExist) {
  const std::string& dir = small_skindata();
  ASSERT_FALSE(dir.empty());
  std::string script = template_script(dir);
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
