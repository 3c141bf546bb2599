#include "wizard/startup_check.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "assembly/commands.h"
#include "assembly/folder_access.h"
#include "platform/file_system.h"
#include "platform/image_tools.h"
#include "platform/native_path.h"
#include "platform/paths.h"
#include "platform/program_folder.h"
#include "wizard/prompts.h"

namespace {

namespace fs = std::filesystem;

const char kNoSkindata[] =
    "There is no skindata folder here: start the program in the folder that holds skindata and "
    "Presets.";
// The folders in these messages are written as the system writes them.
std::string no_template() {
  return shown_relative("skindata\\SkinTemplate") +
         " is missing or incomplete (it needs Images and " +
         shown_relative("Scripts\\Template.txt") +
         "): put back the skindata folder the program came with.";
}

std::string temp_not_folder() {
  return shown_relative("skindata\\temp") +
         " is not a folder: remove or rename that file, then start the program again.";
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

std::string template_problem() {
  if (!exists(".\\skindata", true)) return kNoSkindata;
  if (!exists(".\\skindata\\SkinTemplate\\Images", true) ||
      !exists(".\\skindata\\SkinTemplate\\Scripts\\Template.txt", false)) {
    return no_template();
  }
  return std::string();
}

// A tool in skindata is a launcher of the system's ImageMagick: when it
// does not start, ImageMagick is missing. One found elsewhere is named, so
// that the user knows which installation to mend.
std::string tool_problem(ImageToolKind kind, const char* name) {
  ImageTool tool = find_image_tool(kind);
  if (!tool.found()) return no_imagemagick_advice();
  if (tool_starts(name)) return std::string();
  if (tool.in_skindata) return no_imagemagick_advice();
  return std::string("ImageMagick's ") + name + " was found (" + tool.description() +
         ") but does not start: reinstall ImageMagick, then start the program again.";
}

std::string tools_problem() {
  std::string problem = tool_problem(ImageToolKind::kMogrify, "mogrify");
  if (problem.empty()) problem = tool_problem(ImageToolKind::kIdentify, "identify");
  return problem;
}

std::string unwritable(const char* folder, const std::string& shown) {
  const char* reason = folder_write_problem(folder);
  if (reason == nullptr) return std::string();
  return shown + " cannot be written to (" + reason + "): " +
         (reason == kNoSpaceLeft ? "make room on the disk"
                                 : "start the program in a folder of your own, for example a "
                                   "copy of this one") +
         ", then start it again.";
}

// skindata\temp, made when missing: the last step, once all else is there.
std::string temp_problem() {
  fs::path temp = native_path(".\\skindata\\temp");
  std::error_code error;
  if (!fs::exists(temp, error)) {
    if (!fs::create_directory(temp, error)) return unwritable(".\\skindata", "skindata");
    return std::string();
  }
  if (!fs::is_directory(temp, error)) return temp_not_folder();
  return unwritable(".\\skindata\\temp", shown_relative("skindata\\temp"));
}

}  // namespace

std::string fall_back_to_program_folder() {
  if (exists(".\\skindata", true)) return std::string();
  std::string folder = program_folder();
  if (folder.empty() || !is_folder(join_path(folder, "skindata")) ||
      !change_working_folder(folder)) {
    return std::string();
  }
  return "There is no skindata folder here; working in the program's folder, " +
         shown_path(folder) + ".";
}

// In this order: skindata\temp is made only when all else is in order.
std::string working_folder_problem() {
  std::string problem = template_problem();
  if (problem.empty()) problem = tools_problem();
  if (problem.empty()) problem = unwritable(".", "This folder");
  if (problem.empty()) problem = temp_problem();
  return problem;
}

bool check_working_folder(const std::string& moved_line) {
  std::string problem = working_folder_problem();
  if (problem.empty()) return true;
  if (!moved_line.empty()) std::printf("%s\n\n", moved_line.c_str());
  std::printf("%s\n\nPress ENTER to finish.\n", problem.c_str());
  pause_for_enter();
  return false;
}
