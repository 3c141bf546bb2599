#include "color/preview.h"

#include <cstdio>

#include "assembly/commands.h"
#include "assembly/previous_skin.h"
#include "color/colour_help.h"
#include "color/modulation.h"
#include "color/readability.h"
#include "color/sample_copy.h"
#include "platform/image_viewer.h"
#include "platform/native_path.h"
#include "platform/shell.h"

namespace {

bool tool_stopped() {
  return !line_stopped_at_time_limit().empty();
}

void measure_section_sample(const SkinSettings& settings, int section,
                            ReadabilityColours& colours) {
  char tag[8];
  format_bounded(tag, sizeof tag, "CS%d", section);
  colours.sections[section - 1] = measure_sample_copy(settings, tag, "CS1Sample.png", section);
}

// One image: copy, recolour, optionally adjust, show; each command runs to
// its end before the next, so the image shown is the finished one. Its
// section's colour sample is measured first, so that an image drawn in the
// terminal can have its section's problems marked right under it.
void make_preview_image(const SkinSettings& settings, const char* source, int section,
                        ReadabilityColours& colours) {
  measure_section_sample(settings, section, colours);
  char file[32];
  format_bounded(file, sizeof file, "CS%dpreview.png", section);
  char command[kCommandBufferSize];
  format_command(command, "copy /y .\\skindata\\%s .\\skindata\\temp\\%s >NUL", source, file);
  run_command(command);
  format_section_command(command, section_color(settings, section), "skindata\\temp", file);
  run_command(command);
  if (settings.global_adjust == 2) {
    format_global_command(command, settings, "skindata\\temp", file);
    run_command(command);
  }
  if (tool_stopped()) return;  // the image would not be the finished one
  format_command(command, ".\\skindata\\temp\\%s", file);
  run_command(command);
  if (image_drawn_in_terminal()) print_section_problems(colours, section, "^ ");
}

// The background's sample, then each image after its section's sample.
// False when a tool was stopped at its time limit.
bool make_preview_images(const SkinSettings& settings, ReadabilityColours& colours) {
  colours.background = measure_sample_copy(settings, "DG", "DGSample.png", 0);
  if (settings.design_choice == kCustomSingle) {
    if (!tool_stopped()) make_preview_image(settings, "singlepreview.png", 1, colours);
    return !tool_stopped();
  }
  const char* const sources[] = {"CS1preview.png", "CS2preview.png", "CS3preview.png",
                                 "CS4preview.png"};
  for (int section = 1; section <= 4 && !tool_stopped(); ++section) {
    make_preview_image(settings, sources[section - 1], section, colours);
  }
  return !tool_stopped();
}

// What the colours will look like, with the help for what reads badly
// (which tries colours with the tool too). False when a tool was stopped.
bool report_colours(const SkinSettings& settings, ReadabilityColours& colours) {
  TemplateColour template_colour = {};
  print_asked_and_shown(settings, colours, template_colour);
  add_colour_help(settings, colours, template_colour);
  if (tool_stopped()) return false;
  print_readability_report(colours);
  return true;
}

bool preview_not_made() {
  send_command_errors_to(nullptr);
  std::printf("\nThe preview could not be made.\n- %s\n", time_limit_message().c_str());
  return false;
}

}  // namespace

bool make_preview(const SkinSettings& settings) {
  std::printf("\nPreparing preview....");
  send_command_errors_to(native_path(kToolMessagesFile).c_str());
  image_drawn_in_terminal();  // forget any image drawn before this preview
  ReadabilityColours colours = readability_colours_for(settings);
  colours.section_count = settings.design_choice == kCustomSingle ? 1 : 4;  // the images made
  if (!make_preview_images(settings, colours)) return preview_not_made();
  std::printf("Done.\n");
  if (!report_colours(settings, colours)) return preview_not_made();
  send_command_errors_to(nullptr);
  return true;
}
