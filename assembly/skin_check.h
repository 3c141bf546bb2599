// The images a finished skin must hold, and whether it holds them.
//
// What the build promises follows from the template and the answers: every
// PNG of skindata\SkinTemplate\Images; every PNG of the knob, lock-icon and
// arp-icon overlays the build lays over it (the STANDARD designs take the
// default knob overlay only), replacing template images of the same name
// in any letter case; and, for the multicolour designs, the CS2 to CS4
// clones of the animation folders and image files, named as the clone
// commands name them. Each promised image must be in the skin, not empty,
// a whole PNG (assembly/png_file.h), and of the size of the image it was
// made from: the image passes change colours, never sizes.
#ifndef SKINBUILDER_ASSEMBLY_SKIN_CHECK_H_
#define SKINBUILDER_ASSEMBLY_SKIN_CHECK_H_

#include <string>
#include <vector>

#include "settings/skin_settings.h"

struct PromisedImage {
  std::string path;    // inside the skin folder, e.g. "Images\\Controls\\CS2Env.png"
  std::string source;  // the image it is made from, local form
};

// In the order of their paths, letter case aside.
std::vector<PromisedImage> promised_images(const SkinSettings& settings);

struct ImageCheck {
  int promised = 0;
  int missing = 0;
  int empty = 0;
  int damaged = 0;
  int wrong_size = 0;
  std::string first_problem;  // the path of the first image that failed, if any
  int failed() const { return missing + empty + damaged + wrong_size; }
};

ImageCheck check_skin_images(const SkinSettings& settings);

#endif  // SKINBUILDER_ASSEMBLY_SKIN_CHECK_H_
