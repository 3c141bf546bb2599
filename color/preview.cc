#include "color/preview.h"

#include <cstdio>

#include "assembly/commands.h"
#include "color/modulation.h"
#include "wizard/prompts.h"

namespace {

// One image: copy, recolour, optionally adjust, show; each command runs to
// its end before the next, so the image shown is the finished one.
void make_preview_image(const SkinSettings& settings, const char* source, int section) {
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
  format_command(command, ".\\skindata\\temp\\%s", file);
  run_command(command);
}

}  // namespace

bool make_preview(const SkinSettings& settings) {
  std::printf("\nPreparing preview....");
  if (settings.design_choice == kCustomSingle) {
    make_preview_image(settings, "singlepreview.png", 1);
  } else {
    const char* const sources[] = {"CS1preview.png", "CS2preview.png", "CS3preview.png",
                                   "CS4preview.png"};
    for (int section = 1; section <= 4; ++section) {
      make_preview_image(settings, sources[section - 1], section);
    }
  }
  std::printf("Done.\n\n\nAre you satisfied with the result?\n\n");
  return ask_preview_accepted();
}
