// The images that style overlays replace, drawn for the template's own
// style and for every overlay style.
//
// The template calls these with its own look; overlays.cc calls them with
// each style's look under that style's folder, so the relative names match
// file for file and an overlay copied over a skin replaces them all.
#ifndef SKINBUILDER_SKINDATA_OVERLAYS_H_
#define SKINBUILDER_SKINDATA_OVERLAYS_H_

#include <string>

#include "skindata/icons.h"
#include "skindata/knobs.h"
#include "skindata/layout.h"

// images_root is the folder that stands for a skin's Images folder, e.g.
// kTemplateImages or "Knobs/Massive X Style/Images".
void add_knob_images(JobList& jobs, const Scale& scale, const std::string& images_root,
                     const KnobStyle& style);
void add_lock_images(JobList& jobs, const Scale& scale, const std::string& images_root,
                     LockGlyph glyph);
void add_arp_images(JobList& jobs, const Scale& scale, const std::string& images_root,
                    ArpLook look);

#endif  // SKINBUILDER_SKINDATA_OVERLAYS_H_
