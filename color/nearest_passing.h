// The colours to try: for a palette whose report has problems, the colours
// nearest (CIEDE2000) to the user's own that pass every readability check
// (color/readability.h), worked out together for the whole palette.
//
// A section colour reaches the skin through the colour model
// (color/colour_model.h): only its hue and saturation count, the images
// keep their own brightness, and the global adjustments act on the result.
// So the colours a section can show are the predictions for typed colours
// of every hue and saturation at the template's brightness; the one chosen
// is the one whose prediction passes and whose typed amounts lie nearest
// the colour asked for (the global adjustments act alike on both), and
// what is suggested is that typed colour (without global adjustments it is about
// the colour the skin will show, so asking for it gets it). The search runs
// over a grid of the hues allowed and every saturation, and is refined
// around the best.
//
// A colour to try keeps the hue of the one asked for, within kHueReach
// degrees (only a grey or nearly grey colour asked for, having no hue, may
// take any): a user who asked for green wants a green. When no such colour
// reads well at the skin's brightness, the global brightness is moved
// instead: the nearest value, in steps of kBrightnessStep, at which every
// section reads well with its own colour or the nearest of its hue (a
// section that reads well now may need one there too), the darker or
// lighter one that moves the colours least. When no brightness helps
// either, the line says so; no colour of another hue is offered.
//
// The selection colour is shown as typed, so any colour can be it: it is
// moved only when it sits too near a section colour, to the nearest colour
// far enough from every section colour the skin will show.
//
// Predictions are only trusted once the image tool confirms them: every
// section colour suggested is first recoloured for real (the confirm
// function), and kept only when the measured result passes; otherwise the
// search runs again with wider margins, and after three colours refused (or
// margins 125 times the first) the line says that nothing could be
// confirmed; a global brightness is given up after three plans refused.
// The selection is worked out last, from the measured colours.
#ifndef SKINBUILDER_COLOR_NEAREST_PASSING_H_
#define SKINBUILDER_COLOR_NEAREST_PASSING_H_

#include <functional>

#include "color/colour_model.h"
#include "color/readability.h"

inline constexpr double kHueReach = 30.0;
inline constexpr int kBrightnessStep = 5;

struct SectionGoal {
  Rgb asked;                 // the user's colour, amounts clamped to 0..255
  SampledColour background;  // the background check counts only when measured
  const Rgb* avoid;          // a selection colour to stay clear of, or nullptr
  double margin_scale;       // widens the margins kept from every threshold
};

// Degrees between the hues of two colours, at most 180; negative when
// asked is a grey, which has no hue to keep.
double hue_gap(Rgb asked, Rgb other);

// Whether candidate lies within kHueReach of asked's hue; always true for
// an asked colour too grey to have a hue of its own.
bool near_in_hue(Rgb asked, Rgb candidate);

struct SectionFind {
  bool found;
  Rgb typed;      // the colour to type
  Rgb predicted;  // what the skin is expected to show for it
};

// The nearest passing section colour within kHueReach of the asked hue.
// Not found when no such colour the model can produce passes; with avoid,
// a colour that passes only near the selection is not found either.
SectionFind nearest_passing_section(const SkinLook& look, const SectionGoal& goal);

// The colour nearest to selection that lies at least kSelectionDistance
// (plus a small margin) from each of the count colours of shown; false
// when none does.
bool nearest_distinct_selection(Rgb selection, const Rgb* shown, int count, Rgb& out);

// What the image tool shows: section n (1-based) typed as typed, and the
// background, both at a global brightness (as typed at its question; the
// skin's other global adjustments stay as they are).
struct ConfirmColour {
  std::function<SampledColour(int section, Rgb typed, float brightness)> section;
  std::function<SampledColour(float brightness)> background;
};

// The look of the skin at another global brightness.
SkinLook look_at_brightness(const SkinLook& look, float brightness);

// Fills colours.help for every problem line of the report: a colour to try
// (confirmed), a global brightness to try (colours.brightness, confirmed),
// kNonePasses or kUnconfirmed; with a global brightness, also the colour
// to try there of a section that reads well now but would not there.
// asked holds the typed colours of the
// sections, clamped; template_background is the background grey as the
// template draws it, before any adjustment. Calls confirm only for what is
// to be suggested.
// Without a look (the template's colour is unknown) no section colour can
// be predicted: their lines say that nothing was confirmed, while the
// selection is still placed.
void suggest_palette(const SkinLook* look, const Rgb asked[4], Rgb template_background,
                     const ConfirmColour& confirm, ReadabilityColours& colours);

#endif  // SKINBUILDER_COLOR_NEAREST_PASSING_H_
