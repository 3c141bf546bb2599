#include "skindata/launchers.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace fs = std::filesystem;

std::string launcher_text(const std::string& tool) {
  // mogrify would stamp every file it rewrites with the time of day; leaving
  // those chunks out makes two builds of the same skin the same bytes.
  const std::string options = tool == "mogrify" ? "-define png:exclude-chunk=date,time " : "";
  return "#!/bin/sh\n"
         "# ImageMagick's " +
         tool +
         " for the skin builder: IM 7 through magick,\n"
         "# else IM 6's own " +
         tool +
         " from PATH. The arguments follow the tool's own options.\n"
         "if command -v magick >/dev/null 2>&1; then\n"
         "  exec magick " +
         tool + " " + options +
         "\"$@\"\n"
         "fi\n"
         "unset CDPATH\n"
         "here=$(cd \"$(dirname \"$0\")\" && pwd)\n"
         "IFS=:\n"
         "for dir in $PATH; do\n"
         "  [ -n \"$dir\" ] || dir=.\n"
         "  [ \"$(cd \"$dir\" 2>/dev/null && pwd)\" = \"$here\" ] && continue\n"
         "  if [ -x \"$dir/" +
         tool +
         "\" ]; then\n"
         "    exec \"$dir/" +
         tool + "\" " + options +
         "\"$@\"\n"
         "  fi\n"
         "done\n"
         "echo \"" +
         tool +
         ": ImageMagick is not installed\" >&2\n"
         "exit 127\n";
}

void write_launchers(const std::string& dir) {
  for (const std::string tool : {"mogrify", "identify"}) {
    fs::path path = fs::path(dir) / tool;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << launcher_text(tool);
    out.close();
    if (!out) throw std::runtime_error("cannot write " + path.string());
    fs::permissions(path, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                              fs::perms::others_read | fs::perms::others_exec);
  }
}
