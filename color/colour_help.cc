#include "color/colour_help.h"

#include <cstdio>

#include "assembly/commands.h"
#include "color/colour_model.h"
#include "color/modulation.h"
#include "color/nearest_passing.h"
#include "color/sample_copy.h"
#include "skindata/palette.h"

namespace {

// Below this distance a step of the colour's way is not worth naming.
constexpr double kNoticeable = 5.0;

// A section's amounts as typed, beyond 0..255 too: the commands are made
// from them as they are.
Rgb typed_colour(const SkinSettings& settings, int section) {
  const SectionColor& colour = section_color(settings, section);
  return {colour.red, colour.green, colour.blue};
}

// Whether the measured sections are what the model predicts from a
// template colour for the colours typed.
bool fits_measurements(const SkinSettings& settings, const ReadabilityColours& colours,
                       Rgb template_guess) {
  SkinLook look = skin_look_of(settings, template_guess);
  int compared = 0;
  for (int n = 1; n <= colours.section_count; ++n) {
    const SampledColour& shown = colours.sections[n - 1];
    if (!shown.measured) continue;
    Rgb predicted = predicted_colour(look, typed_colour(settings, n));
    if (predicted.red != shown.colour.red || predicted.green != shown.colour.green ||
        predicted.blue != shown.colour.blue)
      return false;
    ++compared;
  }
  return compared > 0;
}

// The template's sample colour: the colour the generator draws it in when
// the measured sections bear that out (which saves running the tool), else
// as the tool measures it.
const SampledColour& template_sample(const SkinSettings& settings,
                                     const ReadabilityColours& colours,
                                     TemplateColour& template_colour) {
  if (!template_colour.tried) {
    Rgb drawn = {kTemplateBlue.r, kTemplateBlue.g, kTemplateBlue.b};
    if (fits_measurements(settings, colours, drawn)) {
      template_colour.sample = {true, drawn};
    } else {
      template_colour.sample = measure_template_sample();
    }
    template_colour.tried = true;
  }
  return template_colour.sample;
}

double distance(Rgb one, Rgb two) {
  return ciede2000(srgb_to_lab(one), srgb_to_lab(two));
}

bool blank(const char* text) {
  for (; *text != '\0'; ++text) {
    if (*text != ' ') return false;
  }
  return true;
}

struct Reasons {
  const char* text[6];
  int count;
};

void add(Reasons& reasons, const char* text) {
  reasons.text[reasons.count++] = text;
}

void add_global_reasons(const SkinSettings& settings, Reasons& reasons) {
  if (settings.global_brightness < 0.0f)
    add(reasons, "the global brightness adjustment darkens the whole skin");
  if (settings.global_brightness > 0.0f)
    add(reasons, "the global brightness adjustment lightens the whole skin");
  if (settings.global_contrast > 0.0f)
    add(reasons, "the global contrast adjustment moves colours away from middle grey");
  if (settings.global_contrast < 0.0f)
    add(reasons, "the global contrast adjustment moves colours towards middle grey");
  if (settings.global_saturation > 0.0f)
    add(reasons, "the global saturation adjustment strengthens every colour");
  if (settings.global_saturation < 0.0f)
    add(reasons, "the global saturation adjustment pales every colour");
  if (settings.global_hue != 0.0f) add(reasons, "the global hue adjustment turns every hue");
}

// What moved the colour: the images' brightness when the section command
// alone moves it noticeably (or when the template cannot be measured to
// tell), each global adjustment made, and the advanced options when the
// tool's result lies noticeably off the model's.
Reasons reasons_for(const SkinSettings& settings, int section, Rgb asked, Rgb shown,
                    const SampledColour& template_sample) {
  Reasons reasons = {{}, 0};
  SkinLook look = skin_look_of(settings, template_sample.colour);
  Rgb typed = typed_colour(settings, section);
  bool adjusted = look.adjusted;
  look.adjusted = false;
  if (!template_sample.measured || distance(asked, predicted_colour(look, typed)) >= kNoticeable)
    add(reasons, "images keep their own brightness");
  if (!adjusted) return reasons;
  add_global_reasons(settings, reasons);
  look.adjusted = true;
  if (template_sample.measured && !blank(settings.advanced_options) &&
      distance(predicted_colour(look, typed), shown) >= kNoticeable)
    add(reasons, "the advanced options change colours too");
  return reasons;
}

void print_asked_line(const char* name, Rgb asked, Rgb shown, const Reasons& reasons) {
  std::printf("%s: you asked for %s, the skin will show %s (", name, hex_of(asked).digits,
              hex_of(shown).digits);
  for (int i = 0; i < reasons.count; ++i) std::printf(i == 0 ? "%s" : "; %s", reasons.text[i]);
  // Nothing the model knows of explains it: say what always holds.
  if (reasons.count == 0) std::printf("images keep their own brightness");
  std::printf(")\n");
}

// A copy of the settings at a global brightness: a skin without global
// adjustments gets that one alone, as typing it at its question gives.
SkinSettings at_brightness(const SkinSettings& settings, float brightness) {
  SkinSettings trial = settings;
  if (trial.global_adjust != 2 && brightness != 0.0f) {
    trial.global_adjust = 2;
    trial.global_saturation = trial.global_hue = trial.global_contrast = 0.0f;
    trial.advanced_options[0] = '\0';
  }
  if (trial.global_adjust == 2) trial.global_brightness = brightness;
  return trial;
}

// A copy of the settings with section n typed as colour, and its sample
// measured as the build would show it.
SampledColour measure_trial(const SkinSettings& settings, int section, Rgb typed,
                            float brightness) {
  SkinSettings trial = at_brightness(settings, brightness);
  SectionColor& colour = section_color(trial, section);
  colour.red = typed.red;
  colour.green = typed.green;
  colour.blue = typed.blue;
  compute_section_modulation(colour);
  char tag[8];
  format_bounded(tag, sizeof tag, "Try%d", section);
  return measure_sample_copy(trial, tag, "CS1Sample.png", section);
}

bool any_problem(const ReadabilityColours& colours) {
  for (int n = 1; n <= colours.section_count; ++n) {
    if (section_colour_fails(colours, n) || selection_fails(colours, n)) return true;
  }
  return false;
}

}  // namespace

void asked_colours(const SkinSettings& settings, Rgb asked[4]) {
  for (int n = 1; n <= 4; ++n) {
    const SectionColor& colour = section_color(settings, n);
    asked[n - 1] = {clamped_amount(colour.red), clamped_amount(colour.green),
                    clamped_amount(colour.blue)};
  }
}

void print_asked_and_shown(const SkinSettings& settings, const ReadabilityColours& colours,
                           TemplateColour& template_colour) {
  Rgb asked[4];
  asked_colours(settings, asked);
  for (int n = 1; n <= colours.section_count; ++n) {
    const SampledColour& shown = colours.sections[n - 1];
    if (!shown.measured || distance(asked[n - 1], shown.colour) < kAskedDistance) continue;
    Reasons reasons = reasons_for(settings, n, asked[n - 1], shown.colour,
                                  template_sample(settings, colours, template_colour));
    print_asked_line(report_section_name(colours, n), asked[n - 1], shown.colour, reasons);
  }
}

void add_colour_help(const SkinSettings& settings, ReadabilityColours& colours,
                     TemplateColour& template_colour) {
  if (!any_problem(colours)) return;
  Rgb asked[4];
  asked_colours(settings, asked);
  const SampledColour& sample = template_sample(settings, colours, template_colour);
  SkinLook look = skin_look_of(settings, sample.colour);
  ConfirmColour confirm = {[&settings](int section, Rgb typed, float brightness) {
                             return measure_trial(settings, section, typed, brightness);
                           },
                           [&settings](float brightness) {
                             return measure_sample_copy(at_brightness(settings, brightness),
                                                        "TryDG", "DGSample.png", 0);
                           }};
  Rgb background = {kDarkGreySample.r, kDarkGreySample.g, kDarkGreySample.b};
  suggest_palette(sample.measured ? &look : nullptr, asked, background, confirm, colours);
}
