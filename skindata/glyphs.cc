#include "skindata/glyphs.h"

#include <cctype>
#include <sstream>
#include <vector>

namespace {

constexpr float kGlyphWidth = 4.f;
constexpr float kGlyphHeight = 6.f;
constexpr float kAdvance = 5.5f;
constexpr float kSpaceAdvance = 3.5f;

// Polylines as x y pairs on the 4 by 6 grid (y downwards); '|' starts a
// new stroke.
struct Glyph {
  char c;
  const char* strokes;
};
const Glyph kGlyphs[] = {
    {'A', "0 6 0 2 2 0 4 2 4 6|0 4 4 4"},
    {'B', "0 6 0 0 3 0 4 1 4 2 3 3 0 3|3 3 4 4 4 5 3 6 0 6"},
    {'C', "4 1 3 0 1 0 0 1 0 5 1 6 3 6 4 5"},
    {'D', "0 0 0 6 2 6 4 4 4 2 2 0 0 0"},
    {'E', "4 0 0 0 0 6 4 6|0 3 3 3"},
    {'F', "4 0 0 0 0 6|0 3 3 3"},
    {'G', "4 1 3 0 1 0 0 1 0 5 1 6 3 6 4 5 4 3 2 3"},
    {'H', "0 0 0 6|4 0 4 6|0 3 4 3"},
    {'I', "1 0 3 0|2 0 2 6|1 6 3 6"},
    {'J', "4 0 4 5 3 6 1 6 0 5"},
    {'K', "0 0 0 6|4 0 0 4|1 3 4 6"},
    {'L', "0 0 0 6 4 6"},
    {'M', "0 6 0 0 2 3 4 0 4 6"},
    {'N', "0 6 0 0 4 6 4 0"},
    {'O', "1 0 3 0 4 1 4 5 3 6 1 6 0 5 0 1 1 0"},
    {'P', "0 6 0 0 3 0 4 1 4 2 3 3 0 3"},
    {'Q', "1 0 3 0 4 1 4 5 3 6 1 6 0 5 0 1 1 0|2 4 4 6"},
    {'R', "0 6 0 0 3 0 4 1 4 2 3 3 0 3|2 3 4 6"},
    {'S', "4 1 3 0 1 0 0 1 0 2 1 3 3 3 4 4 4 5 3 6 1 6 0 5"},
    {'T', "0 0 4 0|2 0 2 6"},
    {'U', "0 0 0 5 1 6 3 6 4 5 4 0"},
    {'V', "0 0 2 6 4 0"},
    {'W', "0 0 1 6 2 3 3 6 4 0"},
    {'X', "0 0 4 6|4 0 0 6"},
    {'Y', "0 0 2 3 4 0|2 3 2 6"},
    {'Z', "0 0 4 0 0 6 4 6"},
    {'0', "1 0 3 0 4 1 4 5 3 6 1 6 0 5 0 1 1 0|3 1 1 5"},
    {'1', "1 1 2 0 2 6|1 6 3 6"},
    {'2', "0 1 1 0 3 0 4 1 4 2 0 6 4 6"},
    {'3', "0 1 1 0 3 0 4 1 4 2 3 3 4 4 4 5 3 6 1 6 0 5|1 3 3 3"},
    {'4', "3 6 3 0 0 4 4 4"},
    {'5', "4 0 0 0 0 3 3 3 4 4 4 5 3 6 0 6"},
    {'6', "3 0 1 0 0 1 0 5 1 6 3 6 4 5 4 4 3 3 0 3"},
    {'7', "0 0 4 0 1 6"},
    {'8', "1 3 0 2 0 1 1 0 3 0 4 1 4 2 3 3 1 3 0 4 0 5 1 6 3 6 4 5 4 4 3 3"},
    {'9', "4 3 1 3 0 2 0 1 1 0 3 0 4 1 4 5 3 6 1 6"},
    {'+', "2 1 2 5|0 3 4 3"},
    {'-', "0.5 3 3.5 3"},
    {'/', "0.5 6 3.5 0"},
    {'.', "2 6 2 6"},
    {'&', "4 6 1 2 1 1 2 0 3 1 3 2 0 4 0 5 1 6 2 6 4 4"},
};

const char* glyph_strokes(char c) {
  for (const Glyph& g : kGlyphs) {
    if (g.c == c) return g.strokes;
  }
  return "";
}

struct Segment {
  Vec a, b;
};

std::vector<std::vector<Vec>> parse_strokes(const char* text) {
  std::vector<std::vector<Vec>> strokes;
  std::istringstream all(text);
  std::string part;
  while (std::getline(all, part, '|')) {
    std::istringstream in(part);
    std::vector<Vec> stroke;
    for (Vec v; in >> v.x >> v.y;) stroke.push_back(v);
    strokes.push_back(stroke);
  }
  return strokes;
}

float advance_of(char c) {
  return c == ' ' ? kSpaceAdvance : kAdvance;
}

void add_glyph(std::vector<Segment>& out, char c, Vec origin, float unit) {
  for (const auto& stroke : parse_strokes(glyph_strokes(c))) {
    for (size_t i = 0; i < stroke.size(); ++i) {
      Vec a = origin + stroke[i > 0 ? i - 1 : 0] * unit;
      out.push_back(Segment{a, origin + stroke[i] * unit});
    }
  }
}

std::vector<Segment> layout_text(const std::string& text, Vec top_left, float unit) {
  std::vector<Segment> segments;
  Vec pen = top_left;
  for (char raw : text) {
    char c = static_cast<char>(std::toupper(static_cast<unsigned char>(raw)));
    add_glyph(segments, c, pen, unit);
    pen.x += advance_of(c) * unit;
  }
  return segments;
}

}  // namespace

float text_width(const std::string& text, float height) {
  float units = 0;
  for (char c : text) units += advance_of(c);
  if (!text.empty()) units -= kAdvance - kGlyphWidth;
  return units * height / kGlyphHeight;
}

void draw_text(Canvas& canvas, const std::string& text, Vec centre, float height,
               const Paint& paint, float weight) {
  float unit = height / kGlyphHeight;
  Vec top_left{centre.x - text_width(text, height) / 2, centre.y - height / 2};
  std::vector<Segment> segments = layout_text(text, top_left, unit);
  float half = std::max(0.5f, height * weight / 2);
  Box box{top_left.x - half, top_left.y - half, top_left.x + text_width(text, height) + half,
          top_left.y + height + half};
  fill_sdf(
      canvas, box,
      [&](Vec p) {
        float d = 1e9f;
        for (const Segment& s : segments) d = std::min(d, sd_segment(p, s.a, s.b, half));
        return d;
      },
      paint);
}
