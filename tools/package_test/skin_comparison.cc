#include "tools/package_test/skin_comparison.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

int hex_value(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool is_colour_code(const std::string& word) {
  if (word.size() != 6 && word.size() != 8) return false;
  return std::all_of(word.begin(), word.end(), [](char c) { return hex_value(c) >= 0; });
}

bool is_word_character(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Words of letters and digits, and every other character on its own, so
// that a colour code is a word whatever stands around it.
std::vector<std::string> tokens_of(const std::string& line) {
  std::vector<std::string> tokens;
  for (size_t start = 0; start < line.size();) {
    size_t end = start + 1;
    if (is_word_character(line[start])) {
      while (end < line.size() && is_word_character(line[end])) ++end;
    }
    tokens.push_back(line.substr(start, end - start));
    start = end;
  }
  return tokens;
}

// The lines of a text, a CR before the LF not counted.
std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> lines;
  for (size_t start = 0; start < text.size();) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

int channel_difference(const unsigned char* a, const unsigned char* b) {
  return std::max({std::abs(a[0] - b[0]), std::abs(a[1] - b[1]), std::abs(a[2] - b[2])});
}

}  // namespace

int colour_code_difference(const std::string& a, const std::string& b) {
  if (!is_colour_code(a) || a.size() != b.size() || !is_colour_code(b)) return -1;
  int largest = 0;
  for (size_t i = 0; i < a.size(); i += 2) {
    int channel_a = hex_value(a[i]) * 16 + hex_value(a[i + 1]);
    int channel_b = hex_value(b[i]) * 16 + hex_value(b[i + 1]);
    largest = std::max(largest, std::abs(channel_a - channel_b));
  }
  return largest;
}

int script_line_difference(const std::string& a, const std::string& b) {
  if (a == b) return 0;
  std::vector<std::string> tokens_a = tokens_of(a), tokens_b = tokens_of(b);
  if (tokens_a.size() != tokens_b.size()) return -1;
  int largest = 0;
  for (size_t i = 0; i < tokens_a.size(); ++i) {
    if (tokens_a[i] == tokens_b[i]) continue;
    int difference = colour_code_difference(tokens_a[i], tokens_b[i]);
    if (difference < 0) return -1;
    largest = std::max(largest, difference);
  }
  return largest;
}

ScriptDifference compare_scripts(const std::string& a, const std::string& b) {
  std::vector<std::string> lines_a = lines_of(a), lines_b = lines_of(b);
  ScriptDifference result;
  for (size_t i = 0; i < std::max(lines_a.size(), lines_b.size()); ++i) {
    int difference = i < lines_a.size() && i < lines_b.size()
                         ? script_line_difference(lines_a[i], lines_b[i])
                         : -1;
    if (difference < 0) {
      result.first_other_line = static_cast<int>(i) + 1;
      return result;
    }
    result.largest_colour = std::max(result.largest_colour, difference);
  }
  return result;
}

PixelDifference compare_pixels(const PngPixels& a, const PngPixels& b) {
  PixelDifference result;
  if (a.width != b.width || a.height != b.height || a.rgba.size() != b.rgba.size()) {
    result.same_size = false;
    return result;
  }
  for (size_t i = 0; i + 3 < a.rgba.size(); i += 4) {
    const unsigned char* pixel_a = &a.rgba[i];
    const unsigned char* pixel_b = &b.rgba[i];
    result.largest_alpha = std::max(result.largest_alpha, std::abs(pixel_a[3] - pixel_b[3]));
    if (pixel_a[3] == 0 && pixel_b[3] == 0) continue;
    result.largest_colour = std::max(result.largest_colour, channel_difference(pixel_a, pixel_b));
  }
  return result;
}
