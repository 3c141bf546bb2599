#include "assembly/file_structure.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "assembly/commands.h"

const AnimationClone kAnimationClones[kAnimationCloneCount] = {
    {"PrefCloseCS1", "CS4"},        {"PrefTabCS1", "CS4"},        {"Tab-PBDirectCS1", "CS4"},
    {"Tab-PBTagsCS1", "CS4"},       {"KVL-CS1Knob-Bi", "CS2"},    {"KVL-CS1Knob-Bi", "CS3"},
    {"KVL-CS1Knob-Bi", "CS4"},      {"KVL-CS1Knob-Uni", "CS2"},   {"KVL-CS1Knob-Uni", "CS3"},
    {"KVL-CS1Knob-Uni", "CS4"},     {"KVL-BtnCS1-SL", "CS2"},     {"KVL-Btn-EditMasterCS1", "CS2"},
    {"KVL-BtnIOCS1", "CS2"},        {"KVL-BtnIOCS1", "CS4"},      {"KVL-GateCS1", "CS2"},
    {"KVL-LFOWavesCS1", "CS2"},     {"KVL-MidiLightCS1", "CS4"},  {"KVL-MsegTabsCS1-Z2", "CS2"},
    {"KVL-MsegTabsCS1-ZHZ", "CS2"}, {"KVL-NoteLengthCS1", "CS2"}, {"KVL-plusminusCS1", "CS2"},
    {"KVL-StepCS1", "CS2"},         {"KVL-SwingLightCS1", "CS4"}, {"KVL-VCFBotTypesCS1", "CS3"},
    {"KVL-VoicesCS1", "CS2"},       {"KVL-XmfT1CS1", "CS3"},      {"KVL-XmfT2CS1", "CS3"},
    {"KVL-XY-TabsCS1", "CS2"},
};

const FileClone kFileClones[kFileCloneCount] = {
    {"Images\\Controls", "CS1Env*", "CS2"},     {"Images\\Controls", "CS1Mod*", "CS2"},
    {"Images\\Controls", "CS1Mod*", "CS4"},     {"Images\\Controls", "CS1PM*", "CS4"},
    {"Images\\Controls", "CS1KVL-Ar*", "CS2"},  {"Images\\Controls", "CS1KVL-D*", "CS2"},
    {"Images\\Controls", "CS1KVL-Mi*", "CS2"},  {"Images\\Controls", "CS1KVL-Mod*", "CS2"},
    {"Images\\Controls", "CS1KVL-ne*", "CS4"},  {"Images\\Controls", "CS1KVL-pr*", "CS4"},
    {"Images\\Controls", "CS1KVL-Res*", "CS3"}, {"Images\\Controls", "CS1KVL-Sli*", "CS3"},
    {"Images\\Controls", "CS1KVL-XY*", "CS2"},  {"Images\\Controls", "CS1XY*", "CS2"},
    {"Images\\Icons", "CS1*", "CS2"},           {"Images\\Icons", "CS1*", "CS4"},
    {"Images\\Other", "CS1A*", "CS2"},          {"Images\\Panes", "CS1KVL-T*", "CS4"},
    {"Images\\Panes", "CS1KVL-X*", "CS2"},
};

const char* const kKnobStyleLabels[kKnobStyleCount] = {
    "Massive X Style",
    "Bazille Dazo Style",
    "Bitwig Style",
    "Dune Style",
    "Factory Style",
    "Dazo Style",
    "Live Style",
    "Phase Plant Style",
    "ZebraHZ Style",
    "Rapid Style",
    "DrumComputer Color Style",
    "DrumComputer Dark Style",
    "SimpleSquare Style",
    "SimpleCircle Style",
    "SimpleRing Style",
    "Trimmer Style",
};

const char* const kLockIconStyleLabels[kLockIconStyleCount] = {
    "Pause symbol",  "Dot",           "Hero",
    "Key",           "\"No\" symbol", "Stop sign",
    "Vantrelo Lock", "Korvel Lock",   "Pause symbol filled",
};

const char* const kLockIconStyleFolders[kLockIconStyleCount] = {
    nullptr,         "Dot",         "Hero",
    "Key",           "No Sign",     "Stop Sign",
    "Vantrelo Lock", "Korvel Lock", "Pause Symbol Filled",
};

const char* const kArpIconStyleLabels[kArpIconStyleCount] = {
    "Korvel Clarity",
    "U-he Standard",
    "Dice Standard",
};

const char* const kArpIconStyleFolders[kArpIconStyleCount] = {nullptr, "Standard", "Dice"};

namespace {

// The overlay folder of one style, or nullptr when the style has none or
// the number is not a row of its table.
const char* style_folder(StyleGroup group, int32_t number) {
  const char* const* folders = kKnobStyleLabels;
  int count = kKnobStyleCount;
  if (group == StyleGroup::kLockIcon) {
    folders = kLockIconStyleFolders;
    count = kLockIconStyleCount;
  } else if (group == StyleGroup::kArpIcon) {
    folders = kArpIconStyleFolders;
    count = kArpIconStyleCount;
  }
  if (number < 1 || number > count) return nullptr;
  return folders[number - 1];
}

const char* style_base(StyleGroup group) {
  switch (group) {
    case StyleGroup::kLockIcon:
      return "LockIcons";
    case StyleGroup::kArpIcon:
      return "AltArp";
    case StyleGroup::kKnob:
      break;
  }
  return "Knobs";
}

// The clone commands name the skin folder twice, so they are the first to
// outgrow the command buffer as the skin name gets longer.
const char kCloneFolderCommand[] =
    "xcopy /y /q /e \".\\%s\\Images\\Animations\\%s\"  \".\\%s\\Images\\Animations\\%s\\\" >NUL";
const char kCloneFilesCommand[] = "xcopy /y /q \".\\%s\\%s\\%s\"  \".\\%s\\%s\\%s\" >NUL";

// Copies name into buffer and replaces its first "CS1" by tag. Tags and
// "CS1" have the same length, so the name keeps its length.
void retag(char* buffer, const char* name, const char* tag) {
  format_bounded(buffer, kCommandBufferSize, "%s", name);
  char* found = std::strstr(buffer, "CS1");
  if (found != nullptr) std::memcpy(found, tag, 3);
}

void clone_files(const FileClone& clone, const char* skin_name) {
  char pattern[kCommandBufferSize];
  retag(pattern, clone.pattern, clone.tag);
  char command[kCommandBufferSize];
  format_command(command, kCloneFilesCommand, skin_name, clone.folder, clone.pattern, skin_name,
                 clone.folder, pattern);
  run_command(command);
}

}  // namespace

std::string style_overlay_images(StyleGroup group, int32_t number) {
  const char* folder = style_folder(group, number);
  if (folder == nullptr) return std::string();
  return std::string(".\\skindata\\") + style_base(group) + "\\" + folder + "\\Images";
}

std::string retagged(const char* name, const char* tag) {
  char buffer[kCommandBufferSize];
  retag(buffer, name, tag);
  return buffer;
}

void copy_style_overlay(StyleGroup group, int32_t number, const char* skin_name) {
  const char* folder = style_folder(group, number);
  if (folder == nullptr) return;
  char command[kCommandBufferSize];
  format_command(command, "xcopy /y /q /e \".\\skindata\\%s\\%s\\Images\" \".\\%s\\Images\\\" >NUL",
                 style_base(group), folder, skin_name);
  run_command(command);
}

void clear_skin_folder(const char* skin_name) {
  std::printf("\nClearing any existing folder named %s.\n\n", skin_name);
  char command[kCommandBufferSize];
  format_command(command, "rmdir /S /Q \".\\%s\" 1>NUL 2>NUL", skin_name);
  run_command(command);
  format_command(command, "xcopy /y /q /e \".\\skindata\\SkinTemplate\" \".\\%s\\\" >NUL",
                 skin_name);
  run_command(command);
}

void prepare_standard_folder(const SkinSettings& settings) {
  clear_skin_folder(settings.skin_name);
  copy_style_overlay(StyleGroup::kKnob, 1, settings.skin_name);
}

int clone_animation_folder(const char* source, const char* skin_name, const char* tag) {
  char name[kCommandBufferSize];
  retag(name, source, tag);
  char command[kCommandBufferSize];
  format_command(command, kCloneFolderCommand, skin_name, source, skin_name, name);
  run_command(command);
  format_command(command, "ren \".\\%s\\Images\\Animations\\%s\\%s*.png\"  \"%s*.png\" >NUL",
                 skin_name, name, source, name);
  run_command(command);
  return 1;
}

int build_file_structure(const SkinSettings& settings) {
  if (!is_multicolor(settings)) return 1;
  for (const AnimationClone& clone : kAnimationClones) {
    clone_animation_folder(clone.source, settings.skin_name, clone.tag);
  }
  for (const FileClone& clone : kFileClones) clone_files(clone, settings.skin_name);
  return 1;
}

size_t longest_clone_command(const char* skin_name) {
  size_t longest = 0;
  for (const AnimationClone& clone : kAnimationClones) {
    // A clone's name has the length of its source.
    longest = std::max(longest, command_length(kCloneFolderCommand, skin_name, clone.source,
                                               skin_name, clone.source));
  }
  for (const FileClone& clone : kFileClones) {
    longest =
        std::max(longest, command_length(kCloneFilesCommand, skin_name, clone.folder, clone.pattern,
                                         skin_name, clone.folder, clone.pattern));
  }
  return longest;
}

void construct_file_structure(const SkinSettings& settings) {
  std::printf("Building file structure for %s..........\n", settings.skin_name);
  build_file_structure(settings);
  std::printf("Done.\n");
}
