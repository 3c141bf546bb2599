#include "wizard/build_check.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "assembly/folder_access.h"
#include "assembly/previous_skin.h"
#include "platform/image_tools.h"
#include "platform/native_path.h"
#include "platform/paths.h"

namespace {

// The cause behind a failed build, when it can be told after the fact: the
// disk filled up, or the folder cannot be written.
const char* failure_cause() {
  if (disk_full_at(".")) return kNoSpaceLeft;
  return folder_write_problem(".");
}

std::string plural(int count, const char* one, const char* many) {
  return std::to_string(count) + " " + (count == 1 ? one : many);
}

void add_part(std::string& parts, int count, const char* what) {
  if (count == 0) return;
  if (!parts.empty()) parts += ", ";
  parts += std::to_string(count) + " " + what;
}

// Images written wrong and images whose transparency changed are told
// apart: the second kind were written whole, by a tool that did more than
// asked.
void print_images(const ImageCheck& images) {
  std::string promised = plural(images.promised, "image", "images");
  if (images.not_written() > 0) {
    std::string parts;
    add_part(parts, images.missing, "missing");
    add_part(parts, images.empty, "empty");
    add_part(parts, images.damaged, "damaged");
    add_part(parts, images.wrong_size, "of another size");
    std::printf("- %d of %s could not be written (%s; the first is %s).\n", images.not_written(),
                promised.c_str(), parts.c_str(), shown_relative(images.first_problem).c_str());
  }
  if (images.transparency_changed > 0) {
    std::printf("- %d of %s changed their transparency (the first is %s).\n",
                images.transparency_changed, promised.c_str(),
                shown_relative(images.first_transparency_change).c_str());
  }
}

void print_commands(const CommandTally& commands) {
  if (commands.failed == 0) return;
  std::printf("- %d of %s failed.\n", commands.failed,
              plural(commands.run, "image command", "image commands").c_str());
}

const char* script_problem(ScriptState state) {
  switch (state) {
    case ScriptState::kMissing:
      return "missing";
    case ScriptState::kPlaceholdersLeft:
      return "not filled in";
    case ScriptState::kCut:
      return "cut short or damaged";
    case ScriptState::kComplete:
      break;
  }
  return "complete";
}

void print_scripts(const ScriptCheck& scripts) {
  if (scripts.complete()) return;
  if (scripts.zebra2 == scripts.zebra_hz) {
    std::printf("- The scripts Zebra2.txt and ZebraHZ.txt are %s.\n",
                script_problem(scripts.zebra2));
    return;
  }
  for (auto [name, state] :
       {std::pair{"Zebra2.txt", scripts.zebra2}, std::pair{"ZebraHZ.txt", scripts.zebra_hz}}) {
    if (state != ScriptState::kComplete) {
      std::printf("- The script %s is %s.\n", name, script_problem(state));
    }
  }
}

bool tools_said_something() {
  std::error_code error;
  std::uintmax_t size = std::filesystem::file_size(native_path(kToolMessagesFile), error);
  return !error && size > 0;
}

}  // namespace

BuildVerdict check_built_skin(const SkinSettings& settings, const CommandTally& image_commands,
                              const MeasuredSkin& measured) {
  BuildVerdict verdict;
  verdict.image_commands = image_commands;
  verdict.images = check_skin_images(settings);
  verdict.scripts = check_host_scripts(settings);
  verdict.colours_not_measured = colours_not_measured(settings, measured);
  // Colours left as they were by commands that failed are told as those.
  if (image_commands.failed == 0) verdict.colours = check_measured_colours(settings, measured);
  if (!line_stopped_at_time_limit().empty()) verdict.time_limit = time_limit_message();
  if (!verdict.passed()) verdict.cause = failure_cause();
  if (image_commands.failed > 0 || verdict.images.transparency_changed > 0 ||
      verdict.colours.count > 0) {
    verdict.image_tool = find_image_tool(ImageToolKind::kMogrify).description();
  }
  return verdict;
}

void print_build_failure(const BuildVerdict& verdict) {
  if (verdict.cause != nullptr) {
    std::printf("The skin could not be built: %s.\n", verdict.cause);
  } else {
    std::printf("The skin could not be built.\n");
  }
  print_images(verdict.images);
  print_commands(verdict.image_commands);
  if (!verdict.time_limit.empty()) std::printf("- %s\n", verdict.time_limit.c_str());
  print_scripts(verdict.scripts);
  if (verdict.colours_not_measured > 0) {
    std::printf("- %s could not be measured.\n",
                plural(verdict.colours_not_measured, "colour", "colours").c_str());
  }
  print_colour_mismatches(verdict.colours);
  if (!verdict.image_tool.empty()) {
    std::printf("The image tool was %s.\n", verdict.image_tool.c_str());
  }
  if (tools_said_something()) {
    std::printf("The tools' own messages are in %s.\n", shown_relative(kToolMessagesFile).c_str());
  }
}

void print_build_notes(const BuildVerdict& verdict) {
  const ImageCheck& images = verdict.images;
  if (images.transparency_changed_by_options == 0) return;
  std::printf("With your advanced options, %d of %s changed their transparency.\n\n",
              images.transparency_changed_by_options,
              plural(images.promised, "image", "images").c_str());
}
