#include "skindata/launchers.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "platform/image_tools.h"
#include "wizard/startup_check.h"

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

// Ends every line in CR LF, as cmd's own scripts are written.
std::string with_crlf(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
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

// Wine's cmd matches no quoted wildcard in "for /d", so the folder search
// steps into Program Files first. A variable that is not set, such as
// ProgramFiles(x86) on 32-bit Windows, reads as empty in a script.
std::string windows_launcher_text(const std::string& tool) {
  return with_crlf(
      "@echo off\n"
      "rem ImageMagick 7's " +
      tool +
      " for the skin builder: magick.exe from PATH, else from\n"
      "rem the installer's folder under Program Files.\n"
      "setlocal\n"
      "set \"MAGICK=\"\n"
      "for %%m in (magick.exe) do set \"MAGICK=%%~$PATH:m\"\n"
      "if not defined MAGICK call :look_in \"%ProgramFiles%\"\n"
      "if not defined MAGICK call :look_in \"%ProgramFiles(x86)%\"\n"
      "if not defined MAGICK goto missing\n"
      "\"%MAGICK%\" " +
      tool + " " + tool_options(tool) +
      "%*\n"
      "exit /b\n"
      ":missing\n"
      "echo " +
      kImageMagickNeededOnWindows +
      ">&2\n"
      "exit /b 9009\n"
      ":look_in\n"
      "if \"%~1\"==\"\" exit /b\n"
      "if not exist \"%~1\\\" exit /b\n"
      "pushd \"%~1\"\n"
      "for /d %%d in (ImageMagick-7*) do if exist \"%%d\\magick.exe\" set "
      "\"MAGICK=%~1\\%%d\\magick.exe\"\n"
      "popd\n"
      "exit /b\n");
}

void write_launchers(const std::string& dir, bool windows) {
  for (const std::string tool : {"mogrify", "identify"}) {
    if (windows) {
      write_file(fs::path(dir) / (tool + ".cmd"), windows_launcher_text(tool));
      continue;
    }
    fs::path path = fs::path(dir) / tool;
    write_file(path, launcher_text(tool, find_image_tool(tool, dir)));
    fs::permissions(path, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                              fs::perms::others_read | fs::perms::others_exec);
  }
}
