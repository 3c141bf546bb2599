#include "scripts/host_scripts.h"

#include <cstdio>

#include "assembly/commands.h"
#include "scripts/placeholder.h"
#include "scripts/placeholders.h"

namespace {

const char kScriptPath[] = ".\\%s\\Scripts\\%s.txt";
const char kCopyScriptCommand[] = "copy /y \"%s\" \"%s\" >NUL";

void script_path(char* path, const char* skin_name, const char* base_name) {
  format_command(path, kScriptPath, skin_name, base_name);
}

}  // namespace

size_t longest_host_script_command(const char* skin_name) {
  // Both paths are plain insertions into the copy command.
  return command_length(kCopyScriptCommand, "", "") +
         command_length(kScriptPath, skin_name, "Template") +
         command_length(kScriptPath, skin_name, "ZebraHZ");
}

void customize_host_scripts(const char* skin_name) {
  char zebra2[kCommandBufferSize];
  char zebra_hz[kCommandBufferSize];
  char template_script[kCommandBufferSize];
  script_path(zebra2, skin_name, "Zebra2");
  script_path(zebra_hz, skin_name, "ZebraHZ");
  script_path(template_script, skin_name, "Template");

  char line[kCommandBufferSize];
  format_command(line, kCopyScriptCommand, template_script, zebra2);
  run_command(line);
  format_command(line, kCopyScriptCommand, template_script, zebra_hz);
  run_command(line);
  format_command(line, "del \"%s\"", template_script);
  run_command(line);

  std::printf("Customizing skin scripts %s.txt and %s.txt.............", "Zebra2", "ZebraHZ");
  for (const HostValue& row : kHostValues) {
    replace_placeholder(zebra2, row.placeholder, row.zebra2);
    replace_placeholder(zebra_hz, row.placeholder, row.zebra_hz);
  }
  std::printf("Done.\n");
}
