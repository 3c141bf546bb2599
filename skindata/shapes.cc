#include "skindata/shapes.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float kPi = 3.14159265358979f;

float dot(Vec a, Vec b) {
  return a.x * b.x + a.y * b.y;
}

float segment_distance(Vec p, Vec a, Vec b) {
  Vec pa = p - a, ba = b - a;
  float len2 = dot(ba, ba);
  float t = len2 > 0.f ? std::clamp(dot(pa, ba) / len2, 0.f, 1.f) : 0.f;
  return length(pa - ba * t);
}

bool angle_between(float a, float from, float to) {
  while (a < from) a += 360.f;
  while (a >= from + 360.f) a -= 360.f;
  return a <= to;
}

}  // namespace

float length(Vec v) {
  return std::sqrt(v.x * v.x + v.y * v.y);
}

Vec polar(Vec c, float r, float degrees) {
  float rad = degrees * kPi / 180.f;
  return Vec{c.x + r * std::sin(rad), c.y - r * std::cos(rad)};
}

float angle_of(Vec p, Vec c) {
  return std::atan2(p.x - c.x, c.y - p.y) * 180.f / kPi;
}

Box inset(Box b, float d) {
  return Box{b.x0 + d, b.y0 + d, b.x1 - d, b.y1 - d};
}
Box offset(Box b, float dx, float dy) {
  return Box{b.x0 + dx, b.y0 + dy, b.x1 + dx, b.y1 + dy};
}
Box around(Vec c, float r) {
  return Box{c.x - r, c.y - r, c.x + r, c.y + r};
}
float box_width(Box b) {
  return b.x1 - b.x0;
}
float box_height(Box b) {
  return b.y1 - b.y0;
}
Vec centre_of(Box b) {
  return Vec{(b.x0 + b.x1) / 2, (b.y0 + b.y1) / 2};
}

float sd_circle(Vec p, Vec c, float r) {
  return length(p - c) - r;
}

float sd_round_box(Vec p, Box b, float radius) {
  Vec c = centre_of(b);
  float hx = box_width(b) / 2 - radius, hy = box_height(b) / 2 - radius;
  float qx = std::abs(p.x - c.x) - hx, qy = std::abs(p.y - c.y) - hy;
  float outside = length(Vec{std::max(qx, 0.f), std::max(qy, 0.f)});
  return outside + std::min(std::max(qx, qy), 0.f) - radius;
}

float sd_segment(Vec p, Vec a, Vec b, float half_width) {
  return segment_distance(p, a, b) - half_width;
}

float sd_arc(Vec p, Vec c, float r, float from, float to, float half_width) {
  if (angle_between(angle_of(p, c), from, to)) return std::abs(length(p - c) - r) - half_width;
  float to_start = length(p - polar(c, r, from));
  float to_end = length(p - polar(c, r, to));
  return std::min(to_start, to_end) - half_width;
}

float sd_polygon(Vec p, const std::vector<Vec>& pts) {
  float d = 1e9f;
  bool inside = false;
  for (size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++) {
    d = std::min(d, segment_distance(p, pts[j], pts[i]));
    Vec a = pts[j], b = pts[i];
    if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x) {
      inside = !inside;
    }
  }
  return inside ? -d : d;
}

float sd_polyline(Vec p, const std::vector<Vec>& pts, float half_width) {
  float d = 1e9f;
  for (size_t i = 1; i < pts.size(); ++i) d = std::min(d, segment_distance(p, pts[i - 1], pts[i]));
  if (pts.size() == 1) d = length(p - pts[0]);
  return d - half_width;
}
