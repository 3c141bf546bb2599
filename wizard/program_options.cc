#include "wizard/program_options.h"

#include <cstdio>
#include <cstring>
#include <utility>

#include "platform/image_tools.h"
#include "settings/palette_file.h"
#include "version.h"

namespace {

const char kUsage[] =
    "usage: skinbuilder [--help | --version | --build FILE [--name NAME] [--install]]\n";

// At most 80 columns: it is read in a console window.
const char kHelp[] =
    "Builds a custom-coloured skin (theme) for the Zebra2 and ZebraHZ\n"
    "synthesizers: it asks for a design, colours and styles, shows a preview,\n"
    "and writes the skin as a folder named after it.\n"
    "\n"
    "Start it without arguments. It works in the folder it is started in when\n"
    "that holds skindata and Presets, else in its own folder (the folder of the\n"
    "download); the skin is made there.\n"
    "It needs ImageMagick's command-line tools, 7 or 6: it takes mogrify and\n"
    "identify from skindata, else ImageMagick 7's magick (from PATH or, on\n"
    "Windows, from where its installer put it), else mogrify and identify from\n"
    "PATH. On Windows install ImageMagick 7, with \"Add application directory\n"
    "to your system path\" ticked; on Debian or Ubuntu the imagemagick package.\n"
    "The colour questions also take colour codes such as #3C3C46, and the red\n"
    "question all three amounts at once, as R,G,B or R G B.\n"
    "\n"
    "Palette files in Presets are offered in the design menu after the presets:\n"
    "base16 or base24 schemes (.yaml), pywal or wallust colors.json, GIMP\n"
    "palettes (.gpl) and lists of #RRGGBB codes (.txt, .hex). Choosing one\n"
    "starts CUSTOM: Multicolor with its colours as the defaults.\n";

const char kBuildHelp[] =
    "\n"
    "skinbuilder --build FILE [--name NAME] [--install]\n"
    "  builds the skin of a preset or palette file, wherever it is, with every\n"
    "  other answer at its default and no questions; the exit status is 0 when\n"
    "  the skin is ready, 1 when not. --name names the skin; --install puts it\n"
    "  into the synthesizer's Themes folder when exactly one is found.\n"
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

// "--build FILE [--name NAME] [--install]": false for anything else.
bool read_build_order(int argc, const char* const* argv, BuildOrder& order) {
  if (argc < 3 || std::strcmp(argv[1], "--build") != 0 || argv[2][0] == '\0') return false;
  order.file = argv[2];
  order.path = order.file;
  bool named = false;
  for (int i = 3; i < argc; ++i) {
    if (std::strcmp(argv[i], "--install") == 0 && !order.install) {
      order.install = true;
    } else if (std::strcmp(argv[i], "--name") == 0 && !named && i + 1 < argc &&
               argv[i + 1][0] != '\0') {
      named = true;
      order.skin_name = argv[++i];
    } else {
      return false;
    }
  }
  return true;
}

}  // namespace

ProgramCall program_call(int argc, const char* const* argv) {
  static const char* const kHelpNames[] = {"--help", "-h", "/?", nullptr};
  static const char* const kVersionNames[] = {"--version", nullptr};
  ProgramCall call;
  if (argc <= 1) return call;
  call.request = ProgramRequest::kUsageError;
  if (read_build_order(argc, argv, call.build)) {
    call.request = ProgramRequest::kBuild;
  } else if (argc == 2 && is_one_of(argv[1], kHelpNames)) {
    call.request = ProgramRequest::kHelp;
  } else if (argc == 2 && is_one_of(argv[1], kVersionNames)) {
    call.request = ProgramRequest::kVersion;
  }
  return call;
}

int answer_request(ProgramRequest request) {
  switch (request) {
    case ProgramRequest::kHelp:
      std::printf("skinbuilder %s\n\n%s%s%s", SKINBUILDER_VERSION, kHelp,
                  palette_mapping_text().c_str(), kBuildHelp);
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
    case ProgramRequest::kBuild:
      break;
  }
  return 0;
}
