#include "skindata/knobs.h"

#include <vector>

#include "skindata/drawing.h"

namespace {

constexpr float kStartAngle = -135.f;
constexpr float kSweep = 270.f;

using B = KnobBody;
using T = KnobTrack;
using P = KnobPointer;

const KnobStyle kTemplateStyle{B::kShaded, T::kArc, P::kLine, 0.29f, 0.415f, 0.075f, true, false};

const KnobStyle kOverlayStyles[kKnobOverlayCount] = {
    {B::kFlat, T::kArc, P::kDot, 0.32f, 0.44f, 0.045f, true, true},        // Massive X
    {B::kMetal, T::kTicks, P::kLine, 0.33f, 0.44f, 0.06f, false, false},   // Bazille Dazo
    {B::kFlat, T::kArc, P::kLine, 0.27f, 0.40f, 0.10f, true, false},       // Bitwig
    {B::kShaded, T::kArc, P::kWedge, 0.36f, 0.455f, 0.035f, true, true},   // Dune
    {B::kMetal, T::kDots, P::kNotch, 0.35f, 0.445f, 0.05f, false, false},  // Factory
    {B::kColoured, T::kArc, P::kNotch, 0.31f, 0.44f, 0.05f, true, false},  // Dazo
    {B::kNone, T::kArc, P::kLine, 0.f, 0.38f, 0.085f, true, false},        // Live
    {B::kFlat, T::kArc, P::kDot, 0.24f, 0.39f, 0.13f, true, false},        // Phase Plant
    {B::kShaded, T::kTicks, P::kLine, 0.35f, 0.45f, 0.06f, false, true},   // ZebraHZ
    {B::kSquare, T::kArc, P::kLine, 0.30f, 0.44f, 0.05f, true, false},     // Rapid
    {B::kColoured, T::kNone, P::kNotch, 0.42f, 0.f, 0.f, false, false},    // DrumComputer Color
    {B::kFlat, T::kNone, P::kLine, 0.42f, 0.f, 0.f, false, true},          // DrumComputer Dark
    {B::kSquare, T::kNone, P::kWedge, 0.38f, 0.f, 0.f, false, true},       // SimpleSquare
    {B::kFlat, T::kNone, P::kDot, 0.40f, 0.f, 0.f, false, true},           // SimpleCircle
    {B::kNone, T::kArc, P::kNone, 0.f, 0.40f, 0.11f, true, false},         // SimpleRing
    {B::kTrim, T::kDots, P::kNotch, 0.26f, 0.42f, 0.05f, false, false},    // Trimmer
};

struct Geometry {
  float size;
  Vec c;
  float angle;       // pointer angle
  float value_from;  // lit range of the track
  float value_to;
};

Geometry geometry_of(int size, float value, bool bipolar) {
  float s = static_cast<float>(size);
  float angle = kStartAngle + kSweep * value;
  float origin = bipolar ? 0.f : kStartAngle;
  return Geometry{s, Vec{s / 2, s / 2}, angle, std::min(origin, angle), std::max(origin, angle)};
}

bool lit(const Geometry& g, float angle) {
  return angle >= g.value_from - 0.01f && angle <= g.value_to + 0.01f;
}

void draw_arc_track(Canvas& canvas, const KnobStyle& st, const Geometry& g) {
  float r = st.ring_radius * g.size, w = std::max(1.5f, st.ring_width * g.size);
  draw_arc(canvas, g.c, r, kStartAngle, -kStartAngle, w, solid(grey(34)));
  draw_arc(canvas, g.c, r, kStartAngle, -kStartAngle, w * 0.45f, solid(grey(27)));
  if (!st.value_arc || g.value_to - g.value_from < 0.5f) return;
  draw_arc(canvas, g.c, r, g.value_from, g.value_to, w, solid(blue(0.78f)));
  draw_arc(canvas, g.c, r - w * 0.12f, g.value_from, g.value_to, w * 0.5f, solid(blue(1.0f)));
}

void draw_tick_track(Canvas& canvas, const KnobStyle& st, const Geometry& g, bool dots) {
  float r = st.ring_radius * g.size, w = std::max(1.2f, st.ring_width * g.size * 0.6f);
  for (int i = 0; i <= 10; ++i) {
    float a = kStartAngle + kSweep * i / 10.f;
    Paint p = solid(lit(g, a) ? blue(1.f) : grey(70));
    if (dots) fill_circle(canvas, polar(g.c, r, a), w * 0.75f, p);
    if (!dots) draw_line(canvas, polar(g.c, r - w, a), polar(g.c, r + w * 0.6f, a), w * 0.8f, p);
  }
}

void draw_track(Canvas& canvas, const KnobStyle& st, const Geometry& g) {
  if (st.track == T::kArc) draw_arc_track(canvas, st, g);
  if (st.track == T::kTicks) draw_tick_track(canvas, st, g, false);
  if (st.track == T::kDots) draw_tick_track(canvas, st, g, true);
}

void draw_round_body(Canvas& canvas, const Geometry& g, float r, Paint face, Color rim) {
  fill_circle(canvas, g.c, r, face);
  stroke_circle(canvas, g.c, r - 0.5f, vertical(rim, grey(20, 0.6f), g.c.y - r, g.c.y + r), 1.f);
}

void draw_body(Canvas& canvas, const KnobStyle& st, const Geometry& g) {
  float r = st.body_radius * g.size;
  if (st.body == B::kNone || r <= 0.f) return;
  Vec c = g.c;
  drop_shadow(canvas, around(c, r), r, std::max(1.f, r * 0.25f), 0.55f);
  float top = c.y - r, bottom = c.y + r;
  switch (st.body) {
    case B::kShaded:
      draw_round_body(canvas, g, r, vertical(grey(92), grey(34), top, bottom), grey(130));
      fill_circle(canvas, c, r * 0.8f, vertical(grey(58), grey(46), top, bottom));
      break;
    case B::kFlat:
      draw_round_body(canvas, g, r, solid(grey(48)), grey(72));
      break;
    case B::kMetal:
      draw_round_body(canvas, g, r, radial(grey(168), grey(78), polar(c, r * 0.5f, -40), r * 1.6f),
                      grey(200));
      break;
    case B::kColoured:
      draw_round_body(canvas, g, r, vertical(blue(1.f), blue(0.55f), top, bottom),
                      rgb(200, 220, 250));
      break;
    case B::kTrim:
      draw_round_body(canvas, g, r, radial(grey(150), grey(90), c, r), grey(180));
      break;
    case B::kSquare:
      fill_box(canvas, around(c, r), r * 0.28f, vertical(grey(82), grey(40), top, bottom));
      stroke_box(canvas, around(c, r - 0.5f), r * 0.28f, solid(grey(110, 0.7f)), 1.f);
      break;
    default:
      break;
  }
}

Color pointer_colour(const KnobStyle& st) {
  if (st.pointer == P::kNotch) return st.body == B::kColoured ? grey(20, 0.85f) : grey(30);
  return st.blue_pointer ? blue(1.f) : grey(232);
}

void draw_pointer(Canvas& canvas, const KnobStyle& st, const Geometry& g) {
  float reach = (st.body_radius > 0 ? st.body_radius : st.ring_radius - st.ring_width) * g.size;
  float w = std::max(1.4f, g.size * 0.05f);
  Paint p = solid(pointer_colour(st));
  switch (st.pointer) {
    case P::kLine:
      draw_line(canvas, polar(g.c, reach * 0.3f, g.angle), polar(g.c, reach * 0.9f, g.angle), w, p);
      break;
    case P::kDot:
      fill_circle(canvas, polar(g.c, reach * 0.7f, g.angle), w * 0.9f, p);
      break;
    case P::kNotch:
      draw_line(canvas, polar(g.c, reach * 0.45f, g.angle), polar(g.c, reach * 1.f, g.angle),
                w * 1.2f, p);
      break;
    case P::kWedge:
      fill_polygon(canvas,
                   {polar(g.c, reach * 0.95f, g.angle), polar(g.c, reach * 0.55f, g.angle - 14),
                    polar(g.c, reach * 0.55f, g.angle + 14)},
                   p);
      break;
    default:
      break;
  }
}

}  // namespace

const KnobStyle& template_knob_style() {
  return kTemplateStyle;
}

const KnobStyle& overlay_knob_style(int index) {
  return kOverlayStyles[index];
}

Canvas draw_knob(const KnobStyle& style, int size, float value, bool bipolar) {
  Canvas canvas = make_canvas(size, size);
  Geometry g = geometry_of(size, value, bipolar);
  draw_track(canvas, style, g);
  draw_body(canvas, style, g);
  draw_pointer(canvas, style, g);
  return canvas;
}

Canvas knob_strip(const KnobStyle& style, int size, int frames, bool bipolar) {
  std::vector<Canvas> all;
  for (int i = 0; i < frames; ++i) {
    float value = frames > 1 ? static_cast<float>(i) / (frames - 1) : 0.5f;
    all.push_back(draw_knob(style, size, value, bipolar));
  }
  return stack_frames(all);
}
