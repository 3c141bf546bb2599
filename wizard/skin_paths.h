// Whether every path a build will make fits the system, known before the
// build starts (platform/path_limits.h).
//
// The deepest paths a build makes are those of the skin's images: the
// template's, the style overlays' (which only replace template images) and
// the CS2 to CS4 clones' (assembly/skin_check.h), below the skin folder;
// and, when a skin of that name is there, the same below
// skindata\temp\previous, where it is kept during the build. (The
// scripts, rewritten through a file named with ".new" after them, lie far
// less deep.) On Windows the working folder's own path counts too, so a
// skin that fits in one folder may not fit in a deeper one.
#ifndef SKINBUILDER_WIZARD_SKIN_PATHS_H_
#define SKINBUILDER_WIZARD_SKIN_PATHS_H_

#include <string>

#include "settings/skin_settings.h"

// Empty when every path fits, else the one line to show: how long the
// paths would be, the limit, and what to do (a shorter skin name, or a
// working folder nearer the root of the disk).
std::string skin_path_problem(const SkinSettings& settings);

#endif  // SKINBUILDER_WIZARD_SKIN_PATHS_H_
