// The recolouring pass: turns the template blue of every section-coloured
// image of the skin into its section's colour, in place.
//
// One image-tool run per folder or file pattern of the skin's layout
// (assembly/skin_layout.h), in its order: section 1's material for every
// design, the CS2 to CS4 material only for multicolour designs.
// Recolouring is not idempotent: it expects a fresh copy of the template,
// which the file structure step makes on every build.
#ifndef SKINBUILDER_ASSEMBLY_RECOLOR_H_
#define SKINBUILDER_ASSEMBLY_RECOLOR_H_

#include "assembly/commands.h"
#include "settings/skin_settings.h"

// Runs the pass with its progress line: "Modifying colors for NAME.", one
// dot per finished run (the two section-1 pane runs excepted), "Done.".
// Returns how many of its commands ran and failed; an interruption stops
// it at its next command.
CommandTally recolor_skin(const SkinSettings& settings);

#endif  // SKINBUILDER_ASSEMBLY_RECOLOR_H_
