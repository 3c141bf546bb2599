#include "skindata/overlays.h"

#include <utility>
#include <vector>

namespace {

// Frames per knob strip in the full variant: one per indicator position,
// an odd count so that a bipolar knob has a frame at its centre.
constexpr int kKnobFrames = 65;

struct KnobFile {
  const char* suffix;
  int size;
};
const KnobFile kKnobFiles[] = {{"", 44}, {"-Small", 32}, {"-Large", 64}, {"-Tiny", 24}};

const char* const kKnobFolders[kKnobOverlayCount] = {
    "Massive X Style",
    "Bazille Dazo Style",
    "Bitwig Style",
    "Dune Style",
    "Factory Style",
    "Dazo Style",
    "Live Style",
    "Phase Plant Style",
    "ZebraHZ Style",
    "Rapid Style",
    "DrumComputer Color Style",
    "DrumComputer Dark Style",
    "SimpleSquare Style",
    "SimpleCircle Style",
    "SimpleRing Style",
    "Trimmer Style",
};

const std::pair<const char*, LockGlyph> kLockFolders[] = {
    {"Dot", LockGlyph::kDot},
    {"Hero", LockGlyph::kHero},
    {"Key", LockGlyph::kKey},
    {"No Sign", LockGlyph::kNoSign},
    {"Stop Sign", LockGlyph::kStopSign},
    {"Vantrelo Lock", LockGlyph::kRoundLock},
    {"Korvel Lock", LockGlyph::kSquareLock},
    {"Pause Symbol Filled", LockGlyph::kPauseFilled},
};

const std::pair<const char*, ArpLook> kArpFolders[] = {
    {"Standard", ArpLook::kStandard},
    {"Dice", ArpLook::kDice},
};

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
    std::string folder = bipolar ? "KVL-CS1Knob-Bi" : "KVL-CS1Knob-Uni";
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

void add_overlay_jobs(JobList& jobs, const Scale& scale) {
  for (int i = 0; i < kKnobOverlayCount; ++i) {
    std::string root = std::string("Knobs/") + kKnobFolders[i] + "/Images";
    add_knob_images(jobs, scale, root, overlay_knob_style(i));
  }
  for (const auto& [folder, glyph] : kLockFolders) {
    add_lock_images(jobs, scale, std::string("LockIcons/") + folder + "/Images", glyph);
  }
  for (const auto& [folder, look] : kArpFolders) {
    add_arp_images(jobs, scale, std::string("AltArp/") + folder + "/Images", look);
  }
}
