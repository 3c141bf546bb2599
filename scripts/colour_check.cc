#include "scripts/colour_check.h"

#include <cstdio>
#include <cstdlib>

#include "assembly/png_file.h"
#include "assembly/skin_check.h"
#include "color/colour_model.h"
#include "color/readability.h"
#include "platform/native_path.h"

namespace {

constexpr char kTemplateSample[] = ".\\skindata\\SkinTemplate\\Images\\Other\\CS1Sample.png";

// The largest difference in one channel.
int distance(Rgb one, Rgb two) {
  int red = std::abs(one.red - two.red);
  int green = std::abs(one.green - two.green);
  int blue = std::abs(one.blue - two.blue);
  int most = red > green ? red : green;
  return most > blue ? most : blue;
}

Rgb typed_colour(const SkinSettings& settings, int section) {
  const SectionColor& colour = section_color(settings, section);
  return {colour.red, colour.green, colour.blue};
}

// How far the global command can carry the prediction when the recoloured
// image it starts from lies one step off in one channel.
int global_spread(const SkinLook& look, Rgb recoloured) {
  if (!look.adjusted) return 0;
  Rgb predicted = globally_adjusted(look, recoloured);
  int spread = 0;
  for (int step : {-1, 1}) {
    Rgb red = {recoloured.red + step, recoloured.green, recoloured.blue};
    Rgb green = {recoloured.red, recoloured.green + step, recoloured.blue};
    Rgb blue = {recoloured.red, recoloured.green, recoloured.blue + step};
    for (Rgb off : {red, green, blue}) {
      int moved = distance(globally_adjusted(look, off), predicted);
      if (moved > spread) spread = moved;
    }
  }
  return spread;
}

// Whether a section's measured colour is what the answers make, or, with
// advanced options, another colour than the template's where they change
// it. Fills in the mismatch's colours either way.
bool section_fits(const SkinSettings& settings, const SkinLook& look, int section, Rgb measured,
                  ColourMismatch& mismatch) {
  Rgb recoloured = recoloured_colour(look, typed_colour(settings, section));
  Rgb predicted = globally_adjusted(look, recoloured);
  mismatch.measured = measured;
  mismatch.kept_template = advanced_options_run(settings);
  if (mismatch.kept_template) {
    mismatch.expected = look.template_colour;
    bool change_asked = distance(predicted, look.template_colour) > kColourTolerance;
    return !change_asked || distance(measured, look.template_colour) > kColourTolerance;
  }
  mismatch.expected = predicted;
  return distance(measured, predicted) <= kColourTolerance + global_spread(look, recoloured);
}

// The first pixel of the template's sample, a swatch of one colour.
bool read_template_colour(Rgb& colour) {
  PngPixels pixels;
  if (!decode_png(native_path(kTemplateSample), &pixels) || pixels.rgba.size() < 4) return false;
  colour = {pixels.rgba[0], pixels.rgba[1], pixels.rgba[2]};
  return true;
}

void print_hex(Rgb colour) {
  std::printf("%02X%02X%02X", static_cast<unsigned>(colour.red),
              static_cast<unsigned>(colour.green), static_cast<unsigned>(colour.blue));
}

}  // namespace

ColourCheck compare_measured_colours(const SkinSettings& settings, Rgb template_colour,
                                     const MeasuredSkin& measured) {
  ColourCheck check;
  SkinLook look = skin_look_of(settings, template_colour);
  ReadabilityColours names = readability_colours_for(settings);
  for (int section = 1; section <= names.section_count; ++section) {
    SampledColour shown = sampled_from_text(measured.sections[section - 1].measured,
                                            measured.sections[section - 1].colour);
    if (!shown.measured) continue;  // told apart, as a colour not measured
    ColourMismatch& mismatch = check.mismatches[check.count];
    mismatch.section = report_section_name(names, section);
    if (!section_fits(settings, look, section, shown.colour, mismatch)) ++check.count;
  }
  return check;
}

ColourCheck check_measured_colours(const SkinSettings& settings, const MeasuredSkin& measured) {
  Rgb template_colour;
  if (!read_template_colour(template_colour)) return ColourCheck{};
  return compare_measured_colours(settings, template_colour, measured);
}

void print_colour_mismatches(const ColourCheck& check) {
  for (int n = 0; n < check.count; ++n) {
    const ColourMismatch& mismatch = check.mismatches[n];
    std::printf("- %s colour measured ", mismatch.section);
    print_hex(mismatch.measured);
    if (mismatch.kept_template) {
      std::printf(", the template's own, though your answers change it.\n");
    } else {
      std::printf(", expected ");
      print_hex(mismatch.expected);
      std::printf(".\n");
    }
  }
}
