// Whether the two host scripts of a finished skin are complete.
//
// Scripts\Zebra2.txt and Scripts\ZebraHZ.txt are the template script with
// its placeholders filled in. Filling in never adds or removes a line (no
// value holds a line break), so a complete script has the template's lines
// in the template's order: every template line that holds no placeholder
// and no section tag (which single-colour designs rewrite) reads the same
// in the script, down to the last line; and no placeholder is left.
#ifndef SKINBUILDER_SCRIPTS_SCRIPT_CHECK_H_
#define SKINBUILDER_SCRIPTS_SCRIPT_CHECK_H_

#include <string>

#include "settings/skin_settings.h"

enum class ScriptState {
  kComplete,
  kMissing,           // no such file
  kPlaceholdersLeft,  // a placeholder was never filled in
  kCut,               // lines missing or changed: the script is not the template's
};

// The first placeholder left in the script, or empty. tab_color_mode 2
// leaves the "ALT4 Custom" names other than 1 and 4, as it should.
std::string placeholder_left(const std::string& script, int32_t tab_color_mode);

// Compares a script's text with the template's.
ScriptState check_script_text(const std::string& template_text, const std::string& script,
                              int32_t tab_color_mode);

struct ScriptCheck {
  ScriptState zebra2 = ScriptState::kComplete;
  ScriptState zebra_hz = ScriptState::kComplete;
  bool complete() const {
    return zebra2 == ScriptState::kComplete && zebra_hz == ScriptState::kComplete;
  }
};

// Checks both host scripts of the skin against skindata's template.
ScriptCheck check_host_scripts(const SkinSettings& settings);

#endif  // SKINBUILDER_SCRIPTS_SCRIPT_CHECK_H_
