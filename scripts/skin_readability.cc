#include "scripts/skin_readability.h"

#include <cstdio>

#include "assembly/commands.h"
#include "assembly/previous_skin.h"
#include "color/colour_help.h"
#include "color/readability.h"
#include "platform/native_path.h"
#include "platform/shell.h"

namespace {

constexpr char kBackgroundListing[] = ".\\skindata\\temp\\DGfinal.txt";

SampledColour kept_sample(const MeasuredSample& sample) {
  return sampled_from_text(sample.measured, sample.colour);
}

// The dark grey: as the build measured it after global adjustments, or
// measured now from the skin's untouched sample.
SampledColour skin_background(const SkinSettings& settings, const MeasuredSkin& measured) {
  if (settings.global_adjust == 2) return kept_sample(measured.dark_gray);
  char command[kCommandBufferSize];
  format_command(command,
                 ".\\skindata\\identify -verbose \".\\%s\\Images\\Other\\DGSample.png\" | "
                 "findstr # > %s",
                 settings.skin_name, kBackgroundListing);
  run_command(command);
  return sampled_from_listing(kBackgroundListing);
}

}  // namespace

// The tools' messages go after the build's, off the screen.
void report_skin_readability(const SkinSettings& settings, const MeasuredSkin& measured) {
  send_command_errors_to(native_path(kToolMessagesFile).c_str(), false);
  ReadabilityColours colours = readability_colours_for(settings);
  for (int n = 0; n < colours.section_count; ++n) {
    colours.sections[n] = kept_sample(measured.sections[n]);
  }
  colours.background = skin_background(settings, measured);
  TemplateColour template_colour = {};
  add_colour_help(settings, colours, template_colour);
  send_command_errors_to(nullptr);
  print_readability_report(colours);
  std::printf("\n");
}
