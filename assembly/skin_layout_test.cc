#include "assembly/skin_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Names = std::vector<std::string>;

// The template's animation folders, as the recolouring pass takes them.
const Names kTemplateFolders = {
    "PrefCloseCS1",        "PrefTabCS1",          "Tab-PBDirectCS1",     "Tab-PBTagsCS1",
    "KVL-BotTabs-Z2",      "KVL-BotTabs-ZHZ",     "KVL-BtnCS1-SL",       "KVL-Btn-EditMasterCS1",
    "KVL-BtnIOCS1",        "KVL-BtnIO-MGCS1",     "KVL-CS1Knob-Bi",      "KVL-CS1Knob-Uni",
    "KVL-FMOgen",          "KVL-GateCS1",         "KVL-LFOWavesCS1",     "KVL-MainTab",
    "KVL-MidiLightCS1",    "KVL-MsegTabsCS1-Z2",  "KVL-MsegTabsCS1-ZHZ", "KVL-NoteLengthCS1",
    "KVL-plusminusCS1",    "KVL-StepCS1",         "KVL-SwingLightCS1",   "KVL-VCFBotTypesCS1",
    "KVL-VCF-ModTypesCS1", "KVL-VoicesCS1",       "KVL-XmfT1CS1",        "KVL-XmfT2CS1",
    "KVL-XY-LS",           "KVL-XY-TabsCS1"};

// The clone step's folders, source and clone, in its order.
const std::vector<std::pair<std::string, std::string>> kFolderClones = {
    {"PrefCloseCS1", "PrefCloseCS4"},
    {"PrefTabCS1", "PrefTabCS4"},
    {"Tab-PBDirectCS1", "Tab-PBDirectCS4"},
    {"Tab-PBTagsCS1", "Tab-PBTagsCS4"},
    {"KVL-CS1Knob-Bi", "KVL-CS2Knob-Bi"},
    {"KVL-CS1Knob-Bi", "KVL-CS3Knob-Bi"},
    {"KVL-CS1Knob-Bi", "KVL-CS4Knob-Bi"},
    {"KVL-CS1Knob-Uni", "KVL-CS2Knob-Uni"},
    {"KVL-CS1Knob-Uni", "KVL-CS3Knob-Uni"},
    {"KVL-CS1Knob-Uni", "KVL-CS4Knob-Uni"},
    {"KVL-BtnCS1-SL", "KVL-BtnCS2-SL"},
    {"KVL-Btn-EditMasterCS1", "KVL-Btn-EditMasterCS2"},
    {"KVL-BtnIOCS1", "KVL-BtnIOCS2"},
    {"KVL-BtnIOCS1", "KVL-BtnIOCS4"},
    {"KVL-GateCS1", "KVL-GateCS2"},
    {"KVL-LFOWavesCS1", "KVL-LFOWavesCS2"},
    {"KVL-MidiLightCS1", "KVL-MidiLightCS4"},
    {"KVL-MsegTabsCS1-Z2", "KVL-MsegTabsCS2-Z2"},
    {"KVL-MsegTabsCS1-ZHZ", "KVL-MsegTabsCS2-ZHZ"},
    {"KVL-NoteLengthCS1", "KVL-NoteLengthCS2"},
    {"KVL-plusminusCS1", "KVL-plusminusCS2"},
    {"KVL-StepCS1", "KVL-StepCS2"},
    {"KVL-SwingLightCS1", "KVL-SwingLightCS4"},
    {"KVL-VCFBotTypesCS1", "KVL-VCFBotTypesCS3"},
    {"KVL-VoicesCS1", "KVL-VoicesCS2"},
    {"KVL-XmfT1CS1", "KVL-XmfT1CS3"},
    {"KVL-XmfT2CS1", "KVL-XmfT2CS3"},
    {"KVL-XY-TabsCS1", "KVL-XY-TabsCS2"}};

// The multicolour recolouring runs after group A: pattern and section.
const std::vector<std::pair<std::string, int>> kGroupB = {
    {"Animations\\PrefCloseCS4\\*.*", 4},          {"Animations\\PrefTabCS4\\*.*", 4},
    {"Animations\\Tab-PBDirectCS4\\*.*", 4},       {"Animations\\Tab-PBTagsCS4\\*.*", 4},
    {"Animations\\KVL-BtnCS2-SL\\*.*", 2},         {"Animations\\KVL-Btn-EditMasterCS2\\*.*", 2},
    {"Animations\\KVL-BtnIOCS2\\*.*", 2},          {"Animations\\KVL-BtnIOCS4\\*.*", 4},
    {"Animations\\KVL-CS2Knob-Bi\\*.*", 2},        {"Animations\\KVL-CS3Knob-Bi\\*.*", 3},
    {"Animations\\KVL-CS4Knob-Bi\\*.*", 4},        {"Animations\\KVL-CS2Knob-Uni\\*.*", 2},
    {"Animations\\KVL-CS3Knob-Uni\\*.*", 3},       {"Animations\\KVL-CS4Knob-Uni\\*.*", 4},
    {"Animations\\KVL-GateCS2\\*.*", 2},           {"Animations\\KVL-LFOWavesCS2\\*.*", 2},
    {"Animations\\KVL-MidiLightCS4\\*.*", 4},      {"Animations\\KVL-MsegTabsCS2-Z2\\*.*", 2},
    {"Animations\\KVL-MsegTabsCS2-ZHZ\\*.*", 2},   {"Animations\\KVL-NoteLengthCS2\\*.*", 2},
    {"Animations\\KVL-plusminusCS2\\*.*", 2},      {"Animations\\KVL-StepCS2\\*.*", 2},
    {"Animations\\KVL-SwingLightCS4\\*.*", 4},     {"Animations\\KVL-VCFBotTypesCS3\\*.*", 3},
    {"Animations\\KVL-VoicesCS2\\*.*", 2},         {"Animations\\KVL-XmfT1CS3\\*.*", 3},
    {"Animations\\KVL-XmfT2CS3\\*.*", 3},          {"Animations\\KVL-XY-TabsCS2\\*.*", 2},
    {"Controls\\CS2*.png", 2},                     {"Controls\\CS3*.png", 3},
    {"Controls\\CS4*.png", 4},                     {"Icons\\CS2*.png", 2},
    {"Icons\\CS4*.png", 4},                        {"Other\\CS2*.png", 2},
    {"Other\\CS3*.png", 3},                        {"Other\\CS4*.png", 4},
    {"Panes\\CS2KVL-XY*.png", 2},                  {"Panes\\CS4KVL-T*.png", 4}};

// The adjustment pass's animation folders: the template's, then the clones'.
const Names kAdjustedTemplateFolders = {
    "PrefCloseCS1",       "PrefTabCS1",          "Tab-PBDirectCS1",       "Tab-PBTagsCS1",
    "KVL-BotTabs-Z2",     "KVL-BotTabs-ZHZ",     "KVL-Btn-EditMasterCS1", "KVL-BtnCS1-SL",
    "KVL-BtnIO-MGCS1",    "KVL-BtnIOCS1",        "KVL-CS1Knob-Bi",        "KVL-CS1Knob-Uni",
    "KVL-FMOgen",         "KVL-GateCS1",         "KVL-LFOWavesCS1",       "KVL-MainTab",
    "KVL-MidiLightCS1",   "KVL-MsegTabsCS1-Z2",  "KVL-MsegTabsCS1-ZHZ",   "KVL-NoteLengthCS1",
    "KVL-plusminusCS1",   "KVL-StepCS1",         "KVL-SwingLightCS1",     "KVL-VCF-ModTypesCS1",
    "KVL-VCFBotTypesCS1", "KVL-VoicesCS1",       "KVL-XmfT1CS1",          "KVL-XmfT2CS1",
    "KVL-XY-LS",          "KVL-XY-TabsCS1"};
const Names kAdjustedClones = {
    "PrefCloseCS4",       "PrefTabCS4",          "Tab-PBDirectCS4",   "Tab-PBTagsCS4",
    "KVL-Btn-EditMasterCS2", "KVL-BtnCS2-SL",    "KVL-BtnIOCS2",      "KVL-BtnIOCS4",
    "KVL-CS2Knob-Bi",     "KVL-CS2Knob-Uni",     "KVL-CS3Knob-Bi",    "KVL-CS3Knob-Uni",
    "KVL-CS4Knob-Bi",     "KVL-CS4Knob-Uni",     "KVL-GateCS2",       "KVL-LFOWavesCS2",
    "KVL-MidiLightCS4",   "KVL-MsegTabsCS2-Z2",  "KVL-MsegTabsCS2-ZHZ", "KVL-NoteLengthCS2",
    "KVL-plusminusCS2",   "KVL-StepCS2",         "KVL-SwingLightCS4", "KVL-VCFBotTypesCS3",
    "KVL-VoicesCS2",      "KVL-XmfT1CS3",        "KVL-XmfT2CS3",      "KVL-XY-TabsCS2"};

// The file clones: folder, source and clone.
const std::vector<Names> kFileClones = {
    {"Controls", "CS1Env", "CS2Env"},         {"Controls", "CS1Mod", "CS2Mod"},
    {"Controls", "CS1Mod", "CS4Mod"},         {"Controls", "CS1PM", "CS4PM"},
    {"Controls", "CS1KVL-Ar", "CS2KVL-Ar"},   {"Controls", "CS1KVL-D", "CS2KVL-D"},
    {"Controls", "CS1KVL-Mi", "CS2KVL-Mi"},   {"Controls", "CS1KVL-Mod", "CS2KVL-Mod"},
    {"Controls", "CS1KVL-ne", "CS4KVL-ne"},   {"Controls", "CS1KVL-pr", "CS4KVL-pr"},
    {"Controls", "CS1KVL-Res", "CS3KVL-Res"}, {"Controls", "CS1KVL-Sli", "CS3KVL-Sli"},
    {"Controls", "CS1KVL-XY", "CS2KVL-XY"},   {"Controls", "CS1XY", "CS2XY"},
    {"Icons", "CS1", "CS2"},                  {"Icons", "CS1", "CS4"},
    {"Other", "CS1A", "CS2A"},                {"Panes", "CS1KVL-T", "CS4KVL-T"},
    {"Panes", "CS1KVL-X", "CS2KVL-X"}};

std::string animations(const std::string& folder, const char* files) {
  return "Images\\Animations\\" + folder + "\\" + files;
}

TEST(SkinLayout, RecolouringRunsInTheirOrderWithTheirSections) {
  std::vector<ImageRun> single = recolor_runs(false), multi = recolor_runs(true);
  Names group_a;
  for (const std::string& folder : kTemplateFolders) group_a.push_back(animations(folder, "*.*"));
  for (const char* flat : {"Controls\\CS1*.png", "Icons\\CS1*.png", "Other\\CS1*.png",
                           "Panes\\CS1KVL-XY*.png", "Panes\\CS1KVL-T*.png"}) {
    group_a.push_back(std::string("Images\\") + flat);
  }
  ASSERT_EQ(35u, single.size());
  ASSERT_EQ(73u, multi.size());
  for (size_t i = 0; i < single.size(); ++i) {
    EXPECT_EQ(group_a[i], single[i].pattern);
    EXPECT_EQ(1, single[i].section) << single[i].pattern;
    EXPECT_EQ(group_a[i], multi[i].pattern);
    EXPECT_EQ(i >= 33, single[i].in_panes) << single[i].pattern;
  }
  for (size_t i = 0; i < kGroupB.size(); ++i) {
    EXPECT_EQ("Images\\" + kGroupB[i].first, multi[35 + i].pattern);
    EXPECT_EQ(kGroupB[i].second, multi[35 + i].section) << kGroupB[i].first;
  }
}

TEST(SkinLayout, AdjustmentsTakeEveryFolderOnceInTheirOrder) {
  Names expected;
  for (const std::string& folder : kAdjustedTemplateFolders) {
    expected.push_back(animations(folder, "*.png"));
  }
  for (const char* flat : {"Controls", "Other", "Icons", "Panes"}) {
    expected.push_back(std::string("Images\\") + flat + "\\*.png");
  }
  EXPECT_EQ(expected, adjust_patterns(false));
  for (const std::string& folder : kAdjustedClones) expected.push_back(animations(folder, "*.png"));
  EXPECT_EQ(expected, adjust_patterns(true));
}

TEST(SkinLayout, ClonesInTheirOrder) {
  std::vector<Clone> folders = animation_clones();
  ASSERT_EQ(kFolderClones.size(), folders.size());
  for (size_t i = 0; i < folders.size(); ++i) {
    EXPECT_EQ("Images\\Animations", folders[i].folder);
    EXPECT_EQ(kFolderClones[i].first, folders[i].source);
    EXPECT_EQ(kFolderClones[i].second, folders[i].name);
  }
  std::vector<Clone> files = file_clones();
  ASSERT_EQ(kFileClones.size(), files.size());
  for (size_t i = 0; i < files.size(); ++i) {
    EXPECT_EQ("Images\\" + kFileClones[i][0], files[i].folder);
    EXPECT_EQ(kFileClones[i][1], files[i].source);
    EXPECT_EQ(kFileClones[i][2], files[i].name);
  }
}

TEST(SkinLayout, NamesOfClonedFiles) {
  Clone knob{"Images\\Animations", "KVL-CS1Knob-Bi", "KVL-CS3Knob-Bi"};
  EXPECT_EQ("KVL-CS3Knob-Bi-Small.png", cloned_file_name("KVL-CS1Knob-Bi-Small.png", knob));
  EXPECT_EQ("KVL-CS3Knob-Bi.png", cloned_file_name("kvl-cs1knob-bi.png", knob));  // case aside
  EXPECT_EQ("Other.png", cloned_file_name("Other.png", knob));
  EXPECT_EQ("KVL-CS1Knob", cloned_file_name("KVL-CS1Knob", knob));  // shorter than the source
  EXPECT_EQ("Tab-PBTagsCS2", retagged("Tab-PBTagsCS1", 2));
  EXPECT_EQ("KVL-FMOgen", retagged("KVL-FMOgen", 4));  // no tag to replace
  for (size_t i = 0; i < kAnimationCount; ++i) {
    EXPECT_EQ(kTemplateFolders[i], animation_folder(static_cast<Animation>(i)));
  }
}

}  // namespace
