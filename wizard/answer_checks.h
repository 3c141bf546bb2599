// The safety rules for the two texts that reach command lines: the skin name
// and the advanced image-tool options.
//
// Both enter command lines verbatim. The name becomes a folder that is
// removed and refilled ("rmdir /S /Q"), the options go whole into the image
// tool's command; and both may come from a preset that another user shared.
// So a name is refused when it could reach another folder (".", "..",
// skindata, Presets, a Windows device, a trailing dot or blank that Windows
// drops), break a command line or the colour measurement (which keeps the
// tool's report lines holding "#"), or is too long for the skin_name field.
// Options are refused when they hold the interpreter's special characters,
// could make the image tool write or delete files elsewhere, or would make
// a global adjustment command longer than 511 characters. A refusal is one
// line of text; the question shows it and asks again.
#ifndef SKINBUILDER_WIZARD_ANSWER_CHECKS_H_
#define SKINBUILDER_WIZARD_ANSWER_CHECKS_H_

#include <cstddef>

#include "settings/skin_settings.h"

// Length of the longest global adjustment command of the run, with this
// skin name and options and the record's four adjustments: the skin
// folder's command with the longest pattern, or the preview's.
size_t longest_global_command(const SkinSettings& settings, const char* skin_name,
                              const char* options);

// Length of the longest command of the run with this skin name and the
// record's design, adjustments and options.
size_t longest_command_with_name(const SkinSettings& settings, const char* skin_name);

// nullptr when the name is fine, else the one-line reason. A name that
// would make any command of the run longer than 511 characters is refused.
const char* skin_name_problem(const SkinSettings& settings, const char* name);

// nullptr when the options are fine, else the one-line reason. options may
// be the record's field and lack a NUL (it then counts as too long).
const char* advanced_options_problem(const SkinSettings& settings, const char* options);

// Right after a preset was read (or half read): a design number other than
// 1 to 4 falls back to design 4 named kCustomSkinName with sidebar
// brightness 63, as an unusable preset does; NaN or infinite decimal
// numbers and menu numbers outside their menus take their values at the
// start of a run; unsafe advanced options are cleared; and on the STANDARD
// path, where no name is asked, an unusable name becomes kCustomSkinName.
// Each change is told in one line, followed by a wait for ENTER so it can
// be read before the next screen.
void check_loaded_preset(SkinSettings& settings);

#endif  // SKINBUILDER_WIZARD_ANSWER_CHECKS_H_
