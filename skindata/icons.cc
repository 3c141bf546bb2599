#include "skindata/icons.h"

#include <algorithm>
#include <cmath>

#include "skindata/glyphs.h"
#include "skindata/symbols.h"

namespace {

// Pictograms are laid out on a unit square from -1 to 1, mapped into the
// box with a small margin; strokes are a tenth of the box wide.
struct Pen {
  Canvas& canvas;
  Vec c;
  float half;
  float lw;
  const Paint& paint;

  Vec at(float x, float y) const { return Vec{c.x + x * half, c.y + y * half}; }
  float len(float u) const { return u * half; }
};

Pen pen_for(Canvas& canvas, Box area, const Paint& paint) {
  float s = std::min(box_width(area), box_height(area));
  return Pen{canvas, centre_of(area), s * 0.42f, std::max(1.2f, s * 0.1f), paint};
}

void line(const Pen& p, std::vector<Vec> pts) {
  for (Vec& v : pts) v = p.at(v.x, v.y);
  draw_polyline(p.canvas, pts, p.lw, p.paint);
}

void poly(const Pen& p, std::vector<Vec> pts) {
  for (Vec& v : pts) v = p.at(v.x, v.y);
  fill_polygon(p.canvas, pts, p.paint);
}

void disc(const Pen& p, float x, float y, float r) {
  fill_circle(p.canvas, p.at(x, y), p.len(r), p.paint);
}

void ring(const Pen& p, float x, float y, float r) {
  stroke_circle(p.canvas, p.at(x, y), p.len(r), p.paint, p.lw);
}

Box unit_box(const Pen& p, float x0, float y0, float x1, float y1) {
  return Box{p.at(x0, y0).x, p.at(x0, y0).y, p.at(x1, y1).x, p.at(x1, y1).y};
}

void frame(const Pen& p, float x0, float y0, float x1, float y1, float r) {
  stroke_box(p.canvas, unit_box(p, x0, y0, x1, y1), p.len(r), p.paint, p.lw);
}

void block(const Pen& p, float x0, float y0, float x1, float y1, float r) {
  fill_box(p.canvas, unit_box(p, x0, y0, x1, y1), p.len(r), p.paint);
}

// A filled disc with two pause bars cut out of it.
void disc_with_bars(const Pen& p) {
  Box left = unit_box(p, -.4f, -.45f, -.1f, .45f), right = unit_box(p, .1f, -.45f, .4f, .45f);
  float r = p.len(.85f);
  fill_sdf(
      p.canvas, around(p.c, r),
      [&](Vec q) {
        float bars = std::min(sd_round_box(q, left, 0), sd_round_box(q, right, 0));
        return std::max(sd_circle(q, p.c, r), -bars);
      },
      p.paint);
}

void arc(const Pen& p, float x, float y, float r, float from, float to) {
  draw_arc(p.canvas, p.at(x, y), p.len(r), from, to, p.lw, p.paint);
}

// A filled shape with a round hole punched through it.
void holed(const Pen& p, std::vector<Vec> pts, float hx, float hy, float hr) {
  for (Vec& v : pts) v = p.at(v.x, v.y);
  Vec hc = p.at(hx, hy);
  float r = p.len(hr);
  fill_sdf(
      p.canvas, bounds_of(pts),
      [&](Vec q) { return std::max(sd_polygon(q, pts), -sd_circle(q, hc, r)); }, p.paint);
}

std::vector<Vec> star_points(int tips, float outer, float inner, float turn) {
  std::vector<Vec> pts;
  for (int i = 0; i < tips * 2; ++i) {
    Vec v = polar(Vec{0, 0}, i % 2 ? inner : outer, turn + 180.f * i / tips);
    pts.push_back(v);
  }
  return pts;
}

void draw_file_icon(const Pen& p, Icon icon) {
  switch (icon) {
    case Icon::kSave:
      frame(p, -.8f, -.8f, .8f, .8f, .15f);
      block(p, -.45f, -.8f, .45f, -.3f, .05f);
      disc(p, 0, .35f, .2f);
      break;
    case Icon::kLoad:
      line(p, {{0, -.85f}, {0, .3f}});
      line(p, {{-.4f, -.1f}, {0, .3f}, {.4f, -.1f}});
      line(p, {{-.8f, .3f}, {-.8f, .8f}, {.8f, .8f}, {.8f, .3f}});
      break;
    case Icon::kFolder:
      poly(p, {{-.85f, -.65f},
               {-.3f, -.65f},
               {-.15f, -.45f},
               {.85f, -.45f},
               {.85f, .7f},
               {-.85f, .7f}});
      break;
    case Icon::kCopy:
      frame(p, -.8f, -.8f, .3f, .4f, .12f);
      frame(p, -.3f, -.3f, .8f, .85f, .12f);
      break;
    default:
      frame(p, -.6f, -.65f, .6f, .85f, .12f);
      block(p, -.3f, -.9f, .3f, -.5f, .08f);
      line(p, {{-.3f, 0}, {.3f, 0}});
      line(p, {{-.3f, .4f}, {.3f, .4f}});
      break;
  }
}

void draw_action_icon(const Pen& p, Icon icon) {
  switch (icon) {
    case Icon::kInit:
      arc(p, 0, 0, .65f, 40, 320);
      poly(p, {{.2f, -.95f}, {.55f, -.35f}, {-.05f, -.3f}});
      break;
    case Icon::kRandom:
      frame(p, -.8f, -.8f, .8f, .8f, .2f);
      for (Vec v : std::vector<Vec>{{-.4f, -.4f}, {.4f, -.4f}, {0, 0}, {-.4f, .4f}, {.4f, .4f}})
        disc(p, v.x, v.y, .13f);
      break;
    case Icon::kUndo:
      arc(p, 0, .25f, .6f, -90, 90);
      poly(p, {{-.95f, .1f}, {-.25f, .1f}, {-.6f, .6f}});
      break;
    case Icon::kRedo:
      arc(p, 0, .25f, .6f, -90, 90);
      poly(p, {{.95f, .1f}, {.25f, .1f}, {.6f, .6f}});
      break;
    case Icon::kGear:
      holed(p, star_points(8, .9f, .62f, 0), 0, 0, .3f);
      break;
    case Icon::kSearch:
      ring(p, -.2f, -.2f, .5f);
      line(p, {{.2f, .2f}, {.8f, .8f}});
      break;
    case Icon::kStar:
      poly(p, star_points(5, .95f, .4f, 0));
      break;
    case Icon::kHeart:
      disc(p, -.38f, -.25f, .42f);
      disc(p, .38f, -.25f, .42f);
      poly(p, {{-.78f, -.1f}, {.78f, -.1f}, {0, .85f}});
      break;
    default:
      holed(p, {{-.85f, -.2f}, {-.2f, -.85f}, {.85f, -.85f}, {.85f, .2f}, {.2f, .85f}}, .45f, -.45f,
            .16f);
      break;
  }
}

void draw_transport_icon(const Pen& p, Icon icon) {
  switch (icon) {
    case Icon::kPlay:
      poly(p, {{-.55f, -.8f}, {.8f, 0}, {-.55f, .8f}});
      break;
    case Icon::kStop:
      block(p, -.65f, -.65f, .65f, .65f, .1f);
      break;
    case Icon::kRecord:
      disc(p, 0, 0, .7f);
      break;
    case Icon::kLoop:
      frame(p, -.8f, -.45f, .8f, .45f, .4f);
      poly(p, {{-.1f, -.8f}, {.35f, -.45f}, {-.1f, -.1f}});
      break;
    case Icon::kLink:
      frame(p, -.9f, -.35f, .15f, .35f, .35f);
      frame(p, -.15f, -.35f, .9f, .35f, .35f);
      break;
    case Icon::kUp:
      line(p, {{-.6f, .3f}, {0, -.3f}, {.6f, .3f}});
      break;
    case Icon::kDown:
      line(p, {{-.6f, -.3f}, {0, .3f}, {.6f, -.3f}});
      break;
    case Icon::kLeft:
      line(p, {{.3f, -.6f}, {-.3f, 0}, {.3f, .6f}});
      break;
    default:
      line(p, {{-.3f, -.6f}, {.3f, 0}, {-.3f, .6f}});
      break;
  }
}

void draw_sign_icon(const Pen& p, Icon icon) {
  switch (icon) {
    case Icon::kPlus:
      line(p, {{0, -.7f}, {0, .7f}});
      line(p, {{-.7f, 0}, {.7f, 0}});
      break;
    case Icon::kMinus:
      line(p, {{-.7f, 0}, {.7f, 0}});
      break;
    case Icon::kClose:
      line(p, {{-.6f, -.6f}, {.6f, .6f}});
      line(p, {{.6f, -.6f}, {-.6f, .6f}});
      break;
    case Icon::kCheck:
      line(p, {{-.7f, 0}, {-.2f, .5f}, {.7f, -.55f}});
      break;
    case Icon::kInfo:
      ring(p, 0, 0, .8f);
      disc(p, 0, -.4f, .12f);
      line(p, {{0, -.05f}, {0, .45f}});
      break;
    case Icon::kWarning:
      line(p, {{0, -.8f}, {.85f, .7f}, {-.85f, .7f}, {0, -.8f}});
      line(p, {{0, -.3f}, {0, .15f}});
      disc(p, 0, .45f, .09f);
      break;
    case Icon::kMenu:
      for (float y : {-.55f, 0.f, .55f}) line(p, {{-.7f, y}, {.7f, y}});
      break;
    default:
      for (int i = 0; i < 9; ++i)
        block(p, -.8f + .6f * (i % 3), -.8f + .6f * (i / 3), -.4f + .6f * (i % 3),
              -.4f + .6f * (i / 3), .05f);
      break;
  }
}

void draw_music_icon(const Pen& p, Icon icon) {
  Box b{p.at(-.85f, -.6f).x, p.at(-.85f, -.6f).y, p.at(.85f, .6f).x, p.at(.85f, .6f).y};
  switch (icon) {
    case Icon::kKeyboard:
      frame(p, -.85f, -.6f, .85f, .6f, .1f);
      for (float x : {-.42f, 0.f, .42f}) line(p, {{x, -.6f}, {x, .6f}});
      break;
    case Icon::kNote:
      disc(p, -.25f, .5f, .3f);
      line(p, {{.03f, .5f}, {.03f, -.8f}, {.5f, -.45f}});
      break;
    case Icon::kWave:
      draw_symbol(p.canvas, Symbol::kSine, b, p.lw, p.paint);
      break;
    case Icon::kEnvelope:
      line(p, {{-.85f, .6f}, {-.45f, -.6f}, {0, 0}, {.45f, 0}, {.85f, .6f}});
      break;
    case Icon::kLfo:
      draw_symbol(p.canvas, Symbol::kTriangle, b, p.lw, p.paint);
      break;
    case Icon::kFilter:
      draw_symbol(p.canvas, Symbol::kLowPass, b, p.lw, p.paint);
      break;
    case Icon::kMidi:
      ring(p, 0, 0, .8f);
      for (float a : {-90.f, -45.f, 0.f, 45.f, 90.f})
        disc(p, polar({0, 0}, .45f, a).x, polar({0, 0}, .45f, a).y, .1f);
      break;
    case Icon::kPower:
      arc(p, 0, .08f, .65f, 35, 325);
      line(p, {{0, -.85f}, {0, -.1f}});
      break;
    default:
      arc(p, 0, .9f, 1.2f, -42, 42);
      arc(p, 0, -.9f, 1.2f, 138, 222);
      disc(p, 0, 0, .25f);
      break;
  }
}

}  // namespace

const std::vector<IconName>& icon_names() {
  static const std::vector<IconName> names = {
      {Icon::kSave, "Save"},         {Icon::kLoad, "Load"},
      {Icon::kFolder, "Folder"},     {Icon::kCopy, "Copy"},
      {Icon::kPaste, "Paste"},       {Icon::kInit, "Init"},
      {Icon::kRandom, "Random"},     {Icon::kUndo, "Undo"},
      {Icon::kRedo, "Redo"},         {Icon::kGear, "Gear"},
      {Icon::kSearch, "Search"},     {Icon::kStar, "Star"},
      {Icon::kHeart, "Heart"},       {Icon::kTag, "Tag"},
      {Icon::kPlay, "Play"},         {Icon::kStop, "Stop"},
      {Icon::kRecord, "Record"},     {Icon::kLoop, "Loop"},
      {Icon::kLink, "Link"},         {Icon::kUp, "Up"},
      {Icon::kDown, "Down"},         {Icon::kLeft, "Left"},
      {Icon::kRight, "Right"},       {Icon::kPlus, "Plus"},
      {Icon::kMinus, "Minus"},       {Icon::kClose, "Close"},
      {Icon::kCheck, "Check"},       {Icon::kInfo, "Info"},
      {Icon::kWarning, "Warning"},   {Icon::kMenu, "Menu"},
      {Icon::kGrid, "Grid"},         {Icon::kKeyboard, "Keyboard"},
      {Icon::kNote, "Note"},         {Icon::kWave, "Wave"},
      {Icon::kEnvelope, "Envelope"}, {Icon::kLfo, "Lfo"},
      {Icon::kFilter, "Filter"},     {Icon::kMidi, "Midi"},
      {Icon::kPower, "Power"},       {Icon::kEye, "Eye"},
  };
  return names;
}

void draw_icon(Canvas& canvas, Icon icon, Box area, const Paint& paint) {
  Pen p = pen_for(canvas, area, paint);
  if (icon <= Icon::kPaste) return draw_file_icon(p, icon);
  if (icon <= Icon::kTag) return draw_action_icon(p, icon);
  if (icon <= Icon::kRight) return draw_transport_icon(p, icon);
  if (icon <= Icon::kGrid) return draw_sign_icon(p, icon);
  draw_music_icon(p, icon);
}

void draw_lock_glyph(Canvas& canvas, LockGlyph glyph, Box area, const Paint& paint) {
  Pen p = pen_for(canvas, area, paint);
  switch (glyph) {
    case LockGlyph::kPause:
      frame(p, -.55f, -.7f, -.15f, .7f, .1f);
      frame(p, .15f, -.7f, .55f, .7f, .1f);
      break;
    case LockGlyph::kDot:
      disc(p, 0, 0, .55f);
      break;
    case LockGlyph::kHero:
      poly(p, {{0, -.9f}, {.8f, -.6f}, {.7f, .2f}, {0, .9f}, {-.7f, .2f}, {-.8f, -.6f}});
      break;
    case LockGlyph::kKey:
      ring(p, -.45f, 0, .35f);
      line(p, {{-.1f, 0}, {.85f, 0}, {.85f, .35f}});
      line(p, {{.5f, 0}, {.5f, .3f}});
      break;
    case LockGlyph::kNoSign:
      ring(p, 0, 0, .75f);
      line(p, {{-.53f, -.53f}, {.53f, .53f}});
      break;
    case LockGlyph::kStopSign:
      holed(p, star_points(8, .9f, .9f * std::cos(3.14159f / 8), 22.5f), 0, 0, .3f);
      break;
    case LockGlyph::kRoundLock:
      block(p, -.65f, -.1f, .65f, .85f, .3f);
      arc(p, 0, -.25f, .4f, -90, 90);
      line(p, {{-.4f, -.25f}, {-.4f, -.05f}});
      line(p, {{.4f, -.25f}, {.4f, -.05f}});
      break;
    case LockGlyph::kSquareLock:
      holed(p, {{-.7f, -.1f}, {.7f, -.1f}, {.7f, .85f}, {-.7f, .85f}}, 0, .35f, .15f);
      line(p, {{-.4f, -.1f}, {-.4f, -.75f}, {.4f, -.75f}, {.4f, -.1f}});
      break;
    default:
      disc_with_bars(p);
      break;
  }
}

const char* arp_mode_name(int mode) {
  static const char* const names[kArpModeCount] = {"First", "Last", "Next",
                                                   "Prev",  "Same", "Random"};
  return names[mode % kArpModeCount];
}

void draw_arp_glyph(Canvas& canvas, ArpLook look, int mode, Box area, const Paint& paint) {
  Pen p = pen_for(canvas, area, paint);
  if (look == ArpLook::kStandard) {
    static const char* const signs[kArpModeCount] = {"1ST", "LST", "NXT", "PRV", "SAM", "RND"};
    draw_text(canvas, signs[mode % kArpModeCount], p.c, p.len(.75f), paint, 0.16f);
  } else if (look == ArpLook::kDice) {
    static const std::vector<std::vector<Vec>> pips = {
        {{0, 0}},
        {{-.4f, -.4f}, {.4f, .4f}},
        {{-.4f, -.4f}, {0, 0}, {.4f, .4f}},
        {{-.4f, -.4f}, {.4f, -.4f}, {-.4f, .4f}, {.4f, .4f}},
        {{-.4f, -.4f}, {.4f, -.4f}, {0, 0}, {-.4f, .4f}, {.4f, .4f}},
        {{-.4f, -.45f}, {.4f, -.45f}, {-.4f, 0}, {.4f, 0}, {-.4f, .45f}, {.4f, .45f}}};
    frame(p, -.85f, -.85f, .85f, .85f, .25f);
    for (Vec v : pips[mode % kArpModeCount]) disc(p, v.x, v.y, .14f);
  } else {
    static const std::vector<std::vector<Vec>> arrows = {
        {{.5f, -.6f}, {-.2f, 0}, {.5f, .6f}},
        {{-.5f, -.6f}, {.2f, 0}, {-.5f, .6f}},
        {{-.8f, 0}, {.7f, 0}},
        {{.8f, 0}, {-.7f, 0}},
        {{-.7f, -.3f}, {.7f, -.3f}},
        {{-.8f, .6f}, {-.3f, -.5f}, {.3f, .5f}, {.8f, -.6f}}};
    line(p, arrows[mode % kArpModeCount]);
    if (mode % kArpModeCount < 2) line(p, {{mode ? .5f : -.5f, -.65f}, {mode ? .5f : -.5f, .65f}});
    if (mode % kArpModeCount == 2) line(p, {{.3f, -.4f}, {.75f, 0}, {.3f, .4f}});
    if (mode % kArpModeCount == 3) line(p, {{-.3f, -.4f}, {-.75f, 0}, {-.3f, .4f}});
    if (mode % kArpModeCount == 4) line(p, {{-.7f, .3f}, {.7f, .3f}});
  }
}
