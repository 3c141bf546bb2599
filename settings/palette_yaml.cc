// base16 and base24 schemes: YAML files whose keys base00 to base0F (base24
// adds base10 to base17) hold colour codes. Only what a scheme needs of
// YAML is read, line by line: "key: value" with the value plain, in double
// quotes or in single quotes, and comments. The flat form puts every key at
// the left margin; the newer one indents the colours under "palette:".
#include <cstddef>
#include <string>
#include <string_view>

#include "settings/palette_readers.h"

namespace {

struct YamlLine {
  bool top_level = false;  // at the left margin
  std::string_view key;
  std::string_view rest;  // the value's text, still quoted
};

// A line that holds "key:" and, after a blank, its value. Comments and
// lines of other forms hold no key.
bool parse_yaml_line(std::string_view line, YamlLine& parsed) {
  std::string_view text = trimmed(line);
  if (text.empty() || text.front() == '#') return false;
  size_t colon = text.find(':');
  if (colon == std::string_view::npos) return false;
  std::string_view after = text.substr(colon + 1);
  if (!after.empty() && after.front() != ' ' && after.front() != '\t') return false;
  parsed.top_level = line.front() != ' ' && line.front() != '\t';
  parsed.key = trimmed(text.substr(0, colon));
  parsed.rest = trimmed(after);
  return true;
}

// A double-quoted value: a backslash takes the next byte as it is.
std::string double_quoted(std::string_view text) {
  std::string value;
  for (size_t i = 1; i < text.size() && text[i] != '"'; ++i) {
    if (text[i] == '\\' && i + 1 < text.size()) ++i;
    value += text[i];
  }
  return value;
}

// A single-quoted value: two quotes stand for one.
std::string single_quoted(std::string_view text) {
  std::string value;
  for (size_t i = 1; i < text.size(); ++i) {
    if (text[i] == '\'' && (i + 1 == text.size() || text[i + 1] != '\'')) break;
    if (text[i] == '\'') ++i;
    value += text[i];
  }
  return value;
}

// The value of a line. A plain value ends where a comment begins (a "#"
// after a blank); one that begins with "#" is a colour code here, as
// schemes written by hand put it, not the empty value YAML would read.
std::string yaml_value(std::string_view rest) {
  if (rest.empty()) return std::string();
  if (rest.front() == '"') return double_quoted(rest);
  if (rest.front() == '\'') return single_quoted(rest);
  size_t comment = rest.find(" #");
  size_t tab_comment = rest.find("\t#");
  if (tab_comment < comment) comment = tab_comment;
  return std::string(trimmed(rest.substr(0, comment)));
}

// A scheme's colour key, base00 to base17, written as the mapping names it
// ("base0D"), whatever the case of its digits; empty for any other key.
std::string scheme_key(std::string_view key) {
  if (key.size() != 6 || key.substr(0, 4) != "base") return std::string();
  int high = hex_digit_value(key[4]);
  int low = hex_digit_value(key[5]);
  if (high < 0 || high > 1 || low < 0 || (high == 1 && low > 7)) return std::string();
  const char digits[] = "0123456789ABCDEF";
  return std::string("base") + digits[high] + digits[low];
}

// Takes one key of a scheme. False, with the reason set, for a colour key
// whose value is no colour.
bool take_yaml_line(const YamlLine& line, PaletteSource& source) {
  std::string key = scheme_key(line.key);
  std::string value = yaml_value(line.rest);
  if (key.empty()) {
    bool named = line.key == "scheme" || line.key == "name";
    if (line.top_level && named) source.name = value;
    if (line.top_level && line.key == "system" && value == "base24") {
      source.format = PaletteFormat::kBase24;
    }
    return true;
  }
  PaletteColor color;
  if (!parse_color_code(value, color)) {
    source.reason = key + " is not a colour: " + in_quotes(value);
    return false;
  }
  if (key[4] == '1') source.format = PaletteFormat::kBase24;
  source.keyed.emplace_back(key, color);
  return true;
}

}  // namespace

bool looks_like_scheme_yaml(std::string_view text) {
  std::string_view line;
  YamlLine parsed;
  while (next_line(text, line)) {
    if (!parse_yaml_line(line, parsed)) continue;
    if (!scheme_key(parsed.key).empty()) return true;
    if (parsed.top_level && (parsed.key == "scheme" || parsed.key == "system")) return true;
  }
  return false;
}

PaletteSource read_scheme_yaml(std::string_view text) {
  PaletteSource source;
  source.format = PaletteFormat::kBase16;
  std::string_view line;
  YamlLine parsed;
  while (next_line(text, line)) {
    if (parse_yaml_line(line, parsed) && !take_yaml_line(parsed, source)) return source;
  }
  if (source.keyed.empty()) source.reason = "no base00 to base0F keys";
  return source;
}
