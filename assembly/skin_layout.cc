#include "assembly/skin_layout.h"

#include <algorithm>

#include "platform/wildcard.h"

namespace {

// An animation folder of the template. It is recoloured in section 1 and
// adjusted like every other; clones get the sections listed, each
// recoloured in its own.
struct AnimationRow {
  const char* folder;
  const char* clone_sections;  // digits, e.g. "234"; "" when not cloned
  int clone_order;             // place in the clone step, from 1; 0 when not cloned
};

// In the order of the Animation enumeration.
constexpr AnimationRow kAnimations[kAnimationCount] = {
    {"PrefCloseCS1", "4", 1},
    {"PrefTabCS1", "4", 2},
    {"Tab-PBDirectCS1", "4", 3},
    {"Tab-PBTagsCS1", "4", 4},
    {"KVL-BotTabs-Z2", "", 0},
    {"KVL-BotTabs-ZHZ", "", 0},
    {"KVL-BtnCS1-SL", "2", 7},
    {"KVL-Btn-EditMasterCS1", "2", 8},
    {"KVL-BtnIOCS1", "24", 9},
    {"KVL-BtnIO-MGCS1", "", 0},
    {"KVL-CS1Knob-Bi", "234", 5},
    {"KVL-CS1Knob-Uni", "234", 6},
    {"KVL-FMOgen", "", 0},
    {"KVL-GateCS1", "2", 10},
    {"KVL-LFOWavesCS1", "2", 11},
    {"KVL-MainTab", "", 0},
    {"KVL-MidiLightCS1", "4", 12},
    {"KVL-MsegTabsCS1-Z2", "2", 13},
    {"KVL-MsegTabsCS1-ZHZ", "2", 14},
    {"KVL-NoteLengthCS1", "2", 15},
    {"KVL-plusminusCS1", "2", 16},
    {"KVL-StepCS1", "2", 17},
    {"KVL-SwingLightCS1", "4", 18},
    {"KVL-VCFBotTypesCS1", "3", 19},
    {"KVL-VCF-ModTypesCS1", "", 0},
    {"KVL-VoicesCS1", "2", 20},
    {"KVL-XmfT1CS1", "3", 21},
    {"KVL-XmfT2CS1", "3", 22},
    {"KVL-XY-LS", "", 0},
    {"KVL-XY-TabsCS1", "2", 23},
};

// In the order of the ImageFolder enumeration.
constexpr const char* kImageFolders[kImageFolderCount] = {
    "Images\\Controls",
    "Images\\Other",
    "Images\\Icons",
    "Images\\Panes",
};

// A family of section-tagged images in a flat folder: the files
// CS<section><family>*.png, for each section listed. The recolouring pass
// takes them in this order, section 1 of each first.
struct TaggedFamily {
  ImageFolder folder;
  const char* family;
  const char* sections;
};

constexpr TaggedFamily kTaggedFamilies[] = {
    {ImageFolder::kControls, "", "1234"},     {ImageFolder::kIcons, "", "124"},
    {ImageFolder::kOther, "", "1234"},        {ImageFolder::kPanes, "KVL-XY", "12"},
    {ImageFolder::kPanes, "KVL-T", "14"},
};

// A group of CS1 files of a flat folder, CS1<family>*, cloned in place for
// the sections listed, in this order. Most of the other sections' images
// come from here; the template holds the rest (such as the samples of
// every section in Images\Other) itself.
struct FileGroup {
  ImageFolder folder;
  const char* family;
  const char* clone_sections;
};

constexpr FileGroup kFileGroups[] = {
    {ImageFolder::kControls, "Env", "2"},     {ImageFolder::kControls, "Mod", "24"},
    {ImageFolder::kControls, "PM", "4"},      {ImageFolder::kControls, "KVL-Ar", "2"},
    {ImageFolder::kControls, "KVL-D", "2"},   {ImageFolder::kControls, "KVL-Mi", "2"},
    {ImageFolder::kControls, "KVL-Mod", "2"}, {ImageFolder::kControls, "KVL-ne", "4"},
    {ImageFolder::kControls, "KVL-pr", "4"},  {ImageFolder::kControls, "KVL-Res", "3"},
    {ImageFolder::kControls, "KVL-Sli", "3"}, {ImageFolder::kControls, "KVL-XY", "2"},
    {ImageFolder::kControls, "XY", "2"},      {ImageFolder::kIcons, "", "24"},
    {ImageFolder::kOther, "A", "2"},          {ImageFolder::kPanes, "KVL-T", "4"},
    {ImageFolder::kPanes, "KVL-X", "2"},
};

constexpr char kAnimationsFolder[] = "Images\\Animations";

int section_of(char digit) {
  return digit - '0';
}

std::string animation_pattern(const std::string& folder, const char* files) {
  return std::string(kAnimationsFolder) + "\\" + folder + "\\" + files;
}

// The adjustment pass takes the animation folders by name, letter case
// aside, the maker's KVL folders after the preference and browser ones.
bool adjusted_before(const std::string& a, const std::string& b) {
  bool a_kvl = a.compare(0, 4, "KVL-") == 0;
  bool b_kvl = b.compare(0, 4, "KVL-") == 0;
  if (a_kvl != b_kvl) return b_kvl;
  return name_before_any_case(a, b);
}

std::vector<std::string> in_adjusting_order(std::vector<std::string> folders) {
  std::sort(folders.begin(), folders.end(), adjusted_before);
  return folders;
}

std::vector<std::string> template_folders() {
  std::vector<std::string> folders;
  for (const AnimationRow& row : kAnimations) folders.push_back(row.folder);
  return folders;
}

// Every cloned animation folder, in the recolouring pass's order: by its
// source's row, then by section.
std::vector<ImageRun> cloned_animation_runs() {
  std::vector<ImageRun> runs;
  for (const AnimationRow& row : kAnimations) {
    for (const char* s = row.clone_sections; *s != '\0'; ++s) {
      runs.push_back({animation_pattern(retagged(row.folder, section_of(*s)), "*.*"),
                      section_of(*s), false});
    }
  }
  return runs;
}

// The flat folders' images of one section (1), or of all the others.
void add_family_runs(std::vector<ImageRun>& runs, bool first_section) {
  for (const TaggedFamily& family : kTaggedFamilies) {
    for (const char* s = family.sections; *s != '\0'; ++s) {
      if ((*s == '1') != first_section) continue;
      std::string pattern = std::string(image_folder(family.folder)) + "\\CS" + *s +
                            family.family + "*.png";
      runs.push_back({pattern, section_of(*s), family.folder == ImageFolder::kPanes});
    }
  }
}

}  // namespace

const char* animation_folder(Animation animation) {
  return kAnimations[static_cast<size_t>(animation)].folder;
}

const char* image_folder(ImageFolder folder) {
  return kImageFolders[static_cast<size_t>(folder)];
}

std::vector<ImageRun> recolor_runs(bool multicolor) {
  std::vector<ImageRun> runs;
  for (const AnimationRow& row : kAnimations) {
    runs.push_back({animation_pattern(row.folder, "*.*"), 1, false});
  }
  add_family_runs(runs, true);
  if (!multicolor) return runs;
  std::vector<ImageRun> clones = cloned_animation_runs();
  runs.insert(runs.end(), clones.begin(), clones.end());
  add_family_runs(runs, false);
  return runs;
}

std::vector<std::string> adjust_patterns(bool multicolor) {
  std::vector<std::string> patterns;
  for (const std::string& folder : in_adjusting_order(template_folders())) {
    patterns.push_back(animation_pattern(folder, "*.png"));
  }
  for (const char* folder : kImageFolders) patterns.push_back(std::string(folder) + "\\*.png");
  if (!multicolor) return patterns;
  std::vector<std::string> clones;
  for (const Clone& clone : animation_clones()) clones.push_back(clone.name);
  for (const std::string& folder : in_adjusting_order(clones)) {
    patterns.push_back(animation_pattern(folder, "*.png"));
  }
  return patterns;
}

std::vector<Clone> animation_clones() {
  std::vector<const AnimationRow*> cloned;
  for (const AnimationRow& row : kAnimations) {
    if (row.clone_order > 0) cloned.push_back(&row);
  }
  std::sort(cloned.begin(), cloned.end(), [](const AnimationRow* a, const AnimationRow* b) {
    return a->clone_order < b->clone_order;
  });
  std::vector<Clone> clones;
  for (const AnimationRow* row : cloned) {
    for (const char* s = row->clone_sections; *s != '\0'; ++s) {
      clones.push_back({kAnimationsFolder, row->folder, retagged(row->folder, section_of(*s))});
    }
  }
  return clones;
}

std::vector<Clone> file_clones() {
  std::vector<Clone> clones;
  for (const FileGroup& group : kFileGroups) {
    std::string source = std::string("CS1") + group.family;
    for (const char* s = group.clone_sections; *s != '\0'; ++s) {
      clones.push_back({image_folder(group.folder), source, retagged(source, section_of(*s))});
    }
  }
  return clones;
}

std::string retagged(const std::string& name, int section) {
  std::string result = name;
  size_t tag = result.find("CS1");
  if (tag != std::string::npos) result[tag + 2] = static_cast<char>('0' + section);
  return result;
}

std::string cloned_file_name(const std::string& file, const Clone& clone) {
  if (!same_name_any_case(file.substr(0, clone.source.size()), clone.source)) return file;
  return clone.name + file.substr(clone.source.size());
}
