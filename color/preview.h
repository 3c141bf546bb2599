// The preview of the CUSTOM designs: small preview images recoloured with
// exactly the commands the build will apply to the skin, shown to the user,
// who is then asked (by the wizard) whether the result is accepted.
//
// The sources in skindata are never changed: each pass copies them afresh
// into skindata\temp (singlepreview.png becomes CS1preview.png for the
// single-colour design 3; CS1preview.png to CS4preview.png for the others),
// recolours the copy with the section command, adds the global command when
// global adjustments were chosen, and names the copy's path as a command of
// its own, which makes the command interpreter open it.
//
// The tools' own messages go to skindata\temp\tool-messages.txt
// (assembly/previous_skin.h), as during the build, not to the screen. A
// tool stopped at its time limit (assembly/commands.h) ends the preview:
// it says so, and nothing more is made.
#ifndef SKINBUILDER_COLOR_PREVIEW_H_
#define SKINBUILDER_COLOR_PREVIEW_H_

#include "settings/skin_settings.h"

// True when the preview was made and shown, with its report on the
// colours; false when a tool was stopped at its time limit (said in a
// line), so there is nothing to judge.
bool make_preview(const SkinSettings& settings);

#endif  // SKINBUILDER_COLOR_PREVIEW_H_
