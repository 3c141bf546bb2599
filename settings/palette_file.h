// Palette files: colours that people keep for their desktops and drawing
// tools, taken as the skin's four section colours and its selection colour.
//
// Four kinds of file are read, each by content first (the file name's
// extension only decides which reason a file that matches none is given):
//   base16 / base24  YAML, the flat form ("scheme: ...", "base00: 181818")
//                    and the newer one ("system: base16", "name: ...", then
//                    "palette:" with indented "base00: #181818" lines)
//   pywal            colors.json as pywal and wallust write it
//   GIMP             .gpl, "GIMP Palette" on the first line
//   hex list         one colour code a line: #RRGGBB, #RGB or a bare
//                    RRGGBB; blank lines and lines beginning with "//", ";"
//                    or "# " are skipped, and a blank after a code may be
//                    followed by a name
// Files are UTF-8 (a byte order mark is skipped), with LF or CRLF line
// endings. Every reader is bounded: any bytes give a palette or a reason,
// in time linear in their length, with no terminator assumed.
#ifndef SKINBUILDER_SETTINGS_PALETTE_FILE_H_
#define SKINBUILDER_SETTINGS_PALETTE_FILE_H_

#include <array>
#include <cstddef>
#include <string>

#include "settings/skin_settings.h"

enum class PaletteFormat { kBase16, kBase24, kPywal, kGimp, kHexList };

struct PaletteColor {
  int red = 0;  // 0 to 255 each
  int green = 0;
  int blue = 0;
};

// The colours a palette gives, in this order: CS1 generators, CS2
// modulators, CS3 effects, CS4 globals, the selection colour.
constexpr int kPaletteColors = 5;
constexpr int kPaletteSelection = 4;

struct Palette {
  std::string name;  // the scheme's own name, else the file's name without
                     // its extension; printable, at most kPaletteNameSize bytes
  PaletteFormat format = PaletteFormat::kHexList;
  std::array<PaletteColor, kPaletteColors> colors{};
};

constexpr size_t kPaletteNameSize = 64;

// Either a palette (usable) or why the file cannot be used: one short line
// of printable ASCII with no full stop at its end, to be shown as
// "<file> cannot be used: <reason>."
struct PaletteRead {
  bool usable = false;
  Palette palette;
  std::string reason;
};

// Larger files are refused unread: no palette comes near it.
constexpr size_t kPaletteReadLimit = 1024 * 1024;

// Reads a palette from a file's bytes; file_name (a bare name or a path,
// "/" or "\" between its parts) gives the name when the file holds none,
// and its extension the reason when the content is no palette.
PaletteRead read_palette_bytes(const char* bytes, size_t size, const std::string& file_name);

// The same for a file; path in the local form (platform/native_path.h).
// Only a regular file of at most kPaletteReadLimit bytes is read.
PaletteRead read_palette_file(const std::string& path);

// The label shown in brackets after the palette's name in the design menu:
// "base16", "base24", "pywal", "GIMP" or "hex list".
const char* palette_format_label(PaletteFormat format);

// Sets the four section colours and the selection colour from the palette
// and makes the design CUSTOM multicolour; every other field stays as the
// caller set it.
void apply_palette(const Palette& palette, SkinSettings& settings);

// Whether a file in Presets may be a palette, by its extension (.yaml,
// .yml, .json, .gpl, .txt, .hex, in any letter case). Presets themselves
// never are.
bool is_palette_candidate(const std::string& file_name);

// How each format's colours become the skin's, a few lines for --help and
// the README, each ending in a newline.
std::string palette_mapping_text();

#endif  // SKINBUILDER_SETTINGS_PALETTE_FILE_H_
