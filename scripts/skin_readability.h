// The readability report of a finished skin (color/readability.h), printed
// after the build from the skin's own images.
//
// The section colours are those the colour measurement of the build took
// from Images\Other\CS<n>Sample.png (scripts/measure.h). The dark
// background grey was measured there too when global adjustments were made;
// otherwise it is measured here from Images\Other\DGSample.png, into a
// listing file of its own, skindata\temp\DGfinal.txt. The colours to try on
// its problem lines (color/colour_help.h) are confirmed on copies of the
// template's sample in skindata\temp; the skin itself is not touched again.
// The tools' own messages go to skindata\temp\tool-messages.txt, after
// the build's.
#ifndef SKINBUILDER_SCRIPTS_SKIN_READABILITY_H_
#define SKINBUILDER_SCRIPTS_SKIN_READABILITY_H_

#include "scripts/measure.h"
#include "settings/skin_settings.h"

// Runs after customize_scripts, with what it measured; prints the report
// and a blank line.
void report_skin_readability(const SkinSettings& settings, const MeasuredSkin& measured);

#endif  // SKINBUILDER_SCRIPTS_SKIN_READABILITY_H_
