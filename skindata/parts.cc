#include "skindata/parts.h"

#include <algorithm>
#include <cmath>

#include "skindata/drawing.h"
#include "skindata/glyphs.h"
#include "skindata/symbols.h"

namespace {

Box full(int w, int h) {
  return Box{0, 0, float(w), float(h)};
}
float short_side(int w, int h) {
  return static_cast<float>(std::min(w, h));
}
Color accent(bool lit, float k = 1.f) {
  return lit ? blue(k) : grey(int(150 * k));
}

}  // namespace

Canvas draw_slider_cap(int w, int h, bool lit) {
  Canvas c = make_canvas(w, h);
  Box b = inset(full(w, h), 1.f);
  float r = short_side(w, h) * 0.25f;
  drop_shadow(c, b, r, 1.f, 0.5f);
  fill_box(c, b, r, vertical(grey(92), grey(46), b.y0, b.y1));
  stroke_box(c, inset(b, 0.5f), r, solid(grey(24)), 1.f);
  bool upright = h >= w;
  Vec a = upright ? Vec{b.x0 + 2, h / 2.f} : Vec{w / 2.f, b.y0 + 2};
  Vec z = upright ? Vec{b.x1 - 2, h / 2.f} : Vec{w / 2.f, b.y1 - 2};
  draw_line(c, a, z, std::max(1.5f, short_side(w, h) * 0.18f), solid(accent(lit)));
  return c;
}

Canvas draw_bar(int w, int h, bool lit) {
  Canvas c = make_canvas(w, h);
  Box b = full(w, h);
  Paint p = w >= h ? horizontal(accent(lit, 0.55f), accent(lit, 1.f), 0, float(w))
                   : vertical(accent(lit, 1.f), accent(lit, 0.55f), 0, float(h));
  fill_box(c, b, short_side(w, h) / 2, p);
  return c;
}

Canvas draw_groove(int w, int h) {
  Canvas c = make_canvas(w, h);
  Box b = full(w, h);
  float r = short_side(w, h) / 2;
  fill_box(c, b, r, solid(grey(62)));
  fill_box(c, Box{b.x0, b.y0, b.x1, b.y1 - 1}, r, vertical(grey(14), grey(26), b.y0, b.y1));
  return c;
}

Canvas draw_handle_dot(int size, bool lit) {
  Canvas c = make_canvas(size, size);
  Vec m{size / 2.f, size / 2.f};
  float r = size * 0.36f;
  if (lit) glow(c, m, r, size * 0.14f, blue(1.f, 0.4f));
  fill_circle(c, m, r,
              radial(accent(lit, 1.f), accent(lit, 0.6f), polar(m, r * 0.4f, -45), r * 1.5f));
  stroke_circle(c, m, r - 0.5f, solid(grey(230, 0.7f)), 1.f);
  return c;
}

Canvas draw_slot(int w, int h, bool lit) {
  Canvas c = make_canvas(w, h);
  Box b = inset(full(w, h), 0.5f);
  fill_box(c, b, 2.f, vertical(grey(26), grey(34), b.y0, b.y1));
  stroke_box(c, b, 2.f, solid(grey(54)), 1.f);
  fill_box(c, Box{b.x0 + 1, b.y0 + 2, b.x0 + std::max(2.f, h * 0.25f), b.y1 - 2}, 1.f,
           solid(accent(lit)));
  return c;
}

Canvas draw_meter(int w, int h, bool lit) {
  Canvas c = make_canvas(w, h, grey(20));
  bool upright = h >= w;
  int n = std::max(4, (upright ? h : w) / 6);
  for (int i = 0; i < n; ++i) {
    float t = float(i) / n, t1 = float(i + 1) / n;
    Box seg = upright ? Box{1.f, h * (1 - t1) + 1, w - 1.f, h * (1 - t) - 1}
                      : Box{w * t + 1, 1.f, w * t1 - 1, h - 1.f};
    float on = i < n * 2 / 3 ? 1.f : 0.35f;
    fill_box(c, seg, 0.5f, solid(lit ? blue(0.5f + 0.5f * t, on) : grey(60 + int(80 * t))));
  }
  return c;
}

Canvas draw_scope(int w, int h) {
  Canvas c = make_canvas(w, h);
  Box b = inset(full(w, h), 0.5f);
  fill_box(c, b, 4.f, vertical(grey(16), grey(24), b.y0, b.y1));
  for (int i = 1; i < 8; ++i)
    draw_line(c, Vec{w * i / 8.f, 2}, Vec{w * i / 8.f, h - 2.f}, 1.f, solid(grey(60, 0.35f)));
  for (int i = 1; i < 4; ++i)
    draw_line(c, Vec{2, h * i / 4.f}, Vec{w - 2.f, h * i / 4.f}, 1.f, solid(grey(60, 0.35f)));
  Box area = inset(b, h * 0.12f);
  draw_symbol(c, Symbol::kSine, area, std::max(3.f, h * 0.09f), solid(blue(1.f, 0.25f)));
  draw_symbol(c, Symbol::kSine, area, std::max(1.2f, h * 0.03f), solid(blue(1.f)));
  stroke_box(c, b, 4.f, solid(grey(60)), 1.f);
  return c;
}

Canvas draw_check(int size, bool checked) {
  Canvas c = make_canvas(size, size);
  Box b = inset(full(size, size), 1.f);
  fill_box(c, b, size * 0.2f, solid(grey(24)));
  stroke_box(c, inset(b, 0.5f), size * 0.2f, solid(checked ? blue(0.8f) : grey(80)), 1.f);
  if (checked) draw_icon(c, Icon::kCheck, inset(b, size * 0.12f), solid(blue(1.f)));
  return c;
}

Canvas draw_radio(int size, bool selected) {
  Canvas c = make_canvas(size, size);
  Vec m{size / 2.f, size / 2.f};
  fill_circle(c, m, size * 0.45f, solid(grey(24)));
  stroke_circle(c, m, size * 0.45f - 0.5f, solid(selected ? blue(0.8f) : grey(80)), 1.f);
  if (selected) fill_circle(c, m, size * 0.22f, solid(blue(1.f)));
  return c;
}

Canvas draw_toggle(int w, int h, bool on) {
  Canvas c = make_canvas(w, h);
  Box b = inset(full(w, h), 0.5f);
  fill_box(c, b, h / 2.f, on ? vertical(blue(0.7f), blue(1.f), b.y0, b.y1) : solid(grey(30)));
  stroke_box(c, b, h / 2.f, solid(on ? blue(0.45f) : grey(70)), 1.f);
  Vec knob{on ? w - h / 2.f : h / 2.f, h / 2.f};
  fill_circle(c, knob, h * 0.36f, vertical(grey(220), grey(150), 0, float(h)));
  return c;
}

Canvas draw_crosshair(int size, bool lit) {
  Canvas c = make_canvas(size, size);
  float m = size / 2.f, lw = std::max(1.f, size * 0.07f);
  Paint p = solid(accent(lit));
  draw_line(c, Vec{1, m}, Vec{m - size * 0.15f, m}, lw, p);
  draw_line(c, Vec{m + size * 0.15f, m}, Vec{size - 1.f, m}, lw, p);
  draw_line(c, Vec{m, 1}, Vec{m, m - size * 0.15f}, lw, p);
  draw_line(c, Vec{m, m + size * 0.15f}, Vec{m, size - 1.f}, lw, p);
  stroke_circle(c, Vec{m, m}, size * 0.3f, p, lw);
  return c;
}

Canvas draw_grid(int w, int h, bool lit) {
  Canvas c = make_canvas(w, h);
  Paint p = solid(lit ? blue(0.8f, 0.35f) : grey(120, 0.3f));
  for (int i = 0; i <= 8; ++i) {
    float x = std::min(w - 0.5f, 0.5f + (w - 1) * i / 8.f),
          y = std::min(h - 0.5f, 0.5f + (h - 1) * i / 8.f);
    draw_line(c, Vec{x, 0}, Vec{x, float(h)}, 1.f, p);
    draw_line(c, Vec{0, y}, Vec{float(w), y}, 1.f, p);
  }
  return c;
}

Canvas draw_dial_ring(int size) {
  Canvas c = make_canvas(size, size);
  Vec m{size / 2.f, size / 2.f};
  float lw = std::max(1.5f, size * 0.08f);
  draw_arc(c, m, size * 0.4f, -135, 135, lw, solid(grey(40)));
  draw_arc(c, m, size * 0.4f, -135, 135, lw * 0.5f,
           vertical(blue(1.f), blue(0.5f), 0, float(size)));
  return c;
}

Canvas draw_wheel(int w, int h) {
  Canvas c = make_canvas(w, h);
  Box b = inset(full(w, h), 1.f);
  fill_box(c, b, w * 0.3f, solid(grey(14)));
  Box face = inset(b, 2.f);
  for (int y = 0; y < h; y += 3) {
    float t = std::abs((y + 1.5f) / h - 0.5f) * 2;  // curvature: darker to the ends
    Box rib{face.x0, std::max(face.y0, float(y)), face.x1, std::min(face.y1, y + 2.f)};
    if (rib.y1 > rib.y0) fill_box(c, rib, 0.5f, solid(grey(int(110 - 70 * t))));
  }
  draw_line(c, Vec{face.x0, h / 2.f}, Vec{face.x1, h / 2.f}, std::max(1.5f, h * 0.03f),
            solid(blue(1.f)));
  return c;
}

Canvas draw_grip(int w, int h, bool lit) {
  Canvas c = make_canvas(w, h);
  for (int i = 0; i < 3; ++i) {
    float y = h * (i + 1) / 4.f;
    draw_line(c, Vec{w * 0.15f, y}, Vec{w * 0.85f, y}, std::max(1.f, h * 0.12f),
              solid(accent(lit)));
  }
  return c;
}

Canvas draw_corner(int size, int which) {
  Canvas c = make_canvas(size, size);
  float s = static_cast<float>(size);
  Box b{which % 2 ? -s : 0, which / 2 ? -s : 0, which % 2 ? s : 2 * s, which / 2 ? s : 2 * s};
  fill_box(c, b, s * 0.8f, solid(grey(44)));
  stroke_box(c, inset(b, 0.5f), s * 0.8f, solid(grey(70)), 1.f);
  return c;
}

Canvas draw_divider(int w, int h) {
  Canvas c = make_canvas(w, h);
  bool across = w >= h;
  Box dark = across ? Box{0, 0, float(w), h / 2.f} : Box{0, 0, w / 2.f, float(h)};
  Box light = across ? Box{0, h / 2.f, float(w), float(h)} : Box{w / 2.f, 0, float(w), float(h)};
  fill_box(c, dark, 0, solid(grey(14)));
  fill_box(c, light, 0, solid(grey(70)));
  return c;
}

Canvas draw_screw(int size) {
  Canvas c = make_canvas(size, size);
  Vec m{size / 2.f, size / 2.f};
  float r = size * 0.42f;
  fill_circle(c, m, r, radial(grey(170), grey(70), polar(m, r * 0.4f, -45), r * 1.6f));
  stroke_circle(c, m, r - 0.5f, solid(grey(30)), 1.f);
  draw_line(c, polar(m, r * 0.7f, 45), polar(m, r * 0.7f, 225), std::max(1.f, size * 0.1f),
            solid(grey(40)));
  return c;
}

Canvas draw_value_box(int w, int h) {
  Canvas c = make_canvas(w, h);
  Box b = inset(full(w, h), 0.5f);
  fill_box(c, b, 2.f, vertical(grey(18), grey(28), b.y0, b.y1));
  stroke_box(c, b, 2.f, solid(grey(58)), 1.f);
  return c;
}

Canvas draw_key(int w, int h, bool black, bool down) {
  Canvas c = make_canvas(w, h);
  Box b{0.5f, -3.f, w - 0.5f, h - 0.5f};
  Color top = black ? grey(down ? 30 : 44) : grey(down ? 200 : 236);
  Color bottom = black ? grey(down ? 20 : 14) : grey(down ? 170 : 205);
  fill_box(c, b, std::max(1.f, w * 0.12f), vertical(top, bottom, 0, float(h)));
  stroke_box(c, b, std::max(1.f, w * 0.12f), solid(grey(black ? 6 : 120)), 1.f);
  if (down) fill_box(c, Box{1, h - h * 0.1f, w - 1.f, h - 1.f}, 1.f, solid(blue(1.f, 0.8f)));
  return c;
}

Canvas draw_pictogram(int size, Icon icon, bool lit) {
  Canvas c = make_canvas(size, size);
  draw_icon(c, icon, inset(full(size, size), 0.5f), solid(lit ? blue(1.f) : grey(170)));
  return c;
}

Canvas draw_arrow_button(int size, Icon arrow) {
  auto frame = [=](bool pressed) {
    Canvas c = make_canvas(size, size);
    Box b = inset(full(size, size), 0.5f);
    fill_box(c, b, size * 0.2f,
             pressed ? vertical(blue(0.9f), blue(0.55f), 0, float(size)) : solid(grey(40)));
    stroke_box(c, b, size * 0.2f, solid(pressed ? blue(0.4f) : grey(22)), 1.f);
    draw_icon(c, arrow, inset(b, size * 0.22f), solid(pressed ? rgb(235, 242, 252) : blue(1.f)));
    return c;
  };
  return stack_frames({frame(false), frame(true)});
}

Canvas draw_swatch(int size, Rgb8 colour) {
  return make_canvas(size, size, color_of(colour));
}

Canvas draw_glow_spot(int size) {
  Canvas c = make_canvas(size, size);
  Vec m{size / 2.f, size / 2.f};
  fill_circle(c, m, size / 2.f, radial(blue(1.f, 0.8f), blue(1.f, 0.f), m, size / 2.f));
  return c;
}

Canvas draw_logo(int w, int h, bool lit) {
  Canvas c = make_canvas(w, h);
  Vec m{w / 2.f, h / 2.f};
  float th = h * 0.5f;
  if (lit) draw_text(c, "KORVEL", m, th, solid(blue(1.f, 0.25f)), 0.34f);
  draw_text(c, "KORVEL", m, th,
            lit ? vertical(blue(1.f), blue(0.6f), m.y - th / 2, m.y + th / 2) : solid(grey(150)),
            0.16f);
  return c;
}

Canvas draw_shade(int w, int h, bool vertical_fade) {
  Canvas c = make_canvas(w, h);
  Paint p = vertical_fade ? horizontal(Color{0, 0, 0, 0.6f}, Color{0, 0, 0, 0}, 0, float(w))
                          : vertical(Color{0, 0, 0, 0.6f}, Color{0, 0, 0, 0}, 0, float(h));
  fill_box(c, full(w, h), 0, p);
  return c;
}

Canvas draw_tooltip(int w, int h) {
  Canvas c = make_canvas(w, h);
  Box b = inset(full(w, h), 2.f);
  drop_shadow(c, b, 5.f, 2.f, 0.6f);
  fill_box(c, b, 5.f, vertical(grey(52), grey(40), b.y0, b.y1));
  stroke_box(c, inset(b, 0.5f), 5.f, solid(grey(90)), 1.f);
  return c;
}

Canvas draw_vignette(int w, int h) {
  Canvas c = make_canvas(w, h);
  Vec m{w / 2.f, h / 2.f};
  float r = length(m);
  fill_box(c, full(w, h), 0, radial(Color{0, 0, 0, 0}, Color{0, 0, 0, 0.55f}, m, r));
  return c;
}
