#include "assembly/file_structure.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "assembly/commands.h"

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

void clone_files(const Clone& clone, const char* skin_name, CommandTally& tally) {
  std::string source = clone.source + "*";
  std::string name = clone.name + "*";
  char command[kCommandBufferSize];
  format_command(command, kCloneFilesCommand, skin_name, clone.folder.c_str(), source.c_str(),
                 skin_name, clone.folder.c_str(), name.c_str());
  tally.count(run_command(command));
}

}  // namespace

std::string style_overlay_images(StyleGroup group, int32_t number) {
  const char* folder = style_folder(group, number);
  if (folder == nullptr) return std::string();
  return std::string(".\\skindata\\") + style_base(group) + "\\" + folder + "\\Images";
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

int clone_animation_folder(const Clone& clone, const char* skin_name) {
  const char* source = clone.source.c_str();
  const char* name = clone.name.c_str();
  char command[kCommandBufferSize];
  format_command(command, kCloneFolderCommand, skin_name, source, skin_name, name);
  int status = run_command(command);
  if (status == kInterruptedStatus) return status;
  format_command(command, "ren \".\\%s\\Images\\Animations\\%s\\%s*.png\"  \"%s*.png\" >NUL",
                 skin_name, name, source, name);
  return run_command(command);
}

CommandTally build_file_structure(const SkinSettings& settings) {
  CommandTally tally;
  if (!is_multicolor(settings)) return tally;
  for (const Clone& clone : animation_clones()) {
    tally.count(clone_animation_folder(clone, settings.skin_name));
    if (tally.interrupted) return tally;
  }
  for (const Clone& clone : file_clones()) {
    clone_files(clone, settings.skin_name, tally);
    if (tally.interrupted) return tally;
  }
  return tally;
}

size_t longest_clone_command(const char* skin_name) {
  size_t longest = 0;
  for (const Clone& clone : animation_clones()) {
    longest = std::max(longest, command_length(kCloneFolderCommand, skin_name, clone.source.c_str(),
                                               skin_name, clone.name.c_str()));
  }
  for (const Clone& clone : file_clones()) {
    std::string source = clone.source + "*";
    longest = std::max(longest,
                       command_length(kCloneFilesCommand, skin_name, clone.folder.c_str(),
                                      source.c_str(), skin_name, clone.folder.c_str(),
                                      source.c_str()));
  }
  return longest;
}

bool construct_file_structure(const SkinSettings& settings) {
  std::printf("Building file structure for %s..........\n", settings.skin_name);
  if (build_file_structure(settings).interrupted) return false;
  std::printf("Done.\n");
  return true;
}
