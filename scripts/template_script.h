// Filling in the skin's template script, Scripts\Template.txt.
//
// One call per measured section colour: CS1 alone for single-colour designs
// (its colour then stands for all four sections, and every CS2..CS4 tag
// left in the script becomes CS1), CS1 to CS4 in turn for multicolour
// designs. Each call rewrites the script once per placeholder, in a fixed
// order that the composed placeholders depend on: HEXCS2SBARBRT, say, is
// filled in two parts, HEXCS2 by the colour and SBARBRT by the sidebar
// brightness digits, or is first turned into HEXSELSBARBRT when the sidebar
// takes the selection colour. The settings give the style choices
// (eq_color_mode, sidebar_*, flow_mod, tab_color_mode, sel_*, global_adjust)
// and the skin and design; the measured greys are read only when
// global_adjust is 2. The placeholders are those of scripts/placeholders.h.
#ifndef SKINBUILDER_SCRIPTS_TEMPLATE_SCRIPT_H_
#define SKINBUILDER_SCRIPTS_TEMPLATE_SCRIPT_H_

#include "scripts/measure.h"
#include "settings/skin_settings.h"

// measured_colour: six hexadecimal characters; section: 1 to 4 (consulted by
// multicolour designs only). Prints "Customizing template skin
// script............." and "Done.\n".
void customize_template_script(const SkinSettings& settings, const MeasuredSkin& measured,
                               const char* measured_colour, int section);

#endif  // SKINBUILDER_SCRIPTS_TEMPLATE_SCRIPT_H_
