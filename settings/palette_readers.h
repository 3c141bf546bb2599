// The readers behind settings/palette_file.h, one per format, and the text
// helpers they share. A reader takes what the file says; which of its
// colours the skin gets is decided afterwards, in one table
// (settings/palette_file.cc).
#ifndef SKINBUILDER_SETTINGS_PALETTE_READERS_H_
#define SKINBUILDER_SETTINGS_PALETTE_READERS_H_

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "settings/palette_file.h"

// What a reader found.
struct PaletteSource {
  PaletteFormat format = PaletteFormat::kHexList;
  std::string name;  // as the file gives it; empty when it gives none
  // The colours by their key ("base0D", "color4"), for the formats whose
  // keys carry a meaning; a key given twice counts with its last value.
  std::vector<std::pair<std::string, PaletteColor>> keyed;
  // The colours in file order, for the formats whose keys carry none.
  std::vector<PaletteColor> ordered;
  std::string reason;  // not empty: the file cannot be used, and why
};

// The next line of rest, without its LF or CRLF; false at the end.
bool next_line(std::string_view& rest, std::string_view& line);

// Without leading and trailing blanks (spaces and tabs).
std::string_view trimmed(std::string_view text);

// 0 to 15 for a hexadecimal digit in either case, -1 for any other byte.
int hex_digit_value(char c);

// The text is a colour code: #RRGGBB, #RGB or a bare RRGGBB, in any case.
bool parse_color_code(std::string_view code, PaletteColor& color);

// A value as a reason quotes it: in double quotes, cut after 24 bytes,
// every byte outside printable ASCII as "?".
std::string in_quotes(std::string_view text);

// "line N: " for the reasons that point at a line.
std::string line_reason(int number, const std::string& what);

// base16 and base24 YAML.
bool looks_like_scheme_yaml(std::string_view text);
PaletteSource read_scheme_yaml(std::string_view text);

// pywal's colors.json; text begins with "{" after blanks.
PaletteSource read_colors_json(std::string_view text);

// GIMP's .gpl; text's first line is the header.
bool has_gimp_header(std::string_view text);
PaletteSource read_gimp_palette(std::string_view text);

// One colour code a line.
bool starts_with_color_code(std::string_view text);
PaletteSource read_hex_list(std::string_view text);

#endif  // SKINBUILDER_SETTINGS_PALETTE_READERS_H_
