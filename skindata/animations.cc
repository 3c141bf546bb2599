// The template's animation folders: one folder per animated control, each
// holding strips whose names begin with the folder's own name (the clone
// step renames a copied folder's files by that prefix).
#include <string>
#include <vector>

#include "assembly/skin_layout.h"
#include "skindata/controls.h"
#include "skindata/layout.h"
#include "skindata/overlays.h"
#include "skindata/symbols.h"

namespace {

using Labels = std::vector<std::string>;

struct Variant {
  std::string suffix;
  std::function<Canvas()> draw;
};

void add_folder(JobList& jobs, Animation animation, const std::vector<Variant>& variants) {
  std::string folder = animation_folder(animation);
  for (const Variant& v : variants) {
    add_job(
        jobs,
        std::string(kTemplateImages) + "/Animations/" + folder + "/" + folder + v.suffix + ".png",
        v.draw);
  }
}

Variant buttons(const std::string& suffix, int w, int h, const std::string& label) {
  return {suffix, [=] { return button_strip(w, h, label); }};
}

Variant tabs(const std::string& suffix, int w, int h, const Labels& labels, int frames, bool dim) {
  return {suffix, [=] { return tab_strip(w, h, labels, frames, dim); }};
}

Variant power(const std::string& suffix, int size, bool plate) {
  return {suffix, [=] {
            return stack_frames(
                {draw_power_button(size, false, plate), draw_power_button(size, true, plate)});
          }};
}

Variant lights(const std::string& suffix, int size, int frames) {
  return {suffix, [=] {
            return strip_of(frames, [=](int i) {
              return draw_light(size, frames > 1 ? float(i) / (frames - 1) : 1.f);
            });
          }};
}

Variant symbols(const std::string& suffix, int w, int h, int frames, Symbol (*pick)(int),
                int first) {
  return {suffix, [=] {
            return strip_of(frames,
                            [=](int i) { return draw_selector(w, h, pick(first + i), true); });
          }};
}

Variant texts(const std::string& suffix, int w, int h, const Labels& labels, int frames) {
  return {suffix, [=] {
            return strip_of(frames, [=](int i) {
              return draw_text_selector(w, h, labels[i % labels.size()], true);
            });
          }};
}

// A tab row as drawn in its section colour and dimmed.
std::vector<Variant> lit_and_dim(int w, int h, const Labels& labels, int frames) {
  return {tabs("", w, h, labels, frames, false), tabs("-Dim", w, h, labels, frames, true)};
}

void add_tab_folders(JobList& jobs, const Scale& s) {
  Labels bottom = {"SYNTH", "ARP", "PERFORM", "MATRIX", "FX", "PROGRAM", "GLOBAL", "BROWSER"};
  Labels bottom_z2(bottom.begin(), bottom.begin() + 6);
  add_folder(jobs, Animation::kBottomTabsZ2, lit_and_dim(s.px(600), s.px(22), bottom_z2, s.frames(6)));
  add_folder(jobs, Animation::kBottomTabsZhz, lit_and_dim(s.px(704), s.px(22), bottom, s.frames(8)));
  Labels main = {"SYNTH", "FX", "ARP", "MOD"};
  add_folder(jobs, Animation::kMainTabs, lit_and_dim(s.px(320), s.px(24), main, s.frames(4)));
  Labels mseg = {"MSEG1", "MSEG2", "MSEG3", "MSEG4", "MSEG5", "MSEG6", "MSEG7", "MSEG8"};
  Labels mseg_z2(mseg.begin(), mseg.begin() + 4);
  add_folder(jobs, Animation::kMsegTabsZ2, lit_and_dim(s.px(356), s.px(20), mseg_z2, s.frames(4)));
  add_folder(jobs, Animation::kMsegTabsZhz, lit_and_dim(s.px(708), s.px(20), mseg, s.frames(8)));
  Labels xy = {"XY1", "XY2", "XY3", "XY4"};
  add_folder(jobs, Animation::kXyTabs,
             {tabs("", s.px(200), s.px(18), xy, s.frames(4), false),
              tabs("-Small", s.px(140), s.px(14), xy, s.frames(4), false)});
}

void add_button_folders(JobList& jobs, const Scale& s) {
  add_folder(jobs, Animation::kPrefClose,
             {{"",
               [n = s.px(18)] {
                 return stack_frames({draw_close_button(n, false), draw_close_button(n, true)});
               }},
              {"-Large", [n = s.px(26)] {
                 return stack_frames({draw_close_button(n, false), draw_close_button(n, true)});
               }}});
  add_folder(jobs, Animation::kPrefTab,
             {buttons("", s.px(90), s.px(22), "GENERAL"),
              buttons("-Wide", s.px(140), s.px(22), "APPEARANCE"),
              buttons("-Narrow", s.px(60), s.px(22), "MIDI")});
  add_folder(
      jobs, Animation::kTabPresetDirect,
      {buttons("", s.px(80), s.px(20), "DIRECT"), buttons("-Small", s.px(60), s.px(16), "DIRECT")});
  add_folder(
      jobs, Animation::kTabPresetTags,
      {buttons("", s.px(80), s.px(20), "TAGS"), buttons("-Small", s.px(60), s.px(16), "TAGS")});
  add_folder(
      jobs, Animation::kSyncLatchButton,
      {buttons("", s.px(48), s.px(18), "SYNC"), buttons("-Small", s.px(18), s.px(16), "S"),
       buttons("-Wide", s.px(70), s.px(18), "LATCH"), buttons("-Latch", s.px(18), s.px(16), "L")});
  add_folder(jobs, Animation::kEditMasterButton,
             {buttons("", s.px(50), s.px(18), "EDIT"), buttons("-Small", s.px(18), s.px(16), "E")});
  add_folder(jobs, Animation::kPowerButton,
             {power("", s.px(20), false), power("-Small", s.px(14), false),
              power("-Large", s.px(28), false)});
  add_folder(jobs, Animation::kPowerButtonPlate, {power("", s.px(20), true), power("-Small", s.px(14), true)});
  add_folder(
      jobs, Animation::kPlusMinus,
      {buttons("-Plus", s.px(18), s.px(18), "+"), buttons("-Minus", s.px(18), s.px(18), "-")});
}

Variant steps(const std::string& suffix, int w, int h, int lit_state) {
  return {suffix, [=] { return stack_frames({draw_step(w, h, 0), draw_step(w, h, lit_state)}); }};
}

Variant swing(const std::string& suffix, int w, int h, int frames) {
  return {suffix, [=] {
            return strip_of(frames, [=](int f) {
              Canvas row = make_canvas(w, h);
              for (int i = 0; i < 8; ++i)
                draw_canvas(row, draw_light(h, i <= f * 7 / std::max(1, frames - 1) ? 1.f : 0.f),
                            i * w / 8, 0);
              return row;
            });
          }};
}

void add_indicator_folders(JobList& jobs, const Scale& s) {
  add_folder(jobs, Animation::kGateLight, {lights("", s.px(14), 2), lights("-Small", s.px(10), 2)});
  add_folder(jobs, Animation::kMidiLight,
             {lights("", s.px(12), s.frames(8)), lights("-Small", s.px(8), s.frames(8))});
  add_folder(jobs, Animation::kSwingLights,
             {swing("", s.px(96), s.px(12), s.frames(8)),
              swing("-Small", s.px(64), s.px(8), s.frames(8))});
  add_folder(jobs, Animation::kStepButton,
             {steps("", s.px(20), s.px(28), 1), steps("-Accent", s.px(20), s.px(28), 2),
              steps("-Tie", s.px(20), s.px(28), 3)});
}

// A selector strip at full size and at the small size.
struct SelectorSizes {
  int w, h, small_w, small_h;
};
std::vector<Variant> normal_and_small(const Scale& s, SelectorSizes size, int frames,
                                      Symbol (*pick)(int), int first) {
  return {symbols("", s.px(size.w), s.px(size.h), s.frames(frames), pick, first),
          symbols("-Small", s.px(size.small_w), s.px(size.small_h), s.frames(frames), pick, first)};
}

void add_selector_folders(JobList& jobs, const Scale& s) {
  add_folder(jobs, Animation::kOscillatorWaves, normal_and_small(s, {40, 24, 30, 18}, 8, wave_symbol, 0));
  add_folder(jobs, Animation::kLfoWaves, normal_and_small(s, {44, 24, 32, 18}, 10, wave_symbol, 0));
  add_folder(jobs, Animation::kFilterTypes,
             normal_and_small(s, {48, 26, 36, 20}, 10, filter_symbol, 0));
  add_folder(jobs, Animation::kCrossFilterTypes1, normal_and_small(s, {48, 26, 36, 20}, 6, filter_symbol, 0));
  add_folder(jobs, Animation::kCrossFilterTypes2, normal_and_small(s, {48, 26, 36, 20}, 6, filter_symbol, 4));
  Labels notes = {"1/1", "1/2", "1/4", "1/8", "1/16", "1/32", "1/4.", "1/8."};
  add_folder(jobs, Animation::kNoteLengths,
             {texts("", s.px(40), s.px(18), notes, s.frames(8)),
              texts("-Small", s.px(30), s.px(14), notes, s.frames(8))});
  Labels mods = {"CUT", "RES", "DRV", "FM", "KEY", "ENV"};
  add_folder(jobs, Animation::kFilterModTypes,
             {texts("", s.px(44), s.px(18), mods, s.frames(6)),
              texts("-Small", s.px(32), s.px(14), mods, s.frames(6))});
  Labels voices = {"1", "2", "4", "6", "8", "12", "16", "32"};
  add_folder(jobs, Animation::kVoices,
             {texts("", s.px(30), s.px(18), voices, s.frames(8)),
              texts("-Small", s.px(24), s.px(14), voices, s.frames(8))});
  Labels ls = {"L", "S"};
  add_folder(jobs, Animation::kXyLatchSync,
             {texts("", s.px(18), s.px(18), ls, 2), texts("-Small", s.px(14), s.px(14), ls, 2)});
}

}  // namespace

void add_animation_jobs(JobList& jobs, const Scale& scale) {
  add_tab_folders(jobs, scale);
  add_button_folders(jobs, scale);
  add_indicator_folders(jobs, scale);
  add_selector_folders(jobs, scale);
  add_knob_images(jobs, scale, kTemplateImages, template_knob_style());
}
