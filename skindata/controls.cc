#include "skindata/controls.h"

#include <algorithm>

#include "skindata/drawing.h"
#include "skindata/glyphs.h"
#include "skindata/icons.h"

namespace {

Color label_on() {
  return mixed(blue(1.f), rgb(255, 255, 255), 0.82f);
}

float corner_of(Box b) {
  return std::max(1.5f, std::min(box_width(b), box_height(b)) * 0.2f);
}

// A raised face: shadow, gradient body, dark border and a light top edge.
void draw_face(Canvas& canvas, Box b, bool on) {
  float r = corner_of(b);
  drop_shadow(canvas, b, r, std::max(1.f, box_height(b) * 0.08f), 0.5f);
  Paint body =
      on ? vertical(blue(1.f), blue(0.62f), b.y0, b.y1) : vertical(grey(64), grey(42), b.y0, b.y1);
  fill_box(canvas, b, r, body);
  stroke_box(canvas, inset(b, 0.5f), r, solid(on ? blue(0.35f) : grey(22)), 1.f);
  Box top{b.x0 + r, b.y0 + 1.f, b.x1 - r, b.y0 + 1.f};
  draw_line(canvas, Vec{top.x0, top.y0 + 0.5f}, Vec{top.x1, top.y0 + 0.5f}, 1.f,
            solid(on ? rgb(255, 255, 255, 0.35f) : grey(110, 0.45f)));
}

float label_height(Box b, const std::string& label) {
  float h = std::min(box_height(b) * 0.42f, 9.f + box_height(b) * 0.1f);
  float fit = box_width(b) * 0.8f / std::max(1.f, text_width(label, 1.f));
  return std::max(3.f, std::min(h, fit));
}

void draw_tab(Canvas& canvas, Box b, const std::string& label, bool selected, bool dim) {
  float r = corner_of(b);
  Paint body = selected ? vertical(blue(0.95f), blue(0.55f), b.y0, b.y1)
                        : vertical(grey(dim ? 44 : 56), grey(dim ? 32 : 40), b.y0, b.y1);
  Box shape{b.x0, b.y0, b.x1, b.y1 + r};  // rounded on top only
  fill_sdf(
      canvas, b, [&](Vec p) { return sd_round_box(p, shape, r); }, body);
  stroke_box(canvas, inset(shape, 0.5f), r, solid(selected ? blue(0.4f) : grey(24)), 1.f);
  Color text = selected ? label_on() : grey(dim ? 120 : 150);
  draw_text(canvas, label, centre_of(b), label_height(b, label), solid(text));
}

}  // namespace

Canvas draw_button(int w, int h, const std::string& label, bool on) {
  Canvas canvas = make_canvas(w, h);
  Box b = inset(Box{0, 0, float(w), float(h) - std::max(1.f, h * 0.08f)}, 1.f);
  draw_face(canvas, b, on);
  if (!label.empty()) {
    draw_text(canvas, label, centre_of(b), label_height(b, label),
              solid(on ? label_on() : grey(165)));
  }
  return canvas;
}

Canvas button_strip(int w, int h, const std::string& label) {
  return stack_frames({draw_button(w, h, label, false), draw_button(w, h, label, true)});
}

Canvas draw_power_button(int size, bool on, bool plate) {
  Canvas canvas = make_canvas(size, size, plate ? color_of(kMiddleGreySample) : Color{});
  float s = static_cast<float>(size);
  Vec c{s / 2, s / 2};
  if (on) glow(canvas, c, s * 0.3f, s * 0.12f, blue(1.f, 0.45f));
  drop_shadow(canvas, around(c, s * 0.36f), s * 0.36f, std::max(1.f, s * 0.06f), 0.5f);
  fill_circle(canvas, c, s * 0.36f, vertical(grey(70), grey(38), c.y - s * 0.36f, c.y + s * 0.36f));
  stroke_circle(canvas, c, s * 0.36f - 0.5f, solid(grey(22)), 1.f);
  Paint symbol = solid(on ? blue(1.f) : grey(110));
  draw_icon(canvas, Icon::kPower, around(c, s * 0.26f), symbol);
  return canvas;
}

Canvas draw_tab_row(int w, int h, const std::vector<std::string>& labels, int selected, bool dim) {
  Canvas canvas = make_canvas(w, h, grey(dim ? 24 : 30));
  int n = std::max<int>(1, labels.size());
  float tab_w = static_cast<float>(w) / n;
  for (int i = 0; i < n; ++i) {
    Box b{i * tab_w + 1.f, std::max(1.f, h * 0.12f), (i + 1) * tab_w - 1.f, float(h)};
    draw_tab(canvas, b, labels[i], i == selected, dim);
  }
  draw_line(canvas, Vec{0, h - 0.5f}, Vec{float(w), h - 0.5f}, 1.f, solid(blue(0.7f)));
  return canvas;
}

Canvas tab_strip(int w, int h, const std::vector<std::string>& labels, int frames, bool dim) {
  std::vector<Canvas> all;
  for (int i = 0; i < frames; ++i) all.push_back(draw_tab_row(w, h, labels, i, dim));
  return stack_frames(all);
}

Canvas draw_light(int size, float level) {
  Canvas canvas = make_canvas(size, size);
  float s = static_cast<float>(size);
  Vec c{s / 2, s / 2};
  float r = s * 0.26f;
  if (level > 0.f) glow(canvas, c, r, s * 0.2f, blue(1.f, 0.55f * level));
  fill_circle(canvas, c, r + 1.f, solid(grey(18)));
  Color lens = mixed(grey(52), blue(1.f), level);
  fill_circle(canvas, c, r,
              radial(mixed(lens, rgb(255, 255, 255), 0.25f * level), scaled(lens, 0.7f),
                     polar(c, r * 0.35f, -45), r * 1.4f));
  fill_circle(canvas, polar(c, r * 0.45f, -45), r * 0.28f, solid(rgb(255, 255, 255, 0.35f)));
  return canvas;
}

Canvas draw_selector(int w, int h, Symbol symbol, bool lit) {
  Canvas canvas = make_canvas(w, h);
  Box b = inset(Box{0, 0, float(w), float(h)}, 0.5f);
  fill_box(canvas, b, corner_of(b), vertical(grey(22), grey(30), b.y0, b.y1));
  stroke_box(canvas, b, corner_of(b), solid(lit ? blue(0.6f) : grey(58)), 1.f);
  Box area = inset(b, std::max(2.f, std::min(w, h) * 0.2f));
  float width = std::max(1.2f, h * 0.07f);
  if (lit) draw_symbol(canvas, symbol, area, width * 2.6f, solid(blue(1.f, 0.22f)));
  draw_symbol(canvas, symbol, area, width, solid(lit ? blue(1.f) : grey(120)));
  return canvas;
}

Canvas draw_text_selector(int w, int h, const std::string& text, bool lit) {
  Canvas canvas = make_canvas(w, h);
  Box b = inset(Box{0, 0, float(w), float(h)}, 0.5f);
  fill_box(canvas, b, corner_of(b), vertical(grey(22), grey(30), b.y0, b.y1));
  stroke_box(canvas, b, corner_of(b), solid(lit ? blue(0.6f) : grey(58)), 1.f);
  draw_text(canvas, text, centre_of(b), label_height(b, text), solid(lit ? blue(1.f) : grey(130)));
  return canvas;
}

Canvas draw_step(int w, int h, int state) {
  Canvas canvas = make_canvas(w, h);
  Box b = inset(Box{0, 0, float(w), float(h)}, 1.f);
  if (state == 3) b.x1 = float(w);  // a tied step runs into the next one
  draw_face(canvas, b, state > 0);
  if (state == 2) fill_circle(canvas, centre_of(b), std::min(w, h) * 0.14f, solid(label_on()));
  return canvas;
}

Canvas draw_close_button(int size, bool hover) {
  Canvas canvas = make_canvas(size, size);
  float s = static_cast<float>(size);
  Vec c{s / 2, s / 2};
  fill_circle(canvas, c, s * 0.44f, solid(hover ? blue(0.9f) : grey(58)));
  stroke_circle(canvas, c, s * 0.44f - 0.5f, solid(hover ? blue(0.45f) : grey(26)), 1.f);
  draw_icon(canvas, Icon::kClose, around(c, s * 0.3f), solid(hover ? label_on() : grey(170)));
  return canvas;
}
