// The palettes that are lists of colours with no meaning given to any:
// GIMP's .gpl and plain lists of colour codes.
#include <cstddef>
#include <string>
#include <string_view>

#include "settings/palette_readers.h"

namespace {

const char kGimpHeader[] = "GIMP Palette";

bool starts_with(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

bool is_digit(char c) {
  return c >= '0' && c <= '9';
}

// One amount of a GIMP colour line and the blanks after it; false when the
// text does not begin with 0 to 255 followed by a blank or the line's end.
// The value stops growing past 255, so no length of digits overflows it.
bool take_amount(std::string_view& text, int& amount) {
  if (text.empty() || !is_digit(text.front())) return false;
  amount = 0;
  while (!text.empty() && is_digit(text.front())) {
    if (amount <= 255) amount = amount * 10 + (text.front() - '0');
    text.remove_prefix(1);
  }
  if (!text.empty() && text.front() != ' ' && text.front() != '\t') return false;
  text = trimmed(text);
  return amount <= 255;
}

// "R G B" and an optional name, as GIMP writes a colour.
bool parse_gimp_color(std::string_view line, PaletteColor& color) {
  return take_amount(line, color.red) && take_amount(line, color.green) &&
         take_amount(line, color.blue);
}

// A line of a GIMP palette after the header: a colour, a setting or a
// comment. False, with the reason set, for anything else.
bool take_gimp_line(std::string_view line, int number, PaletteSource& source) {
  line = trimmed(line);
  if (line.empty() || line.front() == '#') return true;
  if (starts_with(line, "Name:")) {
    source.name = std::string(trimmed(line.substr(5)));
    return true;
  }
  if (starts_with(line, "Columns:") || starts_with(line, "Channels:")) return true;
  PaletteColor color;
  if (parse_gimp_color(line, color)) {
    source.ordered.push_back(color);
    return true;
  }
  source.reason = line_reason(number, "is not a colour: " + in_quotes(line));
  return false;
}

enum class ListLine { kSkipped, kColor, kNotColor };

// A line of a hex list: a code, perhaps followed by a blank and a name.
ListLine hex_list_line(std::string_view line, PaletteColor& color) {
  line = trimmed(line);
  if (line.empty() || starts_with(line, "//") || line.front() == ';') return ListLine::kSkipped;
  if (line == "#" || starts_with(line, "# ") || starts_with(line, "#\t")) return ListLine::kSkipped;
  std::string_view code = line.substr(0, line.find_first_of(" \t"));
  return parse_color_code(code, color) ? ListLine::kColor : ListLine::kNotColor;
}

}  // namespace

bool has_gimp_header(std::string_view text) {
  std::string_view line;
  return next_line(text, line) && trimmed(line) == kGimpHeader;
}

PaletteSource read_gimp_palette(std::string_view text) {
  PaletteSource source;
  source.format = PaletteFormat::kGimp;
  std::string_view line;
  next_line(text, line);
  for (int number = 2; next_line(text, line); ++number) {
    if (!take_gimp_line(line, number, source)) break;
  }
  return source;
}

bool starts_with_color_code(std::string_view text) {
  std::string_view line;
  PaletteColor color;
  while (next_line(text, line)) {
    ListLine kind = hex_list_line(line, color);
    if (kind != ListLine::kSkipped) return kind == ListLine::kColor;
  }
  return false;
}

PaletteSource read_hex_list(std::string_view text) {
  PaletteSource source;
  source.format = PaletteFormat::kHexList;
  std::string_view line;
  for (int number = 1; next_line(text, line); ++number) {
    PaletteColor color;
    ListLine kind = hex_list_line(line, color);
    if (kind == ListLine::kColor) source.ordered.push_back(color);
    if (kind != ListLine::kNotColor) continue;
    source.reason = line_reason(number, "is not a colour code: " + in_quotes(trimmed(line)));
    break;
  }
  return source;
}
