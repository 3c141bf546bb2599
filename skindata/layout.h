// The list of every image the generator writes, as jobs: a path and a
// function that draws the image.
//
// Paths are relative to the skindata folder, with '/' separators. The
// template skin lies under kTemplateImages; the overlays under Knobs,
// LockIcons and AltArp carry files with the same relative names as the
// template files they replace. A Scale makes the small variant: every name
// is kept, only sizes and frame counts shrink. Jobs are independent of each
// other and may run in any order or thread.
#ifndef SKINBUILDER_SKINDATA_LAYOUT_H_
#define SKINBUILDER_SKINDATA_LAYOUT_H_

#include <functional>
#include <string>
#include <vector>

#include "skindata/canvas.h"

constexpr const char* kTemplateImages = "SkinTemplate/Images";

struct Scale {
  bool small = false;
  int px(int full) const;      // a length in pixels
  int frames(int full) const;  // the frame count of an animation strip
};

struct ImageJob {
  std::string path;
  std::function<Canvas()> draw;
};
using JobList = std::vector<ImageJob>;

// Folders to create besides those that hold images.
std::vector<std::string> extra_folders();

// Every image, template, overlays and previews.
JobList all_image_jobs(const Scale& scale);

// The parts, each in the file named after it.
void add_animation_jobs(JobList& jobs, const Scale& scale);  // animations.cc
void add_control_jobs(JobList& jobs, const Scale& scale);    // flat_images.cc
void add_icon_jobs(JobList& jobs, const Scale& scale);       // flat_images.cc
void add_other_jobs(JobList& jobs, const Scale& scale);      // flat_images.cc
void add_pane_jobs(JobList& jobs, const Scale& scale);       // panes.cc
void add_overlay_jobs(JobList& jobs, const Scale& scale);    // overlays.cc
void add_preview_jobs(JobList& jobs, const Scale& scale);    // previews.cc

// Helpers for the parts.
void add_job(JobList& jobs, const std::string& path, std::function<Canvas()> draw);
// Frames 0 to count-1 drawn by `frame`, stacked top to bottom.
Canvas strip_of(int count, const std::function<Canvas(int)>& frame);

#endif  // SKINBUILDER_SKINDATA_LAYOUT_H_
