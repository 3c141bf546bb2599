// The template's panes: the large backgrounds behind the controls.
//
// Untagged panes are neutral brushed dark grey with module frames, header
// strips and screws; they are never recoloured. The CS1-tagged panes (the
// XY pads and the tab and title bars) carry the template blue. Grain and
// brushing come from position hashes, so the textures are the same on
// every run.
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "skindata/drawing.h"
#include "skindata/glyphs.h"
#include "skindata/layout.h"
#include "skindata/parts.h"

namespace {

enum class Kind { kRack, kList, kPlain, kSplash };

struct PaneLayout {
  const char* name;
  int w, h;
  Kind kind;
  int columns;  // modules across, for racks
  int rows;
  const char* title = nullptr;  // of a single module; racks take the module list
};

const char* const kModuleTitles[] = {"OSC",   "FMO",   "NOISE",  "COMB", "VCF",  "XMF",
                                     "SHAPE", "MIX",   "ENV",    "LFO",  "MSEG", "MODMIX",
                                     "ARP",   "DELAY", "REVERB", "EQ",   "COMP", "CHORUS"};

// Pages that each host lays out at its own width.
const PaneLayout kHostPages[] = {
    {"Background", 0, 960, Kind::kPlain, 0, 0}, {"Upper", 0, 520, Kind::kRack, 6, 2},
    {"Synth", 0, 400, Kind::kRack, 6, 1},       {"Lower", 0, 400, Kind::kRack, 4, 1},
    {"Perform", 0, 400, Kind::kRack, 8, 1},     {"Arpeggiator", 0, 400, Kind::kRack, 2, 1},
    {"FXGrid", 0, 400, Kind::kRack, 5, 2},      {"Programmer", 0, 400, Kind::kRack, 3, 1},
    {"Global", 0, 400, Kind::kRack, 3, 1},
};
const std::pair<const char*, int> kHostWidths[] = {{"Z2", 1440}, {"ZHZ", 1600}};

const PaneLayout kNeutralPanes[] = {
    {"Matrix", 720, 460, Kind::kList, 0, 12},      {"Browser", 1080, 760, Kind::kList, 0, 24},
    {"Preferences", 1080, 720, Kind::kRack, 2, 3}, {"Keyboard", 1440, 120, Kind::kPlain, 0, 0},
    {"Header", 1440, 60, Kind::kPlain, 0, 0},      {"Footer", 1440, 40, Kind::kPlain, 0, 0},
    {"Sidebar", 80, 960, Kind::kPlain, 0, 0},      {"Module", 320, 260, Kind::kRack, 1, 1},
    {"Module-Short", 320, 180, Kind::kRack, 1, 1}, {"Module-Tall", 320, 420, Kind::kRack, 1, 1},
    {"Module-Wide", 640, 260, Kind::kRack, 2, 1},  {"Splash", 1200, 720, Kind::kSplash, 0, 0},
};

uint32_t seed_of(const std::string& name) {
  uint32_t h = 2166136261u;
  for (char c : name) h = (h ^ static_cast<uint8_t>(c)) * 16777619u;
  return h;
}

void texture(Canvas& c, uint32_t seed) {
  add_brushed(c, 0.07f, seed);
  add_grain(c, 0.15f, seed + 7);
}

void draw_knob_wells(Canvas& c, Box b, float unit) {
  float size = unit * 2.6f, step = unit * 3.8f;
  int across = std::max(1, static_cast<int>((box_width(b) - unit) / step));
  int down = std::max(0, static_cast<int>((box_height(b) - unit * 4.f) / step));
  float x0 = b.x0 + (box_width(b) - across * step) / 2 + step / 2;
  for (int row = 0; row < std::min(down, 3); ++row) {
    for (int col = 0; col < across; ++col) {
      Vec m{x0 + col * step, b.y0 + unit * 3.2f + step * (row + 0.5f)};
      fill_circle(c, m, size / 2, vertical(grey(22), grey(40), m.y - size / 2, m.y + size / 2));
      stroke_circle(c, m, size / 2 + 0.5f, solid(grey(64, 0.6f)), 1.f);
    }
  }
}

void draw_module_frame(Canvas& c, Box b, float unit, const std::string& title) {
  float r = unit * 0.6f;
  drop_shadow(c, b, r, unit * 0.5f, 0.45f);
  fill_box(c, b, r, vertical(grey(46), grey(36), b.y0, b.y1));
  stroke_box(c, inset(b, 0.5f), r, solid(grey(18)), 1.f);
  Box header{b.x0 + 1, b.y0 + 1, b.x1 - 1, b.y0 + unit * 2.2f};
  fill_box(c, header, r, vertical(grey(58), grey(48), header.y0, header.y1));
  draw_line(c, Vec{b.x0 + r, b.y0 + 1.5f}, Vec{b.x1 - r, b.y0 + 1.5f}, 1.f, solid(grey(96, 0.5f)));
  draw_text(c, title, centre_of(header), unit * 0.7f, solid(grey(150)), 0.14f);
  draw_knob_wells(c, b, unit);
}

void draw_rack(Canvas& c, const PaneLayout& p, float unit) {
  float gap = unit * 0.8f;
  float cw = (p.w - gap * (p.columns + 1)) / p.columns, rh = (p.h - gap * (p.rows + 1)) / p.rows;
  for (int row = 0; row < p.rows; ++row) {
    for (int col = 0; col < p.columns; ++col) {
      float x = gap + col * (cw + gap), y = gap + row * (rh + gap);
      const char* title =
          p.title ? p.title : kModuleTitles[(row * p.columns + col) % std::size(kModuleTitles)];
      draw_module_frame(c, Box{x, y, x + cw, y + rh}, unit, title);
    }
  }
}

void draw_list(Canvas& c, const PaneLayout& p, float unit) {
  float row_h = static_cast<float>(p.h) / (p.rows + 1);
  Box head{0, 0, float(p.w), row_h};
  fill_box(c, head, 0, vertical(grey(56), grey(44), 0, row_h));
  for (int i = 1; i <= p.rows; ++i) {
    Box row{unit * 0.5f, i * row_h, p.w - unit * 0.5f, (i + 1) * row_h - 1};
    if (i % 2) fill_box(c, row, 0, solid(grey(255, 0.035f)));
    draw_line(c, Vec{row.x0, row.y1 + 0.5f}, Vec{row.x1, row.y1 + 0.5f}, 1.f,
              solid(grey(16, 0.6f)));
  }
}

void draw_screws(Canvas& c, float unit) {
  int size = std::max(4, static_cast<int>(unit * 1.2f));
  Canvas screw = draw_screw(size);
  float m = unit * 0.4f;
  for (Vec at : {Vec{m, m}, Vec{c.width - m - size, m}, Vec{m, c.height - m - size},
                 Vec{c.width - m - size, c.height - m - size}}) {
    draw_canvas(c, screw, static_cast<int>(at.x), static_cast<int>(at.y));
  }
}

Canvas draw_neutral_pane(const PaneLayout& p, int w, int h) {
  PaneLayout s = p;
  s.w = w, s.h = h;
  float unit = std::max(2.f, std::min(w, h) / 40.f + 6.f * w / 1440.f);
  Canvas c = make_canvas(w, h, grey(36));
  fill_box(c, canvas_box(c), 0, vertical(grey(42), grey(28), 0, float(h)));
  if (s.kind == Kind::kRack) draw_rack(c, s, unit);
  if (s.kind == Kind::kList) draw_list(c, s, unit);
  if (s.kind == Kind::kSplash) {
    draw_text(c, "KORVEL DAZO", Vec{w / 2.f, h / 2.f}, h * 0.1f, solid(grey(150)), 0.1f);
  }
  texture(c, seed_of(p.name));
  if (s.kind == Kind::kPlain || s.kind == Kind::kSplash) draw_screws(c, unit);
  return c;
}

Canvas draw_xy_pane(int w, int h, uint32_t seed) {
  Canvas c = make_canvas(w, h, grey(20));
  Vec m{w / 2.f, h / 2.f};
  fill_box(c, canvas_box(c), 0, radial(blue(0.45f, 0.35f), Color{0, 0, 0, 0}, m, length(m)));
  draw_canvas(c, draw_grid(w, h, true), 0, 0);
  draw_line(c, Vec{m.x, 0}, Vec{m.x, float(h)}, 1.5f, solid(blue(0.9f, 0.6f)));
  draw_line(c, Vec{0, m.y}, Vec{float(w), m.y}, 1.5f, solid(blue(0.9f, 0.6f)));
  texture(c, seed);
  stroke_box(c, inset(canvas_box(c), 1.f), 3.f, solid(blue(0.8f)), 2.f);
  return c;
}

Canvas draw_title_bar(int w, int h, const std::string& title, uint32_t seed) {
  Canvas c = make_canvas(w, h);
  Box b = canvas_box(c);
  fill_box(c, b, std::min(4.f, h * 0.25f), vertical(blue(0.85f), blue(0.48f), 0, float(h)));
  draw_line(c, Vec{3, 0.5f}, Vec{w - 3.f, 0.5f}, 1.f, solid(rgb(255, 255, 255, 0.3f)));
  add_grain(c, 0.05f, seed);
  if (!title.empty()) draw_text(c, title, centre_of(b), h * 0.5f, solid(rgb(236, 243, 253)), 0.14f);
  return c;
}

void add_section_panes(JobList& jobs, const Scale& s) {
  const std::string dir = std::string(kTemplateImages) + "/Panes/";
  struct Xy {
    const char* name;
    int w, h;
  };
  for (Xy xy : {Xy{"CS1KVL-XY-Pad", 600, 600}, Xy{"CS1KVL-XY-PadSmall", 400, 400},
                Xy{"CS1KVL-XY-Frame", 640, 640}, Xy{"CS1KVL-XY-Assign", 600, 120}}) {
    add_job(jobs, dir + xy.name + ".png",
            [=, w = s.px(xy.w), h = s.px(xy.h)] { return draw_xy_pane(w, h, seed_of(xy.name)); });
  }
  add_job(jobs, dir + "CS1KVL-Tab-Main.png",
          [w = s.px(1440), h = s.px(30)] { return draw_title_bar(w, h, "", 11); });
  add_job(jobs, dir + "CS1KVL-Tab-Lower.png",
          [w = s.px(1440), h = s.px(24)] { return draw_title_bar(w, h, "", 12); });
  for (const char* title : kModuleTitles) {
    add_job(jobs, dir + "CS1KVL-Title-" + title + ".png", [=, w = s.px(300), h = s.px(22)] {
      return draw_title_bar(w, h, title, seed_of(title));
    });
  }
}

}  // namespace

void add_pane_jobs(JobList& jobs, const Scale& scale) {
  const std::string dir = std::string(kTemplateImages) + "/Panes/";
  for (const PaneLayout& p : kNeutralPanes) {
    add_job(jobs, dir + p.name + ".png",
            [=, w = scale.px(p.w), h = scale.px(p.h)] { return draw_neutral_pane(p, w, h); });
  }
  for (const PaneLayout& p : kHostPages) {
    for (auto [host, width] : kHostWidths) {
      add_job(jobs, dir + p.name + "-" + host + ".png",
              [=, w = scale.px(width), h = scale.px(p.h)] { return draw_neutral_pane(p, w, h); });
    }
  }
  for (const char* title : kModuleTitles) {
    PaneLayout p{title, 480, 300, Kind::kRack, 1, 1, title};
    add_job(jobs, dir + "Module-" + title + ".png",
            [=, w = scale.px(p.w), h = scale.px(p.h)] { return draw_neutral_pane(p, w, h); });
  }
  add_section_panes(jobs, scale);
}
