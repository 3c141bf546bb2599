#include "skindata/drawing.h"

namespace {

float clamp01(float v) {
  return std::clamp(v, 0.f, 1.f);
}

float linear_position(const Paint& paint, Vec p) {
  Vec d = paint.p1 - paint.p0;
  float len2 = d.x * d.x + d.y * d.y;
  if (len2 <= 0.f) return 0.f;
  Vec q = p - paint.p0;
  return clamp01((q.x * d.x + q.y * d.y) / len2);
}

}  // namespace

Paint solid(Color c) {
  return Paint{Paint::kSolid, c, c, {}, {}, 1.f};
}

Paint vertical(Color top, Color bottom, float y0, float y1) {
  return Paint{Paint::kLinear, top, bottom, Vec{0, y0}, Vec{0, y1}, 1.f};
}

Paint horizontal(Color left, Color right, float x0, float x1) {
  return Paint{Paint::kLinear, left, right, Vec{x0, 0}, Vec{x1, 0}, 1.f};
}

Paint radial(Color inner, Color outer, Vec c, float radius) {
  return Paint{Paint::kRadial, inner, outer, c, c, radius};
}

Color paint_at(const Paint& paint, Vec p) {
  switch (paint.kind) {
    case Paint::kLinear:
      return mixed(paint.from, paint.to, linear_position(paint, p));
    case Paint::kRadial:
      return mixed(paint.from, paint.to, clamp01(length(p - paint.p0) / paint.radius));
    default:
      return paint.from;
  }
}

void fill_box(Canvas& canvas, Box b, float radius, const Paint& paint) {
  fill_sdf(
      canvas, b, [&](Vec p) { return sd_round_box(p, b, radius); }, paint);
}

void stroke_box(Canvas& canvas, Box b, float radius, const Paint& paint, float width) {
  stroke_sdf(
      canvas, b, [&](Vec p) { return sd_round_box(p, b, radius); }, paint, width);
}

void fill_circle(Canvas& canvas, Vec c, float r, const Paint& paint) {
  fill_sdf(
      canvas, around(c, r), [&](Vec p) { return sd_circle(p, c, r); }, paint);
}

void stroke_circle(Canvas& canvas, Vec c, float r, const Paint& paint, float width) {
  stroke_sdf(
      canvas, around(c, r), [&](Vec p) { return sd_circle(p, c, r); }, paint, width);
}

void draw_line(Canvas& canvas, Vec a, Vec b, float width, const Paint& paint) {
  Box box = inset(bounds_of({a, b}), -width);
  fill_sdf(
      canvas, box, [&](Vec p) { return sd_segment(p, a, b, width / 2); }, paint);
}

void draw_polyline(Canvas& canvas, const std::vector<Vec>& pts, float width, const Paint& paint) {
  Box box = inset(bounds_of(pts), -width);
  fill_sdf(
      canvas, box, [&](Vec p) { return sd_polyline(p, pts, width / 2); }, paint);
}

void fill_polygon(Canvas& canvas, const std::vector<Vec>& pts, const Paint& paint) {
  fill_sdf(
      canvas, bounds_of(pts), [&](Vec p) { return sd_polygon(p, pts); }, paint);
}

void draw_arc(Canvas& canvas, Vec c, float r, float from, float to, float width,
              const Paint& paint) {
  Box box = around(c, r + width);
  fill_sdf(
      canvas, box, [&](Vec p) { return sd_arc(p, c, r, from, to, width / 2); }, paint);
}

void drop_shadow(Canvas& canvas, Box b, float radius, float blur, float alpha) {
  Box low = offset(b, 0, blur * 0.5f);
  fill_sdf(
      canvas, inset(low, -blur), [&](Vec p) { return sd_round_box(p, low, radius); },
      solid(Color{0, 0, 0, alpha}), blur * 2);
}

void glow(Canvas& canvas, Vec c, float r, float spread, Color colour) {
  fill_sdf(
      canvas, around(c, r + spread), [&](Vec p) { return sd_circle(p, c, r); }, solid(colour),
      spread * 2);
}

Box bounds_of(const std::vector<Vec>& pts) {
  Box b{1e9f, 1e9f, -1e9f, -1e9f};
  for (Vec p : pts) {
    b = Box{std::min(b.x0, p.x), std::min(b.y0, p.y), std::max(b.x1, p.x), std::max(b.y1, p.y)};
  }
  return b;
}

Box canvas_box(const Canvas& canvas) {
  return Box{0, 0, static_cast<float>(canvas.width), static_cast<float>(canvas.height)};
}
