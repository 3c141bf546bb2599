// The recolouring pass: turns the template blue of every section-coloured
// image of the skin into its section's colour, in place.
//
// One image-tool run per row of two fixed tables, each row a wildcard
// pattern inside the skin folder and the section (1 = CS1 ... 4 = CS4) whose
// arguments it takes. Group A (CS1 material) runs for every design, group B
// (the CS2 to CS4 clones) only for multicolour designs. Recolouring is not
// idempotent: it expects a fresh copy of the template, which the file
// structure step makes on every build.
#ifndef SKINBUILDER_ASSEMBLY_RECOLOR_H_
#define SKINBUILDER_ASSEMBLY_RECOLOR_H_

#include <cstddef>

#include "assembly/commands.h"
#include "settings/skin_settings.h"

struct RecolorRow {
  const char* pattern;  // inside the skin folder, e.g. "Images\\Controls\\CS1*.png"
  int section;          // 1 to 4
};

constexpr size_t kRecolorGroupACount = 35;
constexpr size_t kRecolorGroupBCount = 38;
extern const RecolorRow kRecolorGroupA[kRecolorGroupACount];
extern const RecolorRow kRecolorGroupB[kRecolorGroupBCount];

// Runs the pass with its progress line: "Modifying colors for NAME.", one
// dot per finished row (the two pane rows of group A excepted), "Done.".
// Returns how many of its commands ran and failed.
CommandTally recolor_skin(const SkinSettings& settings);

#endif  // SKINBUILDER_ASSEMBLY_RECOLOR_H_
