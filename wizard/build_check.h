// The check a build must pass before the skin is called ready.
//
// After the scripts are written: every image the build promised is in the
// skin, whole, of its size and of its transparency (assembly/skin_check.h),
// unless the user's advanced options changed that; every recolouring
// and adjustment command succeeded; both host scripts are complete
// (scripts/script_check.h); every colour the scripts needed was measured
// from the skin, not stood in for, and the section colours are those the
// answers make (scripts/colour_check.h); no tool was stopped at its time
// limit. A skin that fails any of these is not ready: the program says what
// failed, in a few grouped lines that name the real cause when there is
// one (a full disk, no write access), and puts the previous skin back.
#ifndef SKINBUILDER_WIZARD_BUILD_CHECK_H_
#define SKINBUILDER_WIZARD_BUILD_CHECK_H_

#include <string>

#include "assembly/commands.h"
#include "assembly/skin_check.h"
#include "scripts/colour_check.h"
#include "scripts/measure.h"
#include "scripts/script_check.h"
#include "settings/skin_settings.h"

struct BuildVerdict {
  CommandTally image_commands;  // the recolouring and adjustment passes
  ImageCheck images;
  ScriptCheck scripts;
  int colours_not_measured = 0;
  ColourCheck colours;          // measured section colours off their prediction
  const char* cause = nullptr;  // what made it fail, when that could be told
  std::string image_tool;       // the mogrify that ran, when the images point at it
  std::string time_limit;       // a tool stopped at its time limit: the line that tells it
  bool passed() const {
    return image_commands.failed == 0 && images.failed() == 0 && scripts.complete() &&
           colours_not_measured == 0 && colours.count == 0 && time_limit.empty();
  }
};

// Checks the skin the build just made, with the colours its scripts took.
BuildVerdict check_built_skin(const SkinSettings& settings, const CommandTally& image_commands,
                              const MeasuredSkin& measured);

// The report of a build that did not pass: "The skin could not be built."
// and one line per kind of failure.
void print_build_failure(const BuildVerdict& verdict);

// What a build that passed should still tell: the images whose transparency
// the user's advanced options changed, in one line and a blank one. Nothing
// otherwise, so a plain build's dialogue stays as it was.
void print_build_notes(const BuildVerdict& verdict);

#endif  // SKINBUILDER_WIZARD_BUILD_CHECK_H_
