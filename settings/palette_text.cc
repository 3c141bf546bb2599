// The text helpers the palette readers share.
#include <cstddef>
#include <string>
#include <string_view>

#include "settings/palette_readers.h"

namespace {

// The value of a few hexadecimal digits, or -1 when one is not.
int hex_value(std::string_view digits) {
  int value = 0;
  for (char c : digits) {
    int digit = hex_digit_value(c);
    if (digit < 0) return -1;
    value = value * 16 + digit;
  }
  return value;
}

bool is_blank(char c) {
  return c == ' ' || c == '\t';
}

constexpr size_t kQuotedBytes = 24;

}  // namespace

int hex_digit_value(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool next_line(std::string_view& rest, std::string_view& line) {
  if (rest.empty()) return false;
  size_t end = rest.find('\n');
  line = rest.substr(0, end);
  rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return true;
}

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && is_blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && is_blank(text.back())) text.remove_suffix(1);
  return text;
}

bool parse_color_code(std::string_view code, PaletteColor& color) {
  bool hash = !code.empty() && code.front() == '#';
  if (hash) code.remove_prefix(1);
  // #RGB stands for #RRGGBB: each digit doubled, as in CSS.
  int scale = code.size() == 3 && hash ? 17 : 1;
  size_t width = scale == 17 ? 1 : 2;
  if (code.size() != 3 * width) return false;
  int values[3];
  for (int i = 0; i < 3; ++i) {
    values[i] = hex_value(code.substr(i * width, width));
    if (values[i] < 0) return false;
  }
  color = PaletteColor{values[0] * scale, values[1] * scale, values[2] * scale};
  return true;
}

std::string in_quotes(std::string_view text) {
  std::string shown = "\"";
  for (size_t i = 0; i < text.size() && i < kQuotedBytes; ++i) {
    unsigned char c = static_cast<unsigned char>(text[i]);
    shown += c >= 0x20 && c < 0x7F ? static_cast<char>(c) : '?';
  }
  if (text.size() > kQuotedBytes) shown += "...";
  return shown + "\"";
}

std::string line_reason(int number, const std::string& what) {
  return "line " + std::to_string(number) + " " + what;
}
