// The image tools of the skindata folder: small shell launchers. A skindata
// that goes to Windows has none: the program finds ImageMagick there
// itself (platform/image_tools.h), since nothing but cmd.exe could run a
// script and the program starts no cmd.exe.
//
// The skin builder calls its two image tools as skindata/mogrify and
// skindata/identify. Each launcher runs the system's ImageMagick: IM 7's
// "magick mogrify" / "magick identify" where the magick program exists,
// else IM 6's tool of the same name found on PATH (never its own folder,
// so a PATH that holds skindata cannot make it call itself). The tool is
// looked up when the folder is generated, because a search in the shell
// costs more than many a small image command. Arguments go through
// unchanged; ImageMagick expands the quoted wildcards itself. What makes
// ImageMagick 7 keep transparency the program adds, having asked the
// launcher for its version.
#ifndef SKINBUILDER_SKINDATA_LAUNCHERS_H_
#define SKINBUILDER_SKINDATA_LAUNCHERS_H_

#include <string>

// The system's tool as a launcher runs it: "/usr/bin/magick mogrify" where
// IM 7's magick is on PATH, else "/usr/bin/mogrify"; "" when neither is.
// PATH entries that are skip_dir (the launchers' own folder) are passed over.
std::string find_image_tool(const std::string& tool, const std::string& skip_dir);

// The script text for tool "mogrify" or "identify": found (as given by
// find_image_tool) when it is there, else a search of PATH at run time.
std::string launcher_text(const std::string& tool, const std::string& found);
// Writes both launchers into dir, executable (mode 755). Throws
// std::runtime_error when a file cannot be written.
void write_launchers(const std::string& dir);

#endif  // SKINBUILDER_SKINDATA_LAUNCHERS_H_
