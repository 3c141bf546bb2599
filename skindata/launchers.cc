#include "skindata/launchers.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "platform/image_tools.h"

namespace fs = std::filesystem;

namespace {

// The first executable of that name on PATH outside skip_dir, or "".
std::string find_on_path(const std::string& name, const fs::path& skip_dir) {
  const char* path = std::getenv("PATH");
  std::string dirs = path != nullptr ? path : "";
  std::error_code ignored;
  size_t start = 0;
  while (start <= dirs.size()) {
    size_t end = dirs.find(':', start);
    if (end == std::string::npos) end = dirs.size();
    fs::path dir = dirs.substr(start, end - start);
    if (dir.empty()) dir = ".";
    fs::path candidate = dir / name;
    if (!fs::equivalent(dir, skip_dir, ignored) && access(candidate.c_str(), X_OK) == 0) {
      return fs::absolute(candidate).string();
    }
    start = end + 1;
  }
  return "";
}

// mogrify would stamp every file it rewrites with the time of day; leaving
// those chunks out makes two builds of the same skin the same bytes.
std::string tool_options(const std::string& tool) {
  return tool == "mogrify" ? std::string(kMogrifyOptions) + " " : "";
}

// The search at run time, for when the tool found at generation is gone.
std::string search_text(const std::string& tool) {
  return "if command -v magick >/dev/null 2>&1; then\n"
         "  exec magick " +
         tool + " " + tool_options(tool) +
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
         tool + "\" " + tool_options(tool) +
         "\"$@\"\n"
         "  fi\n"
         "done\n"
         "echo \"" +
         tool +
         ": ImageMagick is not installed\" >&2\n"
         "exit 127\n";
}

void write_file(const fs::path& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  out.close();
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace

std::string find_image_tool(const std::string& tool, const std::string& skip_dir) {
  std::string magick = find_on_path("magick", skip_dir);
  if (!magick.empty()) return magick + " " + tool;
  return find_on_path(tool, skip_dir);
}

std::string launcher_text(const std::string& tool, const std::string& found) {
  std::string text =
      "#!/bin/sh\n"
      "# ImageMagick's " +
      tool +
      " for the skin builder. The tool found when this\n"
      "# folder was made comes first: the builder starts it for every image\n"
      "# command, so the launcher does no search while that tool is there.\n";
  if (!found.empty()) {
    std::string program = found.substr(0, found.find(' '));
    text += "[ -x " + program + " ] && exec " + found + " " + tool_options(tool) + "\"$@\"\n";
  }
  return text + search_text(tool);
}

void write_launchers(const std::string& dir) {
  for (const std::string tool : {"mogrify", "identify"}) {
    fs::path path = fs::path(dir) / tool;
    write_file(path, launcher_text(tool, find_image_tool(tool, dir)));
    fs::permissions(path, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                              fs::perms::others_read | fs::perms::others_exec);
  }
}
