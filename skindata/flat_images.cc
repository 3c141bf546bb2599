// The template's flat image folders Controls, Icons and Other.
//
// Section images carry the CS1 tag at the start of their names (the clone
// step copies them by those prefixes for the other sections, and the
// recolouring pass finds them by it); untagged images are neutral grey and
// keep their look in every skin.
#include <string>
#include <vector>

#include "skindata/controls.h"
#include "skindata/layout.h"
#include "skindata/overlays.h"
#include "skindata/parts.h"

namespace {

struct Flat {
  std::string name;  // without .png
  std::function<Canvas()> draw;
};

void add_flat(JobList& jobs, const std::string& folder, const std::vector<Flat>& images) {
  for (const Flat& f : images) {
    add_job(jobs, std::string(kTemplateImages) + "/" + folder + "/" + f.name + ".png", f.draw);
  }
}

// Controls of the sections that the clone step copies for the others.
std::vector<Flat> cloned_controls(const Scale& s) {
  auto px = [s](int v) { return s.px(v); };  // a copy: the jobs outlive s
  return {
      {"CS1EnvAttack", [=] { return draw_selector(px(28), px(20), Symbol::kAttack, true); }},
      {"CS1EnvDecay", [=] { return draw_selector(px(28), px(20), Symbol::kDecay, true); }},
      {"CS1EnvSustain", [=] { return draw_selector(px(28), px(20), Symbol::kSustain, true); }},
      {"CS1EnvRelease", [=] { return draw_selector(px(28), px(20), Symbol::kRelease, true); }},
      {"CS1EnvSlider", [=] { return draw_slider_cap(px(12), px(20), true); }},
      {"CS1EnvDot", [=] { return draw_handle_dot(px(10), true); }},
      {"CS1ModSlot", [=] { return draw_slot(px(80), px(16), true); }},
      {"CS1ModArrowUp", [=] { return draw_pictogram(px(10), Icon::kUp, true); }},
      {"CS1ModArrowDown", [=] { return draw_pictogram(px(10), Icon::kDown, true); }},
      {"CS1ModDepthBar", [=] { return draw_bar(px(60), px(6), true); }},
      {"CS1ModSource", [=] { return draw_text_selector(px(36), px(16), "SRC", true); }},
      {"CS1PMBar", [=] { return draw_bar(px(6), px(60), true); }},
      {"CS1PMLed", [=] { return draw_light(px(10), 1.f); }},
      {"CS1PMSlot", [=] { return draw_slot(px(40), px(16), true); }},
      {"CS1KVL-Dial", [=] { return draw_dial_ring(px(40)); }},
      {"CS1KVL-DotOn", [=] { return draw_handle_dot(px(8), true); }},
      {"CS1KVL-DragHandle", [=] { return draw_grip(px(16), px(8), true); }},
      {"CS1KVL-MiniSlider", [=] { return draw_slider_cap(px(8), px(14), true); }},
      {"CS1KVL-MiniBar", [=] { return draw_bar(px(30), px(4), true); }},
      {"CS1KVL-MidiIcon", [=] { return draw_pictogram(px(16), Icon::kMidi, true); }},
      {"CS1KVL-ModWheel", [=] { return draw_wheel(px(20), px(60)); }},
      {"CS1KVL-ModRing", [=] { return draw_dial_ring(px(30)); }},
      {"CS1KVL-ModMatrixCell", [=] { return draw_slot(px(40), px(14), true); }},
      {"CS1KVL-next", [=] { return draw_arrow_button(px(16), Icon::kRight); }},
      {"CS1KVL-next-Small", [=] { return draw_arrow_button(px(12), Icon::kRight); }},
      {"CS1KVL-prev", [=] { return draw_arrow_button(px(16), Icon::kLeft); }},
      {"CS1KVL-prev-Small", [=] { return draw_arrow_button(px(12), Icon::kLeft); }},
      {"CS1KVL-ResBar", [=] { return draw_bar(px(40), px(6), true); }},
      {"CS1KVL-ResDot", [=] { return draw_handle_dot(px(8), true); }},
      {"CS1KVL-SliderCap", [=] { return draw_slider_cap(px(10), px(18), true); }},
      {"CS1KVL-SliderCapV", [=] { return draw_slider_cap(px(18), px(10), true); }},
      {"CS1KVL-SliderFill", [=] { return draw_bar(px(80), px(4), true); }},
      {"CS1KVL-SliderFillV", [=] { return draw_bar(px(4), px(80), true); }},
      {"CS1KVL-XYDot", [=] { return draw_handle_dot(px(14), true); }},
      {"CS1KVL-XYCross", [=] { return draw_crosshair(px(24), true); }},
      {"CS1XYDot", [=] { return draw_handle_dot(px(10), true); }},
      {"CS1XYGrid", [=] { return draw_grid(px(64), px(64), true); }},
  };
}

// Section controls that stay with the first section in every skin.
std::vector<Flat> own_controls(const Scale& s) {
  auto px = [s](int v) { return s.px(v); };  // a copy: the jobs outlive s
  return {
      {"CS1Scope", [=] { return draw_scope(px(120), px(60)); }},
      {"CS1Led", [=] { return draw_light(px(10), 1.f); }},
      {"CS1Wave-Sine", [=] { return draw_selector(px(24), px(16), Symbol::kSine, true); }},
      {"CS1Wave-Saw", [=] { return draw_selector(px(24), px(16), Symbol::kSawUp, true); }},
      {"CS1Wave-Square", [=] { return draw_selector(px(24), px(16), Symbol::kSquare, true); }},
      {"CS1Wave-Triangle", [=] { return draw_selector(px(24), px(16), Symbol::kTriangle, true); }},
      {"CS1SliderCap-Big", [=] { return draw_slider_cap(px(14), px(26), true); }},
      {"CS1Check", [=] { return draw_check(px(14), true); }},
      {"CS1Radio", [=] { return draw_radio(px(14), true); }},
      {"CS1Toggle", [=] { return draw_toggle(px(28), px(14), true); }},
      {"CS1Meter", [=] { return draw_meter(px(8), px(80), true); }},
      {"CS1MeterH", [=] { return draw_meter(px(80), px(8), true); }},
      {"CS1Progress", [=] { return draw_bar(px(100), px(6), true); }},
      {"CS1Button", [=] { return button_strip(px(60), px(18), ""); }},
      {"CS1Button-Wide", [=] { return button_strip(px(100), px(18), ""); }},
      {"CS1Key-Down", [=] { return draw_key(px(16), px(70), false, true); }},
  };
}

std::vector<Flat> neutral_controls(const Scale& s) {
  auto px = [s](int v) { return s.px(v); };  // a copy: the jobs outlive s
  std::vector<Flat> list = {
      {"ScrollTrack", [=] { return draw_groove(px(10), px(100)); }},
      {"ScrollTrackH", [=] { return draw_groove(px(100), px(10)); }},
      {"ScrollThumb", [=] { return draw_slider_cap(px(10), px(30), false); }},
      {"ScrollThumbH", [=] { return draw_slider_cap(px(30), px(10), false); }},
      {"SliderTrack", [=] { return draw_groove(px(100), px(6)); }},
      {"SliderTrackV", [=] { return draw_groove(px(6), px(100)); }},
      {"SliderCap", [=] { return draw_slider_cap(px(10), px(18), false); }},
      {"Checkbox", [=] { return draw_check(px(14), false); }},
      {"Radio", [=] { return draw_radio(px(14), false); }},
      {"Toggle", [=] { return draw_toggle(px(28), px(14), false); }},
      {"MenuArrow", [=] { return draw_pictogram(px(10), Icon::kDown, false); }},
      {"MenuArrowUp", [=] { return draw_pictogram(px(10), Icon::kUp, false); }},
      {"Btn-Grey", [=] { return draw_button(px(60), px(18), "", false); }},
      {"Btn-Grey-Small", [=] { return draw_button(px(30), px(16), "", false); }},
      {"Btn-Grey-Wide", [=] { return draw_button(px(120), px(18), "", false); }},
      {"Btn-OK", [=] { return draw_button(px(60), px(20), "OK", false); }},
      {"Btn-Cancel", [=] { return draw_button(px(60), px(20), "CANCEL", false); }},
      {"Divider-H", [=] { return draw_divider(px(200), 2); }},
      {"Divider-V", [=] { return draw_divider(2, px(200)); }},
      {"Screw", [=] { return draw_screw(px(12)); }},
      {"Grip", [=] { return draw_grip(px(16), px(8), false); }},
      {"ValueBox", [=] { return draw_value_box(px(60), px(16)); }},
      {"ValueBox-Small", [=] { return draw_value_box(px(40), px(14)); }},
      {"Led-Off", [=] { return draw_light(px(10), 0.f); }},
      {"Key-White", [=] { return draw_key(px(16), px(70), false, false); }},
      {"Key-Black", [=] { return draw_key(px(10), px(44), true, false); }},
      {"Key-BlackDown", [=] { return draw_key(px(10), px(44), true, true); }},
      {"Meter-Off", [=] { return draw_meter(px(8), px(80), false); }},
  };
  const char* corners[] = {"Corner-TL", "Corner-TR", "Corner-BL", "Corner-BR"};
  for (int i = 0; i < 4; ++i) list.push_back({corners[i], [=] { return draw_corner(px(8), i); }});
  return list;
}

std::vector<Flat> section_icons(const Scale& s) {
  std::vector<Flat> list;
  const std::pair<const char*, int> sizes[] = {{"", 16}, {"-Large", 24}, {"-Small", 12}};
  for (const IconName& n : icon_names()) {
    for (auto [suffix, size] : sizes) {
      list.push_back({std::string("CS1") + n.name + suffix,
                      [=, px = s.px(size)] { return draw_pictogram(px, n.icon, true); }});
    }
  }
  return list;
}

std::vector<Flat> neutral_icons(const Scale& s) {
  std::vector<Flat> list;
  for (const IconName& n : icon_names()) {
    list.push_back({n.name, [=, px = s.px(16)] { return draw_pictogram(px, n.icon, false); }});
    list.push_back({std::string(n.name) + "-Large",
                    [=, px = s.px(24)] { return draw_pictogram(px, n.icon, false); }});
  }
  return list;
}

std::vector<Flat> samples(const Scale& s) {
  int px = s.px(16);
  return {
      {"CS1Sample", [=] { return draw_swatch(px, kTemplateBlue); }},
      {"CS2Sample", [=] { return draw_swatch(px, kTemplateBlue); }},
      {"CS3Sample", [=] { return draw_swatch(px, kTemplateBlue); }},
      {"CS4Sample", [=] { return draw_swatch(px, kTemplateBlue); }},
      {"LGSample", [=] { return draw_swatch(px, kLightGreySample); }},
      {"MGSample", [=] { return draw_swatch(px, kMiddleGreySample); }},
      {"DGSample", [=] { return draw_swatch(px, kDarkGreySample); }},
  };
}

std::vector<Flat> other_images(const Scale& s) {
  auto px = [s](int v) { return s.px(v); };  // a copy: the jobs outlive s
  return {
      {"CS1Accent", [=] { return draw_bar(px(200), px(3), true); }},
      {"CS1AccentDot", [=] { return draw_handle_dot(px(8), true); }},
      {"CS1Arrow", [=] { return draw_pictogram(px(12), Icon::kPlay, true); }},
      {"CS1Glow", [=] { return draw_glow_spot(px(64)); }},
      {"CS1Logo", [=] { return draw_logo(px(200), px(48), true); }},
      {"CS1Selection", [=] { return make_canvas(px(100), px(20), blue(1.f, 0.3f)); }},
      {"CS1Focus", [=] { return draw_crosshair(px(40), true); }},
      {"Logo", [=] { return draw_logo(px(200), px(48), false); }},
      {"Shadow-H", [=] { return draw_shade(px(200), px(12), false); }},
      {"Shadow-V", [=] { return draw_shade(px(12), px(200), true); }},
      {"Vignette", [=] { return draw_vignette(px(400), px(300)); }},
      {"Tooltip", [=] { return draw_tooltip(px(160), px(40)); }},
      {"Divider", [=] { return draw_divider(px(300), 2); }},
  };
}

}  // namespace

void add_control_jobs(JobList& jobs, const Scale& scale) {
  add_flat(jobs, "Controls", cloned_controls(scale));
  add_flat(jobs, "Controls", own_controls(scale));
  add_flat(jobs, "Controls", neutral_controls(scale));
  add_arp_images(jobs, scale, kTemplateImages, ArpLook::kClarity);
}

void add_icon_jobs(JobList& jobs, const Scale& scale) {
  add_flat(jobs, "Icons", section_icons(scale));
  add_flat(jobs, "Icons", neutral_icons(scale));
  add_lock_images(jobs, scale, kTemplateImages, LockGlyph::kPause);
}

void add_other_jobs(JobList& jobs, const Scale& scale) {
  add_flat(jobs, "Other", samples(scale));
  add_flat(jobs, "Other", other_images(scale));
}
