// The name and style questions of the CUSTOM designs, asked once the
// preview is accepted.
//
// The name question comes first; the driver then clears the folder of that
// name and fills it from the template (clear_skin_folder), and the style
// questions follow: knob, lock icon and arp icon styles, each laying its
// overlay over the template at once; then the EQ colouring, the sidebar
// brightness, width and colour, the tab colour and the "flow" mod, which
// are only stored for the script stage.
#ifndef SKINBUILDER_WIZARD_STYLE_QUESTIONS_H_
#define SKINBUILDER_WIZARD_STYLE_QUESTIONS_H_

#include "settings/skin_settings.h"

// Clears the screen and asks for the name, showing the current one as the
// default. A name that fails the safety rules (wizard/answer_checks.h),
// typed or taken by ENTER, is refused with its reason and asked again; at
// end of input an unusable default gives way to "Korvel Dazo Custom". Once
// interrupted, it does nothing more.
void ask_skin_name(SkinSettings& settings);

// The style questions, each on a screen of its own. The EQ question first
// resets eq_color_mode (2 for design 3, 1 otherwise), so a preset's EQ
// choice is never the default. They are asked while the user's previous
// skin is held aside (assembly/previous_skin.h), so an interruption stops
// them at once: false then, with no further screen shown or overlay laid.
bool ask_style_questions(SkinSettings& settings);

#endif  // SKINBUILDER_WIZARD_STYLE_QUESTIONS_H_
