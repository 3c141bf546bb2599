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
// made from: the image passes change colours, never sizes. Nor do they
// change transparency: every pixel's alpha must stay within 1 of the
// source's (ImageMagick 7 may otherwise lay a haze over every pane). Only
// the user's own advanced options, when the global adjustments run, may
// change it on purpose; the images they changed are counted apart, and do
// not fail the build.
//
// The check reads every image of the skin and decodes those whose bytes
// differ from their source's (an image no pass touched is its source byte
// for byte), and each source they need once (the CS2 to CS4 clones share
// their CS1 source), spread over the processors.
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
  int transparency_changed = 0;
  // Changed where the user's advanced options may have meant it: not a failure.
  int transparency_changed_by_options = 0;
  // The paths of the first image not written whole and of the first one
  // counted in transparency_changed, if any.
  std::string first_problem;
  std::string first_transparency_change;
  int not_written() const { return missing + empty + damaged + wrong_size; }
  int failed() const { return not_written() + transparency_changed; }
};

// Whether the user's advanced options (not blank: a space clears them) run
// with the global adjustments, and so may change transparency (and colours
// beyond what the answers say) on purpose.
bool advanced_options_run(const SkinSettings& settings);

ImageCheck check_skin_images(const SkinSettings& settings);

#endif  // SKINBUILDER_ASSEMBLY_SKIN_CHECK_H_
