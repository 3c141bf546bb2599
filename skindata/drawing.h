// Filling shapes on a canvas: the primitives every drawing is built from.
//
// A shape is a signed distance function (shapes.h); fill_sdf walks the
// pixels of a bounding box, turns the distance at each pixel centre into
// coverage over a ramp of `edge` pixels (1 gives a crisp anti-aliased edge,
// more gives a soft shadow or glow) and lays the paint over the pixel.
#ifndef SKINBUILDER_SKINDATA_DRAWING_H_
#define SKINBUILDER_SKINDATA_DRAWING_H_

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "skindata/canvas.h"
#include "skindata/shapes.h"

// A flat colour, or a gradient from `from` at p0 to `to` at p1 (linear), or
// from `from` at p0 to `to` at distance `radius` (radial).
struct Paint {
  enum Kind { kSolid, kLinear, kRadial } kind = kSolid;
  Color from, to;
  Vec p0, p1;
  float radius = 1.f;
};

Paint solid(Color c);
Paint vertical(Color top, Color bottom, float y0, float y1);
Paint horizontal(Color left, Color right, float x0, float x1);
Paint radial(Color inner, Color outer, Vec c, float radius);
Color paint_at(const Paint& paint, Vec p);

template <class Sdf>
void fill_sdf(Canvas& canvas, Box bounds, Sdf sdf, const Paint& paint, float edge = 1.f) {
  int x0 = std::max(0, static_cast<int>(std::floor(bounds.x0 - edge)));
  int y0 = std::max(0, static_cast<int>(std::floor(bounds.y0 - edge)));
  int x1 = std::min(canvas.width, static_cast<int>(std::ceil(bounds.x1 + edge)) + 1);
  int y1 = std::min(canvas.height, static_cast<int>(std::ceil(bounds.y1 + edge)) + 1);
  for (int y = y0; y < y1; ++y) {
    for (int x = x0; x < x1; ++x) {
      Vec p{x + 0.5f, y + 0.5f};
      float coverage = std::clamp(0.5f - sdf(p) / edge, 0.f, 1.f);
      if (coverage > 0.f) blend_pixel(canvas, x, y, paint_at(paint, p), coverage);
    }
  }
}

// The outline of a shape: a band of `width` pixels centred on its edge.
template <class Sdf>
void stroke_sdf(Canvas& canvas, Box bounds, Sdf sdf, const Paint& paint, float width) {
  Box grown = inset(bounds, -width);
  fill_sdf(
      canvas, grown, [&](Vec p) { return std::abs(sdf(p)) - width / 2; }, paint);
}

void fill_box(Canvas& canvas, Box b, float radius, const Paint& paint);
void stroke_box(Canvas& canvas, Box b, float radius, const Paint& paint, float width);
void fill_circle(Canvas& canvas, Vec c, float r, const Paint& paint);
void stroke_circle(Canvas& canvas, Vec c, float r, const Paint& paint, float width);
void draw_line(Canvas& canvas, Vec a, Vec b, float width, const Paint& paint);
void draw_polyline(Canvas& canvas, const std::vector<Vec>& pts, float width, const Paint& paint);
void fill_polygon(Canvas& canvas, const std::vector<Vec>& pts, const Paint& paint);
void draw_arc(Canvas& canvas, Vec c, float r, float from, float to, float width,
              const Paint& paint);
// A blurred dark copy of a rounded box, offset downwards: the box floats.
void drop_shadow(Canvas& canvas, Box b, float radius, float blur, float alpha);
// A soft light around a circle.
void glow(Canvas& canvas, Vec c, float r, float spread, Color colour);

Box bounds_of(const std::vector<Vec>& pts);
Box canvas_box(const Canvas& canvas);

#endif  // SKINBUILDER_SKINDATA_DRAWING_H_
