#include "wizard/startup_check.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "assembly/commands.h"
#include "assembly/folder_access.h"
#include "platform/image_tools.h"
#include "platform/native_path.h"
#include "platform/paths.h"
#include "wizard/prompts.h"

namespace {

namespace fs = std::filesystem;

const char kNoSkindata[] =
    "There is no skindata folder here: start the program in the folder that holds skindata and "
    "Presets.";
// What a user without any ImageMagick is told: how to get the one their
// system offers.
#ifdef _WIN32
const char kNoImageMagick[] =
    "ImageMagick 7 is needed: install it from "
    "https://imagemagick.org/script/download.php#windows and tick \"Add application directory to "
    "your system path\", then start the program again.";
#else
const char kNoImageMagick[] =
    "ImageMagick is not installed: install it (on Debian or Ubuntu: sudo apt-get install "
    "imagemagick), then start the program again.";
#endif
std::string message;

// The folders in these messages are written as the system writes them.
const char* no_template() {
  message = shown_relative("skindata\\SkinTemplate") +
            " is missing or incomplete (it needs Images and " +
            shown_relative("Scripts\\Template.txt") +
            "): put back the skindata folder the program came with.";
  return message.c_str();
}

const char* temp_not_folder() {
  message = shown_relative("skindata\\temp") +
            " is not a folder: remove or rename that file, then start the program again.";
  return message.c_str();
}

bool exists(const char* path, bool folder) {
  std::error_code error;
  fs::path local = native_path(path);
  return folder ? fs::is_directory(local, error) : fs::is_regular_file(local, error);
}

bool tool_starts(const char* tool) {
  char command[kCommandBufferSize];
  format_command(command, ".\\skindata\\%s -version >NUL 2>NUL", tool);
  return run_command(command) == 0;
}

const char* template_problem() {
  if (!exists(".\\skindata", true)) return kNoSkindata;
  if (!exists(".\\skindata\\SkinTemplate\\Images", true) ||
      !exists(".\\skindata\\SkinTemplate\\Scripts\\Template.txt", false)) {
    return no_template();
  }
  return nullptr;
}

// A tool in skindata is a launcher of the system's ImageMagick: when it
// does not start, ImageMagick is missing. One found elsewhere is named, so
// that the user knows which installation to mend.
const char* tool_problem(ImageToolKind kind, const char* name) {
  ImageTool tool = find_image_tool(kind);
  if (!tool.found()) return kNoImageMagick;
  if (tool_starts(name)) return nullptr;
  if (tool.in_skindata) return kNoImageMagick;
  message = std::string("ImageMagick's ") + name + " was found (" + tool.description() +
            ") but does not start: reinstall ImageMagick, then start the program again.";
  return message.c_str();
}

const char* tools_problem() {
  if (const char* problem = tool_problem(ImageToolKind::kMogrify, "mogrify")) return problem;
  return tool_problem(ImageToolKind::kIdentify, "identify");
}

const char* unwritable(const char* folder, const char* shown) {
  const char* reason = folder_write_problem(folder);
  if (reason == nullptr) return nullptr;
  message = std::string(shown) + " cannot be written to (" + reason + "): " +
            (reason == kNoSpaceLeft ? "make room on the disk"
                                    : "start the program in a folder of your own, for example a "
                                      "copy of this one") +
            ", then start it again.";
  return message.c_str();
}

// skindata\temp, made when missing: the last step, once all else is there.
const char* temp_problem() {
  fs::path temp = native_path(".\\skindata\\temp");
  std::error_code error;
  if (!fs::exists(temp, error)) {
    if (!fs::create_directory(temp, error)) return unwritable(".\\skindata", "skindata");
    return nullptr;
  }
  if (!fs::is_directory(temp, error)) return temp_not_folder();
  return unwritable(".\\skindata\\temp", shown_relative("skindata\\temp").c_str());
}

}  // namespace

const char* working_folder_problem() {
  if (const char* problem = template_problem()) return problem;
  if (const char* problem = tools_problem()) return problem;
  if (const char* problem = unwritable(".", "This folder")) return problem;
  return temp_problem();
}

bool check_working_folder() {
  const char* problem = working_folder_problem();
  if (problem == nullptr) return true;
  std::printf("%s\n\nPress ENTER to finish.\n", problem);
  pause_for_enter();
  return false;
}
