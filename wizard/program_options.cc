#include "wizard/program_options.h"

#include <cstdio>
#include <cstring>
#include <utility>

#include "platform/image_tools.h"
#include "version.h"

namespace {

const char kUsage[] = "usage: skinbuilder [--help | --version]\n";

// At most 80 columns: it is read in a console window.
const char kHelp[] =
    "Builds a custom-coloured skin (theme) for the Zebra2 and ZebraHZ\n"
    "synthesizers: it asks for a design, colours and styles, shows a preview,\n"
    "and writes the skin as a folder named after it.\n"
    "\n"
    "Start it without arguments from the folder that holds its skindata and\n"
    "Presets folders (the folder of the download); the skin is made there.\n"
    "It needs ImageMagick's command-line tools, 7 or 6: it takes mogrify and\n"
    "identify from skindata, else ImageMagick 7's magick (from PATH or, on\n"
    "Windows, from where its installer put it), else mogrify and identify from\n"
    "PATH. On Windows install ImageMagick 7, with \"Add application directory\n"
    "to your system path\" ticked; on Debian or Ubuntu the imagemagick package.\n"
    "The colour questions also take colour codes such as #3C3C46.\n"
    "\n";

// What this folder would use, so that a user can see which ImageMagick
// runs the image commands.
void print_image_tools() {
  std::printf("Started here, it would use:\n");
  for (auto [kind, name] : {std::pair{ImageToolKind::kMogrify, "mogrify"},
                            std::pair{ImageToolKind::kIdentify, "identify"}}) {
    ImageTool tool = find_image_tool(kind);
    std::printf("  %-9s %s\n", name, tool.found() ? tool.found_as.c_str() : "not found");
    if (!tool.version.empty()) std::printf("            %s\n", tool.version.c_str());
  }
  std::printf("\n");
}

bool is_one_of(const char* argument, const char* const* names) {
  for (; *names != nullptr; ++names) {
    if (std::strcmp(argument, *names) == 0) return true;
  }
  return false;
}

}  // namespace

ProgramRequest program_request(int argc, const char* const* argv) {
  static const char* const kHelpNames[] = {"--help", "-h", "/?", nullptr};
  static const char* const kVersionNames[] = {"--version", nullptr};
  if (argc <= 1) return ProgramRequest::kWizard;
  if (argc > 2) return ProgramRequest::kUsageError;
  if (is_one_of(argv[1], kHelpNames)) return ProgramRequest::kHelp;
  if (is_one_of(argv[1], kVersionNames)) return ProgramRequest::kVersion;
  return ProgramRequest::kUsageError;
}

int answer_request(ProgramRequest request) {
  switch (request) {
    case ProgramRequest::kHelp:
      std::printf("skinbuilder %s\n\n%s", SKINBUILDER_VERSION, kHelp);
      print_image_tools();
      std::printf("%s", kUsage);
      return 0;
    case ProgramRequest::kVersion:
      std::printf("skinbuilder %s\n", SKINBUILDER_VERSION);
      return 0;
    case ProgramRequest::kUsageError:
      std::fputs(kUsage, stderr);
      return 2;
    case ProgramRequest::kWizard:
      break;
  }
  return 0;
}
