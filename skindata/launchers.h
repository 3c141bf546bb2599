// The image tools of the skindata folder: small shell launchers.
//
// The skin builder calls its two image tools as skindata/mogrify and
// skindata/identify. Each launcher runs the system's ImageMagick: IM 7's
// "magick mogrify" / "magick identify" where the magick program exists,
// else IM 6's tool of the same name found on PATH (never its own folder,
// so a PATH that holds skindata cannot make it call itself). Arguments go
// through unchanged; ImageMagick expands the quoted wildcards itself.
#ifndef SKINBUILDER_SKINDATA_LAUNCHERS_H_
#define SKINBUILDER_SKINDATA_LAUNCHERS_H_

#include <string>

// The script text for tool "mogrify" or "identify".
std::string launcher_text(const std::string& tool);
// Writes both launchers into dir, executable (mode 755). Throws
// std::runtime_error when a file cannot be written.
void write_launchers(const std::string& dir);

#endif  // SKINBUILDER_SKINDATA_LAUNCHERS_H_
