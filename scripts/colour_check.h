// Whether the section colours measured from a finished skin are the ones
// the image passes should have made of the answers.
//
// The colour model (color/colour_model.h) works out, from the template's
// section sample and the answers, the colour each section's sample shows
// after the section command and the global command. Every section the
// build measured must lie within a tolerance of that, channel by channel;
// a tool that left the images as they were, greyed them or did something
// else to their colours fails here, though every file is whole.
//
// The tolerance comes from measurements. Designs 1 to 4 and 30 multicolour
// builds of random colours (120 sections, 24 of the builds with random
// global brightness, contrast, saturation and hue from -100 to +100) with
// ImageMagick 6.9.11 on the small template lay exactly on the prediction,
// and the model's own test allows one step; ImageMagick 7 lies up to 2
// steps from 6 in each channel. kColourTolerance is three times that.
// Global adjustments can magnify a step: a contrast of +90 turns a step of
// the recoloured image into nearly thirteen. So with them each section's tolerance
// grows by the most a step of the recoloured colour moves the prediction;
// near +100 that is everything, and the check then lets any colour pass.
//
// The user's advanced options (when they run) do what no model knows: then
// a section only has to show another colour than the template's own where
// the answers change it.
//
// The template's colour is read from its section sample
// (skindata\SkinTemplate\Images\Other\CS1Sample.png, one colour) by the
// program itself, so the check runs no command.
#ifndef SKINBUILDER_SCRIPTS_COLOUR_CHECK_H_
#define SKINBUILDER_SCRIPTS_COLOUR_CHECK_H_

#include "color/colour_metrics.h"
#include "scripts/measure.h"
#include "settings/skin_settings.h"

// Per channel, in 8-bit steps.
inline constexpr int kColourTolerance = 6;

struct ColourMismatch {
  const char* section;  // as the readability report names it: "MAIN", "GENERATORS", ...
  Rgb measured;
  Rgb expected;        // the prediction, or the template's colour when kept_template
  bool kept_template;  // advanced options ran and the section kept the template's colour
};

struct ColourCheck {
  int count = 0;
  ColourMismatch mismatches[4];
};

// The sections the build measured against the answers. Nothing is compared
// when the template's sample cannot be read: the image check then finds
// the skin's copy of it damaged too.
ColourCheck check_measured_colours(const SkinSettings& settings, const MeasuredSkin& measured);

// The same with the template's colour and the measurements given.
ColourCheck compare_measured_colours(const SkinSettings& settings, Rgb template_colour,
                                     const MeasuredSkin& measured);

// One report line per mismatch, such as
// "- MODULATORS colour measured 5999EE, expected EEB05D.".
void print_colour_mismatches(const ColourCheck& check);

#endif  // SKINBUILDER_SCRIPTS_COLOUR_CHECK_H_
