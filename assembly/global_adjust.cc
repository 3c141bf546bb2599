#include "assembly/global_adjust.h"

#include <cstdio>
#include <string>

#include "assembly/commands.h"
#include "assembly/skin_layout.h"
#include "color/modulation.h"

namespace {

int adjust_pattern(const std::string& pattern, const SkinSettings& settings) {
  char command[kCommandBufferSize];
  format_global_command(command, settings, settings.skin_name, pattern.c_str());
  int status = run_command(command);
  if (status != kInterruptedStatus) std::printf(".");
  return status;
}

}  // namespace

CommandTally adjust_skin_globally(const SkinSettings& settings) {
  CommandTally tally;
  if (settings.global_adjust != 2) return tally;
  std::printf("Making global adjustments for %s", settings.skin_name);
  for (const std::string& pattern : adjust_patterns(is_multicolor(settings))) {
    tally.count(adjust_pattern(pattern, settings));
    if (tally.interrupted) return tally;
  }
  std::printf("Done.\n");
  return tally;
}
