// The two image tools that command lines name as ".\skindata\mogrify" and
// ".\skindata\identify", found as a user has them.
//
// In this order:
//   1. an executable of that name in skindata ("mogrify", on Windows
//      "mogrify.exe"): a launcher, or a tool put there by hand, which gets
//      the line's words as they are;
//   2. ImageMagick 7's magick, as "magick mogrify" and "magick identify":
//      from PATH, then (on Windows) from where ImageMagick's installer put
//      it (its registry key, its ImageMagick-7* folders under Program
//      Files);
//   3. mogrify and identify of ImageMagick 6 or 7 from PATH.
// A tool found in 2 or 3 gets kMogrifyOptions before the line's words, as
// the skindata launchers add them.
//
// ImageMagick 7's mogrify differs from 6 in two ways that show in a skin,
// so a mogrify that says it is version 7, wherever it was found, is told
// to act like 6. Each -modulate and -brightness-contrast of the line is
// wrapped in kImageMagick7Before and kImageMagick7After:
//   - 7 changes transparency where 6 leaves it alone (-brightness-contrast
//     lowers opaque pixels' alpha and raises clear ones'): the operations
//     treat the colour channels only;
//   - 7 keeps values beyond black and white from one operation to the next
//     (its pixels are floating point), where 6 cuts them off after each: a
//     brightness or saturation above 100% followed by a contrast change
//     comes out up to 15 steps lighter. The values are cut off after each
//     operation (7's -clamp does nothing in mogrify).
// The channels are set back afterwards, so that the user's own advanced
// options act on the channels they would act on by default.
//
// The tool's version is what it prints for -version, asked once per run
// (and again when the program file changes).
#ifndef SKINBUILDER_PLATFORM_IMAGE_TOOLS_H_
#define SKINBUILDER_PLATFORM_IMAGE_TOOLS_H_

#include <string>
#include <vector>

// The options every mogrify run takes before the command's own: leaving out
// the time stamps makes two builds of a skin the same bytes.
extern const char kMogrifyOptions[];
// What makes ImageMagick 7's mogrify keep transparency as 6 does, and cut
// off values beyond black and white as 6 does, around an operation.
extern const char kImageMagick7Before[];
extern const char kImageMagick7After[];

enum class ImageToolKind { kNone, kMogrify, kIdentify };

// Which tool a command's first word names (".\skindata\mogrify" in any
// letter case), kNone for any other word.
ImageToolKind image_tool_named(const std::string& word);

struct ImageTool {
  ImageToolKind kind = ImageToolKind::kNone;
  std::string program;               // the executable, local form; empty: none found
  std::vector<std::string> leading;  // words before the line's own
  // Where it was found, its path as the system writes it: "skindata/mogrify",
  // "magick at C:\Program Files\ImageMagick-7.1.1-Q16-HDRI\magick.exe".
  std::string found_as;
  std::string version;       // e.g. "ImageMagick 7.0.8-58 Q16 x64 ...", or empty
  int major_version = 0;     // 6 or 7; 0 when it printed no version
  bool in_skindata = false;  // found as 1. above
  bool found() const { return !program.empty(); }
  // Where it was found and, when it said, its version, for messages.
  std::string description() const { return version.empty() ? found_as : found_as + ", " + version; }
};

// The tool as it is found now (see above), with its version.
ImageTool find_image_tool(ImageToolKind kind);

// The words that start the tool for a line: the program, the leading words,
// the options for its version, then the line's own words.
std::vector<std::string> image_tool_command(const ImageTool& tool,
                                            const std::vector<std::string>& words);

// "ImageMagick 7.0.8-58 Q16 x64 2019-07-30" from the text of -version
// (the rest of its "Version: " line, without the web address that ends
// it), and its major version; empty and 0 when it holds none.
std::string version_from_text(const std::string& text, int* major_version);

// Where the system keeps ImageMagick 7 apart from PATH (Windows: its
// registry key and Program Files folders; nothing elsewhere), as folders
// that may hold magick.
std::vector<std::string> imagemagick_install_folders();

// What a user without any ImageMagick is told, in one line: how to get the
// one this system offers (Windows: ImageMagick 7 from its download page;
// elsewhere the system's package), ending "then start the program again.".
const char* no_imagemagick_advice();

// The file name of a program as the system starts it ("mogrify.exe" on
// Windows).
std::string executable_file_name(const std::string& name);

#endif  // SKINBUILDER_PLATFORM_IMAGE_TOOLS_H_
