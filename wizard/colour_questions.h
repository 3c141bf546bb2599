// The colour and adjustment questions of the CUSTOM designs: one pass of
// the question loop that the preview closes.
//
// The target colour of CS1 (all four sections in the multicolour design 4),
// the selection colour, then the section's modulate arguments are computed;
// then the global adjustments menu and, when chosen, the brightness,
// contrast, saturation and hue adjustments and the advanced options for
// the image tool. Every question shows the record's current value as its
// default, so a pass after a rejected preview starts from the last answers.
// The red question of each colour group also takes a colour code such as
// #3C3C46, or the three amounts as 238,171,1, for all three amounts
// (wizard/colour_code.h).
// The advanced options are checked (wizard/answer_checks.h) before they are
// kept; a refused text is asked again, with its reason.
#ifndef SKINBUILDER_WIZARD_COLOUR_QUESTIONS_H_
#define SKINBUILDER_WIZARD_COLOUR_QUESTIONS_H_

#include "settings/skin_settings.h"

void ask_colour_questions(SkinSettings& settings);

// The last question of the block on its own (shown only with global
// adjustments chosen): ENTER keeps the current text, a SPACE clears it. At
// end of input an unusable current text is cleared.
void ask_advanced_options(SkinSettings& settings);

#endif  // SKINBUILDER_WIZARD_COLOUR_QUESTIONS_H_
