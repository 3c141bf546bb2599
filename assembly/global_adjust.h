// The global adjustments pass: the user's brightness, saturation, hue and
// contrast changes and advanced image-tool options, applied in place to
// every image of the finished, recoloured skin.
//
// One image-tool run per folder of the skin's layout (assembly/
// skin_layout.h): the template's animation folders and the four flat image
// folders always, the animation folders cloned for CS2 to CS4 for
// multicolour designs. No folder is treated twice; only .png files are
// touched.
#ifndef SKINBUILDER_ASSEMBLY_GLOBAL_ADJUST_H_
#define SKINBUILDER_ASSEMBLY_GLOBAL_ADJUST_H_

#include "assembly/commands.h"
#include "settings/skin_settings.h"

// Runs the pass when global_adjust is 2 (nothing at all otherwise), with
// its progress line: "Making global adjustments for NAME", a dot per
// folder, "Done.". Returns how many of its commands ran and failed; an
// interruption stops it at its next command.
CommandTally adjust_skin_globally(const SkinSettings& settings);

#endif  // SKINBUILDER_ASSEMBLY_GLOBAL_ADJUST_H_
