// Signed distances of the shapes the drawings are made of.
//
// Each function gives the distance in pixels from point p to the shape's
// edge: negative inside, positive outside. Filling with a one-pixel ramp
// around zero (drawing.h) gives anti-aliased edges; a wider ramp gives soft
// shadows and glows. Angles are in degrees, clockwise from 12 o'clock, as a
// knob turns.
#ifndef SKINBUILDER_SKINDATA_SHAPES_H_
#define SKINBUILDER_SKINDATA_SHAPES_H_

#include <vector>

struct Vec {
  float x = 0, y = 0;
};

struct Box {
  float x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};

inline Vec operator+(Vec a, Vec b) {
  return Vec{a.x + b.x, a.y + b.y};
}
inline Vec operator-(Vec a, Vec b) {
  return Vec{a.x - b.x, a.y - b.y};
}
inline Vec operator*(Vec a, float k) {
  return Vec{a.x * k, a.y * k};
}

float length(Vec v);
// The point at radius r and angle degrees around centre c.
Vec polar(Vec c, float r, float degrees);
// The angle of p around c, -180 to 180.
float angle_of(Vec p, Vec c);

Box inset(Box b, float d);
Box offset(Box b, float dx, float dy);
Box around(Vec c, float r);
float box_width(Box b);
float box_height(Box b);
Vec centre_of(Box b);

float sd_circle(Vec p, Vec c, float r);
float sd_round_box(Vec p, Box b, float radius);
// A stroke from a to b with round ends.
float sd_segment(Vec p, Vec a, Vec b, float half_width);
// A stroke along the circle of radius r from one angle to another
// (from < to), with round ends.
float sd_arc(Vec p, Vec c, float r, float from, float to, float half_width);
// A closed polygon, either winding.
float sd_polygon(Vec p, const std::vector<Vec>& points);
// An open line through the points.
float sd_polyline(Vec p, const std::vector<Vec>& points, float half_width);

#endif  // SKINBUILDER_SKINDATA_SHAPES_H_
