// The image tools of the skindata folder: small shell launchers, or for a
// skindata that goes to Windows, small cmd scripts.
//
// The skin builder calls its two image tools as skindata/mogrify and
// skindata/identify. Each launcher runs the system's ImageMagick: IM 7's
// "magick mogrify" / "magick identify" where the magick program exists,
// else IM 6's tool of the same name found on PATH (never its own folder,
// so a PATH that holds skindata cannot make it call itself). The tool is
// looked up when the folder is generated, because a search in the shell
// costs more than many a small image command. Arguments go through
// unchanged; ImageMagick expands the quoted wildcards itself.
//
// On Windows the builder's ".\skindata\mogrify" reaches mogrify.cmd through
// PATHEXT. The scripts run ImageMagick 7 ("magick mogrify", with the same
// options as the shell launchers), whose installer puts it on PATH or at
// least in its folder under Program Files; they look for it at every run,
// since the folder is drawn on another machine. Without it they print the
// one line the builder's own start-up check prints and exit with cmd's
// "not found" status, 9009.
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
// A Windows launcher that finds no ImageMagick 7 prints the start-up
// check's own line, kImageMagickNeededOnWindows (wizard/startup_check.h).
// The cmd script for tool "mogrify" or "identify", lines ending in CR LF.
std::string windows_launcher_text(const std::string& tool);

// Writes both launchers into dir: the shell launchers, executable (mode
// 755), or with `windows` mogrify.cmd and identify.cmd. Throws
// std::runtime_error when a file cannot be written.
void write_launchers(const std::string& dir, bool windows);

#endif  // SKINBUILDER_SKINDATA_LAUNCHERS_H_
