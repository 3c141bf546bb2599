// The colour help that goes with the readability report: why a section
// shows another colour than the one asked for, and a colour to try on
// every problem line.
//
// Nothing here runs a command unless there is something to say: a run whose
// colours read well and look as asked gets the report as before. Otherwise
// the template's section sample is measured once (the colour model needs
// its brightness), and each section colour to try is confirmed by
// recolouring a copy of that sample with the real tool, exactly as the
// preview measures its samples, into skindata\temp\Try<n>Sample.png and
// Try<n>Sample.txt (color/sample_copy.h). The settings are never changed.
#ifndef SKINBUILDER_COLOR_COLOUR_HELP_H_
#define SKINBUILDER_COLOR_COLOUR_HELP_H_

#include "color/readability.h"
#include "settings/skin_settings.h"

// The CIEDE2000 distance from which a shown colour is worth explaining.
inline constexpr double kAskedDistance = 10.0;

// The template's sample colour, measured the first time it is needed.
struct TemplateColour {
  bool tried;
  SampledColour sample;
};

// The typed colours of the sections, each amount clamped to 0..255.
void asked_colours(const SkinSettings& settings, Rgb asked[4]);

// For each measured section of the design lying kAskedDistance or more from
// its asked colour, a line such as
// "GLOBALS: you asked for 3C3C46, the skin will show CCCBEE (images keep
// their own brightness; the global brightness adjustment darkens the whole
// skin)".
void print_asked_and_shown(const SkinSettings& settings, const ReadabilityColours& colours,
                           TemplateColour& template_colour);

// Works out colours.help for every problem line of the report
// (color/nearest_passing.h), confirming with the real tool.
void add_colour_help(const SkinSettings& settings, ReadabilityColours& colours,
                     TemplateColour& template_colour);

#endif  // SKINBUILDER_COLOR_COLOUR_HELP_H_
