#include "assembly/recolor.h"

#include <cstdio>

#include "assembly/commands.h"
#include "assembly/skin_layout.h"
#include "color/modulation.h"

namespace {

// The section-1 pane runs print no progress dot: the line holds 33 dots
// for a single-colour skin and 71 for a multicolour one.
bool dotted(const ImageRun& run) {
  return !(run.in_panes && run.section == 1);
}

int recolor_run(const ImageRun& run, const SkinSettings& settings) {
  char command[kCommandBufferSize];
  format_section_command(command, section_color(settings, run.section), settings.skin_name,
                         run.pattern.c_str());
  int status = run_command(command);
  if (dotted(run) && status != kInterruptedStatus) std::printf(".");
  return status;
}

}  // namespace

CommandTally recolor_skin(const SkinSettings& settings) {
  CommandTally tally;
  std::printf("Modifying colors for %s.", settings.skin_name);
  for (const ImageRun& run : recolor_runs(is_multicolor(settings))) {
    tally.count(recolor_run(run, settings));
    if (tally.interrupted) return tally;
  }
  std::printf("Done.\n");
  return tally;
}
