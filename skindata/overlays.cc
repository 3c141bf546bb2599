#include "skindata/overlays.h"

#include <utility>
#include <vector>

#include "assembly/file_structure.h"
#include "assembly/skin_layout.h"

namespace {

// Frames per knob strip in the full variant: one per indicator position,
// an odd count so that a bipolar knob has a frame at its centre.
constexpr int kKnobFrames = 65;

struct KnobFile {
  const char* suffix;
  int size;
};
const KnobFile kKnobFiles[] = {{"", 44}, {"-Small", 32}, {"-Large", 64}, {"-Tiny", 24}};

// Two frames: idle in grey, active in blue.
Canvas pictogram_strip(int size, const std::function<void(Canvas&, Box, const Paint&)>& draw) {
  return strip_of(2, [&](int lit) {
    Canvas c = make_canvas(size, size);
    draw(c, Box{1, 1, size - 1.f, size - 1.f}, solid(lit ? blue(1.f) : grey(120)));
    return c;
  });
}

}  // namespace

void add_knob_images(JobList& jobs, const Scale& scale, const std::string& images_root,
                     const KnobStyle& style) {
  for (bool bipolar : {true, false}) {
    std::string folder =
        animation_folder(bipolar ? Animation::kKnobBipolar : Animation::kKnobUnipolar);
    for (const KnobFile& f : kKnobFiles) {
      std::string path = images_root + "/Animations/" + folder + "/" + folder + f.suffix + ".png";
      int size = scale.px(f.size), frames = scale.frames(kKnobFrames);
      add_job(jobs, path, [=] { return knob_strip(style, size, frames, bipolar); });
    }
  }
}

void add_lock_images(JobList& jobs, const Scale& scale, const std::string& images_root,
                     LockGlyph glyph) {
  for (auto [suffix, size] : {std::pair<const char*, int>{"", 16}, {"-Large", 24}}) {
    int px = scale.px(size);
    add_job(jobs, images_root + "/Icons/CS1Lock" + suffix + ".png", [=] {
      return pictogram_strip(
          px, [=](Canvas& c, Box b, const Paint& p) { draw_lock_glyph(c, glyph, b, p); });
    });
  }
}

void add_arp_images(JobList& jobs, const Scale& scale, const std::string& images_root,
                    ArpLook look) {
  int px = scale.px(20);
  for (int mode = 0; mode < kArpModeCount; ++mode) {
    std::string path = images_root + "/Controls/CS1KVL-Arp" + arp_mode_name(mode) + ".png";
    add_job(jobs, path, [=] {
      return pictogram_strip(
          px, [=](Canvas& c, Box b, const Paint& p) { draw_arp_glyph(c, look, mode, b, p); });
    });
  }
}

// The overlay folders are the program's own style tables; style n draws
// knob style n - 1, lock glyph n - 1 and arp look n - 1. Style 1 of the lock
// and arp icons is the template's own and has no folder.
void add_overlay_jobs(JobList& jobs, const Scale& scale) {
  static_assert(kKnobOverlayCount == kKnobStyleCount, "one knob drawing per knob style");
  for (int i = 0; i < kKnobStyleCount; ++i) {
    std::string root = std::string("Knobs/") + kKnobStyleLabels[i] + "/Images";
    add_knob_images(jobs, scale, root, overlay_knob_style(i));
  }
  for (int i = 1; i < kLockIconStyleCount; ++i) {
    std::string root = std::string("LockIcons/") + kLockIconStyleFolders[i] + "/Images";
    add_lock_images(jobs, scale, root, static_cast<LockGlyph>(i));
  }
  for (int i = 1; i < kArpIconStyleCount; ++i) {
    std::string root = std::string("AltArp/") + kArpIconStyleFolders[i] + "/Images";
    add_arp_images(jobs, scale, root, static_cast<ArpLook>(i));
  }
}
