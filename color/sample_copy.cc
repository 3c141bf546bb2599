#include "color/sample_copy.h"

#include "assembly/commands.h"
#include "color/modulation.h"

SampledColour measure_sample_copy(const SkinSettings& settings, const char* tag, const char* source,
                                  int section) {
  char file[32];
  format_bounded(file, sizeof file, "%sSample.png", tag);
  char command[kCommandBufferSize];
  format_command(command,
                 "copy /y .\\skindata\\SkinTemplate\\Images\\Other\\%s .\\skindata\\temp\\%s >NUL",
                 source, file);
  run_command(command);
  if (section != 0) {
    format_section_command(command, section_color(settings, section), "skindata\\temp", file);
    run_command(command);
  }
  if (settings.global_adjust == 2) {
    format_global_command(command, settings, "skindata\\temp", file);
    run_command(command);
  }
  char listing[64];
  format_bounded(listing, sizeof listing, ".\\skindata\\temp\\%sSample.txt", tag);
  format_command(command, ".\\skindata\\identify -verbose .\\skindata\\temp\\%s | findstr # > %s",
                 file, listing);
  run_command(command);
  return sampled_from_listing(listing);
}

SampledColour measure_template_sample() {
  const char listing[] = ".\\skindata\\temp\\TemplateSample.txt";
  char command[kCommandBufferSize];
  format_command(command,
                 ".\\skindata\\identify -verbose .\\skindata\\SkinTemplate\\Images\\Other\\"
                 "CS1Sample.png | findstr # > %s",
                 listing);
  run_command(command);
  return sampled_from_listing(listing);
}
