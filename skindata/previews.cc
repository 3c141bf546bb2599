// The preview images at the skindata root: a strip of one section's
// controls in the template blue, recoloured by the wizard to show the
// chosen colours before anything is built.
#include <string>

#include "skindata/controls.h"
#include "skindata/drawing.h"
#include "skindata/glyphs.h"
#include "skindata/knobs.h"
#include "skindata/layout.h"
#include "skindata/parts.h"

namespace {

struct PreviewLayout {
  const char* file;
  const char* title;
  Symbol symbol;
  const char* button;
};

const PreviewLayout kPreviews[] = {
    {"singlepreview.png", "KORVEL DAZO", Symbol::kSawUp, "SYNC"},
    {"CS1preview.png", "GENERATORS", Symbol::kSine, "SYNC"},
    {"CS2preview.png", "MODULATORS", Symbol::kTriangle, "RETRIG"},
    {"CS3preview.png", "EFFECTS", Symbol::kLowPass, "BYPASS"},
    {"CS4preview.png", "GLOBALS", Symbol::kPulse, "LEGATO"},
};

void draw_ground(Canvas& c, float u) {
  fill_box(c, canvas_box(c), 0, vertical(grey(44), grey(28), 0, float(c.height)));
  add_brushed(c, 0.06f, 5);
  Box title{4 * u, 4 * u, c.width - 4 * u, 26 * u};
  fill_box(c, title, 4 * u, vertical(blue(0.85f), blue(0.48f), title.y0, title.y1));
}

void draw_knob_row(Canvas& c, float u) {
  const float values[] = {0.2f, 0.55f, 0.85f, 0.7f};
  int size = std::max(8, static_cast<int>(52 * u));
  for (int i = 0; i < 4; ++i) {
    Canvas knob = draw_knob(template_knob_style(), size, values[i], i % 2 == 1);
    draw_canvas(c, knob, static_cast<int>((14 + i * 62) * u), static_cast<int>(40 * u));
  }
}

Canvas draw_preview(const PreviewLayout& p, int w, int h) {
  Canvas c = make_canvas(w, h);
  float u = w / 480.f;
  draw_ground(c, u);
  draw_text(c, p.title, Vec{w / 2.f, 15 * u}, 10 * u, solid(rgb(236, 243, 253)), 0.14f);
  draw_knob_row(c, u);
  auto place = [&](const Canvas& part, float x, float y) {
    draw_canvas(c, part, static_cast<int>(x * u), static_cast<int>(y * u));
  };
  place(draw_button(int(64 * u), int(20 * u), p.button, true), 268, 42);
  place(draw_button(int(64 * u), int(20 * u), "MONO", false), 268, 70);
  place(draw_selector(int(56 * u), int(30 * u), p.symbol, true), 344, 42);
  place(draw_light(int(18 * u), 1.f), 410, 44);
  place(draw_light(int(18 * u), 0.f), 436, 44);
  place(draw_step(int(20 * u), int(26 * u), 1), 410, 70);
  place(draw_step(int(20 * u), int(26 * u), 0), 436, 70);
  place(draw_tab_row(int(452 * u), int(22 * u), {"MAIN", "MOD", "FX", "ARP"}, 0, false), 14, 108);
  return c;
}

}  // namespace

void add_preview_jobs(JobList& jobs, const Scale& scale) {
  for (const PreviewLayout& p : kPreviews) {
    add_job(jobs, p.file,
            [=, w = scale.px(480), h = scale.px(140)] { return draw_preview(p, w, h); });
  }
}
