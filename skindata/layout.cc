#include "skindata/layout.h"

#include <algorithm>

namespace {

// The small variant keeps a few frames of each strip: enough to tell the
// states apart, few enough for fast tests.
constexpr int kSmallFrames = 4;

}  // namespace

int Scale::px(int full) const {
  return small ? std::max(6, (full + 2) / 4) : full;
}

int Scale::frames(int full) const {
  return small ? std::min(full, kSmallFrames) : full;
}

std::vector<std::string> extra_folders() {
  return {"temp", "SkinTemplate/Scripts"};
}

JobList all_image_jobs(const Scale& scale) {
  JobList jobs;
  add_animation_jobs(jobs, scale);
  add_control_jobs(jobs, scale);
  add_icon_jobs(jobs, scale);
  add_other_jobs(jobs, scale);
  add_pane_jobs(jobs, scale);
  add_overlay_jobs(jobs, scale);
  add_preview_jobs(jobs, scale);
  return jobs;
}

void add_job(JobList& jobs, const std::string& path, std::function<Canvas()> draw) {
  jobs.push_back(ImageJob{path, std::move(draw)});
}

Canvas strip_of(int count, const std::function<Canvas(int)>& frame) {
  std::vector<Canvas> frames;
  for (int i = 0; i < count; ++i) frames.push_back(frame(i));
  return stack_frames(frames);
}
