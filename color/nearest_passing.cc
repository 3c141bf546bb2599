#include "color/nearest_passing.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Margins kept from the thresholds by a predicted colour, at scale 1. The
// predictions match the tool to the step, so they are slight; when the tool
// disagrees anyway (another build of it, advanced options), each new try
// widens them fivefold, which covers a few steps of difference.
constexpr double kControlMargin = 0.002;
constexpr double kLabelMargin = 0.002;
constexpr double kDistanceMargin = 0.05;
constexpr int kMarginGrowth = 5;
constexpr int kWidenings = 4;  // margins up to 125 times the first
// The selection is placed against measured colours, nothing predicted.
constexpr double kSelectionMargin = 0.1;
constexpr int kConfirmTries = 3;
constexpr double kNowhere = std::numeric_limits<double>::infinity();
// An asked colour paler than this has no hue worth keeping; a candidate
// paler than that has none to compare.
constexpr double kGreySaturation = 0.15;
constexpr double kNoHueSaturation = 0.05;

double linear_of(int amount) {
  static const struct Table {
    double linear[256];
    Table() {
      for (int i = 0; i < 256; ++i) linear[i] = srgb_to_linear(i / 255.0);
    }
  } table;
  return table.linear[amount < 0 ? 0 : (amount > 255 ? 255 : amount)];
}

// relative_luminance, from a table: the search asks it of many colours.
double luminance(Rgb c) {
  return 0.2126 * linear_of(c.red) + 0.7152 * linear_of(c.green) + 0.0722 * linear_of(c.blue);
}

double ratio_of(double one, double two) {
  return one > two ? (one + 0.05) / (two + 0.05) : (two + 0.05) / (one + 0.05);
}

void hue_and_saturation(Rgb c, double& hue, double& saturation) {
  double max = std::fmax(std::fmax(c.red, c.green), c.blue);
  double min = std::fmin(std::fmin(c.red, c.green), c.blue);
  double d = max - min;
  saturation = max > 0.0 ? d / max : 0.0;
  hue = 0.0;
  if (d == 0.0) return;
  if (max == c.red)
    hue = std::fmod((c.green - c.blue) / d + 6.0, 6.0);
  else if (max == c.green)
    hue = (c.blue - c.red) / d + 2.0;
  else
    hue = (c.red - c.green) / d + 4.0;
  hue *= 60.0;
}

struct Search {
  const SkinLook& look;
  Rgb asked_colour;
  Lab asked;
  bool background;
  double background_luminance;
  const Rgb* avoid;
  Lab avoid_lab;
  double scale;
  int brightness;  // of the typed candidates: the template's
};

struct Scored {
  double distance;  // kNowhere when it does not pass
  Rgb typed;
  Rgb predicted;
};

bool passes(const Search& s, Rgb shown, bool keep_clear) {
  double l = luminance(shown);
  if (s.background &&
      ratio_of(l, s.background_luminance) < kControlContrast + kControlMargin * s.scale)
    return false;
  if (ratio_of(1.0, l) < kLabelContrast + kLabelMargin * s.scale) return false;
  if (!keep_clear || s.avoid == nullptr) return true;
  return ciede2000(s.avoid_lab, srgb_to_lab(shown)) >=
         kSelectionDistance + kDistanceMargin * s.scale;
}

// The distance is the typed colour's from the asked one: the global
// adjustments act alike on both, so the user's choice of them is kept
// rather than worked against (a colour turned to undo a global hue
// adjustment would sit as far off in the skin as it is in its numbers).
Scored score(const Search& s, Rgb typed, bool keep_clear) {
  if (!near_in_hue(s.asked_colour, typed)) return {kNowhere, typed, {}};
  Rgb shown = predicted_colour(s.look, typed);
  double distance =
      passes(s, shown, keep_clear) ? ciede2000(s.asked, srgb_to_lab(typed)) : kNowhere;
  return {distance, typed, shown};
}

void keep_better(Scored& best, const Scored& candidate) {
  if (candidate.distance < best.distance) best = candidate;
}

int clamped(double amount) {
  long rounded = std::lround(amount);
  return static_cast<int>(rounded < 0 ? 0 : (rounded > 255 ? 255 : rounded));
}

// The typed colour of a hue (degrees), saturation (0..1) and brightness.
Rgb typed_of(double hue, double saturation, int brightness) {
  hue = std::fmod(std::fmod(hue, 360.0) + 360.0, 360.0);
  saturation = saturation < 0.0 ? 0.0 : (saturation > 1.0 ? 1.0 : saturation);
  double h = hue / 60.0, f = h - std::floor(h), v = brightness;
  double p = v * (1.0 - saturation), q = v * (1.0 - saturation * f),
         t = v * (1.0 - saturation * (1.0 - f));
  switch (static_cast<int>(h) % 6) {
    case 1:
      return {clamped(q), clamped(v), clamped(p)};
    case 2:
      return {clamped(p), clamped(v), clamped(t)};
    case 3:
      return {clamped(p), clamped(q), clamped(v)};
    case 4:
      return {clamped(t), clamped(p), clamped(v)};
    case 5:
      return {clamped(v), clamped(p), clamped(q)};
    default:
      return {clamped(v), clamped(t), clamped(p)};
  }
}

int clamped_brightness(const SkinLook& look) {
  int brightness = std::max(std::max(look.template_colour.red, look.template_colour.green),
                            look.template_colour.blue);
  return brightness > 0 ? (brightness > 255 ? 255 : brightness) : 255;
}

Search search_for(const SkinLook& look, const SectionGoal& goal) {
  return {look,
          goal.asked,
          srgb_to_lab(goal.asked),
          goal.background.measured,
          luminance(goal.background.colour),
          goal.avoid,
          goal.avoid != nullptr ? srgb_to_lab(*goal.avoid) : Lab{},
          goal.margin_scale,
          clamped_brightness(look)};
}

// Whether the colour typed as typed reads well on the goal's terms.
bool reads_well(const SkinLook& look, const SectionGoal& goal, Rgb typed) {
  Search s = search_for(look, goal);
  return passes(s, predicted_colour(look, typed), goal.avoid != nullptr);
}

// Every hue the asked colour allows in 2-degree steps (all of them for a
// grey), every saturation in 2.5 percent steps.
void grid_search(const Search& s, Scored& clear, Scored& any) {
  double asked_hue, asked_saturation;
  hue_and_saturation(s.asked_colour, asked_hue, asked_saturation);
  bool grey = asked_saturation < kGreySaturation;
  double from = grey ? 0.0 : asked_hue - kHueReach;
  int hues = grey ? 180 : static_cast<int>(kHueReach) + 1;
  for (int i = 0; i < hues; ++i) {
    double hue = from + 2.0 * i;
    for (int step = 0; step <= 40; ++step) {
      Rgb typed = typed_of(hue, step / 40.0, s.brightness);
      Scored candidate = score(s, typed, false);
      keep_better(any, candidate);
      if (candidate.distance < clear.distance && passes(s, candidate.predicted, true))
        clear = candidate;
    }
  }
}

// Finer hues and saturations around the best, then single steps of the
// typed amounts while they bring the colour nearer. Every colour tried keeps
// the template's brightness, so that without global adjustments the colour
// to type is the colour the skin will show.
Scored refine(const Search& s, Scored best, bool keep_clear) {
  double hue, saturation;
  hue_and_saturation(best.typed, hue, saturation);
  for (double dh = -2.0; dh <= 2.0; dh += 0.25) {
    for (double ds = -0.025; ds <= 0.025; ds += 0.0025) {
      keep_better(best, score(s, typed_of(hue + dh, saturation + ds, s.brightness), keep_clear));
    }
  }
  for (bool moved = true; moved;) {
    moved = false;
    Scored centre = best;
    for (int step = 0; step < 27; ++step) {
      Rgb t = {centre.typed.red + step % 3 - 1, centre.typed.green + step / 3 % 3 - 1,
               centre.typed.blue + step / 9 - 1};
      if (t.red < 0 || t.green < 0 || t.blue < 0 ||
          std::max({t.red, t.green, t.blue}) != s.brightness)
        continue;
      Scored candidate = score(s, t, keep_clear);
      if (candidate.distance < best.distance) {
        best = candidate;
        moved = true;
      }
    }
  }
  return best;
}

Lab lab_of(Rgb c) {
  return srgb_to_lab(c);
}

struct Placement {
  Lab target;
  Lab shown[4];
  int count;
};

bool far_enough(const Placement& p, const Lab& candidate) {
  for (int i = 0; i < p.count; ++i) {
    if (ciede2000(p.shown[i], candidate) < kSelectionDistance + kSelectionMargin) return false;
  }
  return true;
}

// The nearest far-enough colour of a cube of amounts around centre.
void place_in_cube(const Placement& p, Rgb centre, int reach, int step, double& best, Rgb& out) {
  for (int r = centre.red - reach; r <= centre.red + reach; r += step) {
    for (int g = centre.green - reach; g <= centre.green + reach; g += step) {
      for (int b = centre.blue - reach; b <= centre.blue + reach; b += step) {
        if (r < 0 || g < 0 || b < 0 || r > 255 || g > 255 || b > 255) continue;
        Lab candidate = lab_of({r, g, b});
        double distance = ciede2000(p.target, candidate);
        if (distance >= best || !far_enough(p, candidate)) continue;
        best = distance;
        out = {r, g, b};
      }
    }
  }
}

struct PaletteWork {
  const SkinLook* look;
  const Rgb* asked;
  Rgb template_background;
  const ConfirmColour& confirm;
  ReadabilityColours& colours;
  Rgb final_shown[4];
  bool selection_moves;
};

bool confirmed(const SampledColour& measured, const SampledColour& background, Rgb selection,
               bool keep_clear) {
  if (!measured.measured) return false;
  if (background.measured && !reads_on_background(measured.colour, background.colour)) return false;
  if (!labels_read_on(measured.colour)) return false;
  return !keep_clear || selection_stands_out(selection, measured.colour);
}

bool same(Rgb one, Rgb two) {
  return one.red == two.red && one.green == two.green && one.blue == two.blue;
}

float brightness_now(const SkinLook& look) {
  return look.adjusted ? static_cast<float>(look.brightness - 100.0) : 0.0f;
}

// Searches and confirms section n's colour, widening the margins when the
// tool disagrees with a prediction (a colour already refused is not tried
// again: the tool gives the same answer every time).
void help_section(PaletteWork& w, int n) {
  SectionHelp& help = w.colours.help[n - 1];
  help.colour.kind = TryKind::kUnconfirmed;
  if (w.look == nullptr) return;
  bool keep_clear = !w.selection_moves;
  float brightness = brightness_now(*w.look);
  Rgb refused = {-1, -1, -1};
  int tries = 0;
  for (int round = 0, scale = 1; round < kWidenings && tries < kConfirmTries;
       ++round, scale *= kMarginGrowth) {
    SectionGoal goal = {w.asked[n - 1], w.colours.background,
                        keep_clear ? &w.colours.selection : nullptr, static_cast<double>(scale)};
    SectionFind find = nearest_passing_section(*w.look, goal);
    if (!find.found && keep_clear) {
      // Only colours near the selection pass: the selection moves along.
      goal.avoid = nullptr;
      find = nearest_passing_section(*w.look, goal);
      help.selection_with_colour = find.found;
    }
    if (!find.found) {
      // Wider margins only leave less room; what was not confirmed stays so.
      if (round == 0) help.colour.kind = TryKind::kNonePasses;
      return;
    }
    if (same(find.typed, refused)) continue;
    ++tries;
    SampledColour measured = w.confirm.section(n, find.typed, brightness);
    if (confirmed(measured, w.colours.background, w.colours.selection, goal.avoid != nullptr)) {
      help.colour = {TryKind::kTry, find.typed};
      w.final_shown[n - 1] = measured.colour;
      return;
    }
    refused = find.typed;
  }
}

// What each section is to be typed as at a global brightness: its own
// colour when that reads well there, else the nearest of its hue that does.
struct BrightnessPlan {
  float value;
  SampledColour background;  // predicted
  Rgb typed[4];
  bool own[4];   // the section's own colour
  double shift;  // CIEDE2000 of the typed colours from the asked ones, summed
};

// Whether every measured section reads well at the plan's brightness, with
// its own colour or the nearest of its hue: a section that reads well now
// may need one of its hue there too.
bool plan_sections(const PaletteWork& w, const SkinLook& look, double scale, BrightnessPlan& plan) {
  const Rgb* avoid = w.selection_moves ? nullptr : &w.colours.selection;
  for (int n = 1; n <= w.colours.section_count; ++n) {
    if (!w.colours.sections[n - 1].measured) continue;
    SectionGoal goal = {w.asked[n - 1], plan.background, avoid, scale};
    plan.typed[n - 1] = w.asked[n - 1];
    plan.own[n - 1] = reads_well(look, goal, w.asked[n - 1]);
    if (plan.own[n - 1]) continue;
    SectionFind find = nearest_passing_section(look, goal);
    if (!find.found) return false;
    plan.typed[n - 1] = find.typed;
    plan.shift += ciede2000(srgb_to_lab(w.asked[n - 1]), srgb_to_lab(find.typed));
  }
  return true;
}

// The plan at a global brightness, when there is one.
bool plan_at(const PaletteWork& w, float value, double scale, BrightnessPlan& plan) {
  if (value < -100.0f || value > 100.0f) return false;
  plan = BrightnessPlan{};
  plan.value = value;
  SkinLook look = look_at_brightness(*w.look, value);
  plan.background = {w.colours.background.measured, globally_adjusted(look, w.template_background)};
  return plan_sections(w, look, scale, plan);
}

// The tool's word on a plan: every measured section, and the background,
// at its brightness.
bool confirm_plan(PaletteWork& w, const BrightnessPlan& plan, Rgb shown[4]) {
  SampledColour background = w.confirm.background(plan.value);
  if (w.colours.background.measured && !background.measured) return false;
  for (int n = 1; n <= w.colours.section_count; ++n) {
    if (!w.colours.sections[n - 1].measured) continue;
    SampledColour measured = w.confirm.section(n, plan.typed[n - 1], plan.value);
    if (!confirmed(measured, background, w.colours.selection, !w.selection_moves)) return false;
    shown[n - 1] = measured.colour;
  }
  return true;
}

// Every section whose colour must change at the plan's brightness gets its
// colour to try there; a failing one whose own colour reads well there
// gets the brightness alone.
void take_plan(PaletteWork& w, const BrightnessPlan& plan, const Rgb shown[4]) {
  w.colours.brightness = {true, plan.value, brightness_now(*w.look)};
  for (int n = 1; n <= w.colours.section_count; ++n) {
    if (!w.colours.sections[n - 1].measured) continue;
    w.final_shown[n - 1] = shown[n - 1];
    SectionHelp& help = w.colours.help[n - 1];
    help.selection_with_colour = false;
    if (!plan.own[n - 1]) {
      help.colour = {TryKind::kTry, plan.typed[n - 1]};
    } else if (section_colour_fails(w.colours, n)) {
      help.colour = {TryKind::kBrightness, w.asked[n - 1]};
    }
  }
}

enum class BrightnessFound { kTaken, kUnconfirmed, kNone };

// The nearest global brightness, in steps from the skin's own, at which
// every section reads well with its own colour or one of its hue; of the
// darker and the lighter one the step apart, the one that moves the
// colours least (the darker when alike). At most kConfirmTries plans go to
// the tool, each refusal widening the margins of the next.
BrightnessFound suggest_brightness(PaletteWork& w) {
  float now = brightness_now(*w.look);
  int tries = 0;
  double scale = 1.0;
  for (int step = 1; step * kBrightnessStep <= 200 && tries < kConfirmTries; ++step) {
    float change = static_cast<float>(step * kBrightnessStep);
    BrightnessPlan darker, lighter;
    bool has_darker = plan_at(w, now - change, scale, darker);
    bool has_lighter = plan_at(w, now + change, scale, lighter);
    if (has_darker && has_lighter && lighter.shift < darker.shift) std::swap(darker, lighter);
    for (const BrightnessPlan* plan :
         {has_darker ? &darker : nullptr, has_lighter ? &lighter : nullptr}) {
      if (plan == nullptr || tries == kConfirmTries) continue;
      ++tries;
      Rgb shown[4];
      if (confirm_plan(w, *plan, shown)) {
        take_plan(w, *plan, shown);
        return BrightnessFound::kTaken;
      }
      scale *= kMarginGrowth;
    }
  }
  return tries > 0 ? BrightnessFound::kUnconfirmed : BrightnessFound::kNone;
}

// The selection's help on every line that needs it, from the colours the
// skin will show once the section colours to try are typed.
void help_selection(PaletteWork& w) {
  int count = 0;
  Rgb shown[4];
  for (int n = 1; n <= w.colours.section_count; ++n) {
    if (w.colours.sections[n - 1].measured) shown[count++] = w.final_shown[n - 1];
  }
  Rgb moved;
  bool found = nearest_distinct_selection(w.colours.selection, shown, count, moved);
  bool stays = found && same(moved, w.colours.selection);
  for (int n = 1; n <= w.colours.section_count; ++n) {
    SectionHelp& help = w.colours.help[n - 1];
    if (!found) {
      help.selection.kind = TryKind::kNonePasses;
    } else if (stays) {
      help.selection.kind = TryKind::kSectionFixes;
    } else {
      help.selection = {TryKind::kTry, moved};
    }
  }
}

// Whether a colour of section n's hue reads well at the skin's brightness,
// the selection aside (it can move along).
bool has_near_colour(const PaletteWork& w, int n) {
  SectionGoal goal = {w.asked[n - 1], w.colours.background, nullptr, 1.0};
  return nearest_passing_section(*w.look, goal).found;
}

// Colours of the sections' own hues; where a section has none, a global
// brightness. Where no brightness helps either, the line says so: a colour
// of another hue is not the user's colour any more. The colours at the
// skin's brightness go to the tool only when they are what is offered.
void help_sections(PaletteWork& w) {
  bool all_near = true;
  for (int n = 1; n <= w.colours.section_count; ++n) {
    if (!section_colour_fails(w.colours, n)) continue;
    bool near = w.look == nullptr || has_near_colour(w, n);
    w.colours.help[n - 1].no_near_colour = !near;
    all_near = all_near && near;
  }
  BrightnessFound brightness = all_near ? BrightnessFound::kNone : suggest_brightness(w);
  if (brightness == BrightnessFound::kTaken) return;
  for (int n = 1; n <= w.colours.section_count; ++n) {
    if (!section_colour_fails(w.colours, n)) continue;
    help_section(w, n);
    SectionHelp& help = w.colours.help[n - 1];
    if (help.selection_with_colour) w.selection_moves = true;
    if (brightness == BrightnessFound::kUnconfirmed && help.no_near_colour) {
      help.no_near_colour = false;
      help.colour.kind = TryKind::kUnconfirmed;
    }
  }
}

}  // namespace

double hue_gap(Rgb asked, Rgb other) {
  double asked_hue, asked_saturation, hue, saturation;
  hue_and_saturation(asked, asked_hue, asked_saturation);
  // Greys are the exception: they have no hue to keep. A dark colour has
  // one, and it is what the skin shows, as only hue and saturation count.
  if (asked_saturation < kGreySaturation) return -1.0;
  hue_and_saturation(other, hue, saturation);
  double gap = std::fabs(hue - asked_hue);
  return std::min(gap, 360.0 - gap);
}

bool near_in_hue(Rgb asked, Rgb candidate) {
  double gap = hue_gap(asked, candidate);
  if (gap < 0.0) return true;
  double hue, saturation;
  hue_and_saturation(candidate, hue, saturation);
  return saturation >= kNoHueSaturation && gap <= kHueReach;
}

SkinLook look_at_brightness(const SkinLook& look, float brightness) {
  SkinLook moved = look;
  if (!moved.adjusted) {
    moved.adjusted = true;
    moved.saturation = moved.hue = 100.0;
    moved.contrast = 0.0;
  }
  moved.brightness = as_printed(100.0f + brightness);
  return moved;
}

SectionFind nearest_passing_section(const SkinLook& look, const SectionGoal& goal) {
  Search s = search_for(look, goal);
  Scored clear = {kNowhere, {}, {}}, any = clear;
  grid_search(s, clear, any);
  bool keep_clear = goal.avoid != nullptr;
  Scored start = keep_clear ? clear : any;
  if (start.distance == kNowhere) return {false, {}, {}};
  Scored best = refine(s, start, keep_clear);
  return {true, best.typed, best.predicted};
}

bool nearest_distinct_selection(Rgb selection, const Rgb* shown, int count, Rgb& out) {
  Placement p = {lab_of(selection), {}, count};
  for (int i = 0; i < count; ++i) p.shown[i] = lab_of(shown[i]);
  if (far_enough(p, p.target)) {
    out = selection;
    return true;
  }
  double best = kNowhere;
  place_in_cube(p, {136, 136, 136}, 136, 17, best, out);  // 0, 17, .. 255
  if (best == kNowhere) return false;
  place_in_cube(p, out, 15, 5, best, out);
  place_in_cube(p, out, 5, 1, best, out);
  return true;
}

void suggest_palette(const SkinLook* look, const Rgb asked[4], Rgb template_background,
                     const ConfirmColour& confirm, ReadabilityColours& colours) {
  PaletteWork w = {look, asked, template_background, confirm, colours, {}, false};
  colours.brightness = BrightnessToTry{};
  for (int n = 1; n <= colours.section_count; ++n) {
    colours.help[n - 1] = SectionHelp{};
    w.final_shown[n - 1] = colours.sections[n - 1].colour;
    if (selection_fails(colours, n)) w.selection_moves = true;
  }
  help_sections(w);
  if (w.selection_moves) help_selection(w);
}
