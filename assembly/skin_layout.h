// The skin's layout: every folder and file group of the skin that a build
// treats, one row each, with its colour section, whether it is cloned for
// CS2 to CS4, and what the image passes do with it. The clone step
// (assembly/file_structure.h), the recolouring and global adjustment
// passes (assembly/recolor.h, assembly/global_adjust.h), the build's check
// (assembly/skin_check.h) and the template generator (skindata/) take
// their lists from here, so that a folder is named the same everywhere.
//
// Sections: 1 generators, 2 modulators, 3 effects, 4 globals. The template
// holds the material of section 1 only, its names tagged "CS1" (a few
// animation folders carry no tag and still belong to section 1); a
// multicolour skin clones it under the tags CS2 to CS4, the first "CS1" of
// each name becoming the new tag.
#ifndef SKINBUILDER_ASSEMBLY_SKIN_LAYOUT_H_
#define SKINBUILDER_ASSEMBLY_SKIN_LAYOUT_H_

#include <cstddef>
#include <string>
#include <vector>

// The template's animation folders under Images\Animations, in the order
// the recolouring pass takes them. A folder's strips have names that begin
// with the folder's own name.
enum class Animation {
  kPrefClose,
  kPrefTab,
  kTabPresetDirect,
  kTabPresetTags,
  kBottomTabsZ2,
  kBottomTabsZhz,
  kSyncLatchButton,
  kEditMasterButton,
  kPowerButton,
  kPowerButtonPlate,
  kKnobBipolar,
  kKnobUnipolar,
  kOscillatorWaves,
  kGateLight,
  kLfoWaves,
  kMainTabs,
  kMidiLight,
  kMsegTabsZ2,
  kMsegTabsZhz,
  kNoteLengths,
  kPlusMinus,
  kStepButton,
  kSwingLights,
  kFilterTypes,
  kFilterModTypes,
  kVoices,
  kCrossFilterTypes1,
  kCrossFilterTypes2,
  kXyLatchSync,
  kXyTabs,
};
constexpr size_t kAnimationCount = 30;

// The folder's name, e.g. "KVL-CS1Knob-Bi".
const char* animation_folder(Animation animation);

// The flat image folders under Images, in the order the global adjustment
// pass takes them whole.
enum class ImageFolder { kControls, kOther, kIcons, kPanes };
constexpr size_t kImageFolderCount = 4;

// The folder inside the skin, e.g. "Images\\Controls".
const char* image_folder(ImageFolder folder);

// One image-tool run of a pass: a wildcard pattern inside the skin folder
// and the section whose colour it takes.
struct ImageRun {
  std::string pattern;  // e.g. "Images\\Animations\\KVL-CS2Knob-Bi\\*.*"
  int section;
  bool in_panes;        // a run over Images\Panes
};

// The recolouring pass in order: every template animation folder and the
// CS1 images of the flat folders in section 1; then, for a multicolour
// skin, every cloned animation folder and the flat folders' images of the
// other sections.
std::vector<ImageRun> recolor_runs(bool multicolor);

// The global adjustment pass in order: the template's animation folders,
// the four flat folders whole, then the cloned animation folders for a
// multicolour skin. Every folder once, its .png files only.
std::vector<std::string> adjust_patterns(bool multicolor);

// One clone of the clone step: in folder (inside the skin), the files whose
// names begin with source are copied to names beginning with name. For an
// animation folder the folder itself is copied whole under the new name
// and its files then renamed.
struct Clone {
  std::string folder;  // "Images\\Animations" for animation folders
  std::string source;  // e.g. "KVL-CS1Knob-Bi", "CS1Env"
  std::string name;    // e.g. "KVL-CS2Knob-Bi", "CS2Env"
};

// The multicolour skin's 28 animation-folder clones and 19 file clones, in
// the order the clone step makes them.
std::vector<Clone> animation_clones();
std::vector<Clone> file_clones();

// The name a clone gives: the first "CS1" of name becomes "CS" and the
// section's digit.
std::string retagged(const std::string& name, int section);

// The name that a file called file gets in a clone from source to name:
// a name that begins with source (letter case aside, as Windows compares
// names) begins with name instead; any other keeps its name.
std::string cloned_file_name(const std::string& file, const Clone& clone);

#endif  // SKINBUILDER_ASSEMBLY_SKIN_LAYOUT_H_
