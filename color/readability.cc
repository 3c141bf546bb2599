#include "color/readability.h"

#include <cmath>
#include <cstdio>

#include "assembly/commands.h"
#include "scripts/measure.h"

namespace {

constexpr Rgb kWhite = {255, 255, 255};

int hex_digit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
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

// "; try 84,92,238 (#545CEE)": amounts to type at the three questions, or
// the code to type at the first.
void print_amounts(Rgb colour) {
  std::printf("%d,%d,%d (#%s)", clamped_amount(colour.red), clamped_amount(colour.green),
              clamped_amount(colour.blue), hex_of(colour).digits);
}

void print_help(const ColourToTry& help, const char* none_passes) {
  switch (help.kind) {
    case TryKind::kTry:
      std::printf("; try ");
      print_amounts(help.colour);
      break;
    case TryKind::kNonePasses:
      std::printf("; %s", none_passes);
      break;
    case TryKind::kUnconfirmed:
      std::printf("; no colour to try could be confirmed with the image tool");
      break;
    case TryKind::kSectionFixes:
      std::printf("; the colour to try above fixes this too");
      break;
    case TryKind::kNothing:
    case TryKind::kBrightness:
      break;
  }
}

// "; try global brightness -20 instead of -10 with 84,92,238 (#545CEE)".
void print_brightness_help(const SectionHelp& help, const BrightnessToTry& brightness) {
  std::printf("; %stry global brightness %g",
              help.no_near_colour ? "no colour near it reads well at this brightness: " : "",
              static_cast<double>(brightness.value));
  if (brightness.now != 0.0f) std::printf(" instead of %g", static_cast<double>(brightness.now));
  if (help.colour.kind == TryKind::kTry) {
    std::printf(" with ");
    print_amounts(help.colour.colour);
  }
}

// "GENERATORS: 5798EE reads well at this brightness; at global brightness
// -20 instead of -10, try 84,92,238 (#545CEE)": a section without a
// problem whose colour would have one at the brightness to try.
void print_colour_for_brightness(const ReadabilityColours& colours, int section,
                                 const char* prefix) {
  const BrightnessToTry& brightness = colours.brightness;
  std::printf("%s%s: %s reads well at this brightness; at global brightness %g", prefix,
              report_section_name(colours, section),
              hex_of(colours.sections[section - 1].colour).digits,
              static_cast<double>(brightness.value));
  if (brightness.now != 0.0f) std::printf(" instead of %g", static_cast<double>(brightness.now));
  std::printf(", try ");
  print_amounts(colours.help[section - 1].colour.colour);
  std::printf("\n");
}

// The end of a control or label line.
void print_colour_help(const SectionHelp& help, const BrightnessToTry& brightness) {
  bool with_brightness = brightness.suggested && (help.colour.kind == TryKind::kTry ||
                                                  help.colour.kind == TryKind::kBrightness);
  if (with_brightness) {
    print_brightness_help(help, brightness);
  } else {
    print_help(help.colour, "no colour near it reads well at any global brightness");
  }
  if (help.colour.kind == TryKind::kTry && help.selection_with_colour &&
      help.selection.kind == TryKind::kTry) {
    std::printf(" with the selection at ");
    print_amounts(help.selection.colour);
  }
  std::printf("\n");
}

}  // namespace

HexText hex_of(Rgb colour) {
  HexText text;
  format_bounded(text.digits, sizeof text.digits, "%02X%02X%02X", clamped_amount(colour.red),
                 clamped_amount(colour.green), clamped_amount(colour.blue));
  return text;
}

const char* report_section_name(const ReadabilityColours& colours, int section) {
  if (colours.section_count == 1) return "MAIN";
  const char* const names[] = {"GENERATORS", "MODULATORS", "EFFECTS", "GLOBALS"};
  return names[section - 1];
}

bool reads_on_background(Rgb shown, Rgb background) {
  return contrast_ratio(shown, background) >= kControlContrast;
}

bool labels_read_on(Rgb shown) {
  return contrast_ratio(kWhite, shown) >= kLabelContrast;
}

bool selection_stands_out(Rgb selection, Rgb shown) {
  return ciede2000(srgb_to_lab(selection), srgb_to_lab(shown)) >= kSelectionDistance;
}

bool section_colour_fails(const ReadabilityColours& colours, int section) {
  const SampledColour& sample = colours.sections[section - 1];
  if (!sample.measured) return false;
  if (colours.background.measured && !reads_on_background(sample.colour, colours.background.colour))
    return true;
  return !labels_read_on(sample.colour);
}

bool selection_fails(const ReadabilityColours& colours, int section) {
  const SampledColour& sample = colours.sections[section - 1];
  return sample.measured && !selection_stands_out(colours.selection, sample.colour);
}

ReadabilityColours readability_colours_for(const SkinSettings& settings) {
  ReadabilityColours colours = {};
  colours.section_count = is_multicolor(settings) ? 4 : 1;
  colours.selection = {clamped_amount(settings.sel_red), clamped_amount(settings.sel_green),
                       clamped_amount(settings.sel_blue)};
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
  const char* name = report_section_name(colours, section);
  const SectionHelp& help = colours.help[section - 1];
  HexText hex = hex_of(sample.colour);
  int problems = 0;
  if (colours.background.measured) {
    double ratio = contrast_ratio(sample.colour, colours.background.colour);
    if (ratio < kControlContrast) {
      std::printf(
          "%s%s: %s controls on the %s background %.1f:1, hard to see (aim for %g:1 or more)",
          prefix, name, hex.digits, hex_of(colours.background.colour).digits,
          shown(ratio, kControlContrast), kControlContrast);
      print_colour_help(help, colours.brightness);
      ++problems;
    }
  }
  double labels = contrast_ratio(kWhite, sample.colour);
  if (labels < kLabelContrast) {
    std::printf("%s%s: white labels on %s buttons %.1f:1, hard to read (aim for %g:1 or more)",
                prefix, name, hex.digits, shown(labels, kLabelContrast), kLabelContrast);
    print_colour_help(help, colours.brightness);
    ++problems;
  }
  if (problems == 0 && colours.brightness.suggested && help.colour.kind == TryKind::kTry)
    print_colour_for_brightness(colours, section, prefix);
  double distance = ciede2000(srgb_to_lab(colours.selection), srgb_to_lab(sample.colour));
  if (distance < kSelectionDistance) {
    std::printf(
        "%s%s: %s selection next to %s controls, distance %.1f, hard to tell apart (aim for %g or "
        "more)",
        prefix, name, hex_of(colours.selection).digits, hex.digits,
        shown(distance, kSelectionDistance), kSelectionDistance);
    print_help(help.selection, "no colour stands apart from every section colour");
    std::printf("\n");
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
                  report_section_name(colours, section));
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
