#include "color/readability.h"

#include <cmath>
#include <cstdio>

#include "assembly/commands.h"
#include "scripts/measure.h"

namespace {

constexpr Rgb kWhite = {255, 255, 255};

const char* section_name(const ReadabilityColours& colours, int section) {
  if (colours.section_count == 1) return "MAIN";
  const char* const names[] = {"GENERATORS", "MODULATORS", "EFFECTS", "GLOBALS"};
  return names[section - 1];
}

int clamped(int amount) {
  return amount < 0 ? 0 : (amount > 255 ? 255 : amount);
}

int hex_digit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

struct HexText {
  char digits[7];
};

HexText hex_of(Rgb colour) {
  HexText text;
  format_bounded(text.digits, sizeof text.digits, "%02X%02X%02X", clamped(colour.red),
                 clamped(colour.green), clamped(colour.blue));
  return text;
}

// A value with one decimal, never rounded up onto the threshold it misses:
// 2.96 against 3 shows as 2.9, not as a failing 3.0.
double shown(double value, double threshold) {
  double rounded = std::round(value * 10.0) / 10.0;
  if (value < threshold && rounded >= threshold) return std::floor(value * 10.0) / 10.0;
  return rounded;
}

bool every_sample_measured(const ReadabilityColours& colours) {
  bool all = colours.background.measured;
  for (int n = 0; n < colours.section_count; ++n) all = all && colours.sections[n].measured;
  return all;
}

bool any_section_measured(const ReadabilityColours& colours) {
  for (int n = 0; n < colours.section_count; ++n) {
    if (colours.sections[n].measured) return true;
  }
  return false;
}

}  // namespace

ReadabilityColours readability_colours_for(const SkinSettings& settings) {
  ReadabilityColours colours = {};
  colours.section_count = is_multicolor(settings) ? 4 : 1;
  colours.selection = {clamped(settings.sel_red), clamped(settings.sel_green),
                       clamped(settings.sel_blue)};
  return colours;
}

bool parse_hex_colour(const char* text, Rgb& out) {
  int digits[6];
  for (int i = 0; i < 6; ++i) {
    digits[i] = hex_digit(text[i]);
    if (digits[i] < 0) return false;  // also stops at a terminator
  }
  if (text[6] != '\0') return false;
  out = {digits[0] * 16 + digits[1], digits[2] * 16 + digits[3], digits[4] * 16 + digits[5]};
  return true;
}

SampledColour sampled_from_text(bool measured, const char* text) {
  SampledColour sample = {};
  sample.measured = measured && parse_hex_colour(text, sample.colour);
  return sample;
}

SampledColour sampled_from_listing(const char* listing_file) {
  char text[kColourTextSize] = {};
  bool listed = read_listed_colour(listing_file, text);
  return sampled_from_text(listed, text);
}

int print_section_problems(const ReadabilityColours& colours, int section, const char* prefix) {
  const SampledColour& sample = colours.sections[section - 1];
  if (!sample.measured) return 0;
  const char* name = section_name(colours, section);
  HexText hex = hex_of(sample.colour);
  int problems = 0;
  if (colours.background.measured) {
    double ratio = contrast_ratio(sample.colour, colours.background.colour);
    if (ratio < kControlContrast) {
      std::printf(
          "%s%s: %s controls on the %s background %.1f:1, hard to see (aim for %g:1 or more)\n",
          prefix, name, hex.digits, hex_of(colours.background.colour).digits,
          shown(ratio, kControlContrast), kControlContrast);
      ++problems;
    }
  }
  double labels = contrast_ratio(kWhite, sample.colour);
  if (labels < kLabelContrast) {
    std::printf("%s%s: white labels on %s buttons %.1f:1, hard to read (aim for %g:1 or more)\n",
                prefix, name, hex.digits, shown(labels, kLabelContrast), kLabelContrast);
    ++problems;
  }
  double distance = ciede2000(srgb_to_lab(colours.selection), srgb_to_lab(sample.colour));
  if (distance < kSelectionDistance) {
    std::printf(
        "%s%s: %s selection next to %s controls, distance %.1f, hard to tell apart (aim for %g or "
        "more)\n",
        prefix, name, hex_of(colours.selection).digits, hex.digits,
        shown(distance, kSelectionDistance), kSelectionDistance);
    ++problems;
  }
  return problems;
}

void print_readability_report(const ReadabilityColours& colours) {
  if (!colours.background.measured) {
    std::printf("The background sample could not be measured, so its check is left out.\n");
  }
  int problems = 0;
  for (int section = 1; section <= colours.section_count; ++section) {
    if (!colours.sections[section - 1].measured) {
      std::printf("%s: the colour sample could not be measured, so its checks are left out.\n",
                  section_name(colours, section));
    }
    problems += print_section_problems(colours, section, "");
  }
  if (problems > 0 || !any_section_measured(colours)) return;
  if (every_sample_measured(colours)) {
    std::printf("Colours read well.\n");
  } else {
    std::printf("The colours that could be measured read well.\n");
  }
}
