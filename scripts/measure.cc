#include "scripts/measure.h"

#include <cstdio>
#include <cstring>

#include "assembly/commands.h"
#include "color/colour_metrics.h"
#include "platform/native_path.h"
#include "platform/paths.h"
#include "scripts/host_scripts.h"
#include "scripts/template_script.h"

MeasuredGreys measured_greys;
MeasuredSkin measured_skin;

namespace {

constexpr int kColourDigits = kColourTextSize - 1;

// A section's colour as it was asked for, when its sample cannot be read.
void asked_colour(const SectionColor& color, char* out) {
  format_bounded(out, kColourTextSize, "%02x%02x%02x",
                 static_cast<unsigned>(clamped_amount(color.red)),
                 static_cast<unsigned>(clamped_amount(color.green)),
                 static_cast<unsigned>(clamped_amount(color.blue)));
}

// Measures into out and keeps the result for the readability report.
void measure_sample_into(const SampleRow& row, const char* skin_name, const char* fallback,
                         char* out, MeasuredSample& kept) {
  kept.measured = measure_sample_checked(row, skin_name, fallback, out);
  std::memcpy(kept.colour, out, kColourTextSize);
}

void measure_greys(const char* skin_name) {
  measure_sample_into(kSamples[0], skin_name, kFixedLightGray, measured_greys.light_gray,
                      measured_skin.light_gray);
  measure_sample_into(kSamples[1], skin_name, kFixedMiddleGray, measured_greys.middle_gray,
                      measured_skin.middle_gray);
  measure_sample_into(kSamples[2], skin_name, kFixedDarkGray, measured_greys.dark_gray,
                      measured_skin.dark_gray);
}

// Measures section n into slot and fills its colour into the template script.
void measure_section(const SkinSettings& settings, int section, char* slot) {
  char fallback[kColourTextSize];
  asked_colour(section_color(settings, section), fallback);
  measure_sample_into(kSamples[kFirstSectionSample + section - 1], settings.skin_name, fallback,
                      slot, measured_skin.sections[section - 1]);
  customize_template_script(settings, measured_greys, slot, section);
}

}  // namespace

bool parse_listed_colour(const char* bytes, size_t size, char* out) {
  // The first line as the line buffer holds it: up to the newline (or a
  // NUL, where a C string would end) and at most 511 characters.
  size_t line_length = 0;
  size_t limit = size < kCommandBufferSize - 1 ? size : kCommandBufferSize - 1;
  while (line_length < limit && bytes[line_length] != '\n' && bytes[line_length] != '\0')
    ++line_length;
  const char* hash = static_cast<const char*>(std::memchr(bytes, '#', line_length));
  if (hash == nullptr) return false;
  size_t after = line_length - static_cast<size_t>(hash + 1 - bytes);
  size_t usable = 0;
  while (usable < after && hash[1 + usable] != '\r') ++usable;
  if (usable < static_cast<size_t>(kColourDigits)) return false;
  std::memcpy(out, hash + 1, kColourDigits);
  out[kColourDigits] = '\0';
  return true;
}

bool read_listed_colour(const char* listing_file, char* out) {
  std::FILE* in = std::fopen(native_path(listing_file).c_str(), "rb");
  if (in == nullptr) return false;
  char start[kCommandBufferSize];
  size_t size = std::fread(start, 1, sizeof start, in);
  std::fclose(in);
  return parse_listed_colour(start, size, out);
}

void measure_sample(const SampleRow& row, const char* skin_name, const char* fallback, char* out) {
  measure_sample_checked(row, skin_name, fallback, out);
}

bool measure_sample_checked(const SampleRow& row, const char* skin_name, const char* fallback,
                            char* out) {
  std::printf("%s", row.message);
  char line[kCommandBufferSize];
  format_command(line,
                 ".\\skindata\\identify -verbose \".\\%s\\Images\\Other\\%s\" | findstr # > %s",
                 skin_name, row.sample_file, row.listing_file);
  run_command(line);
  bool measured = read_listed_colour(row.listing_file, out);
  if (!measured) {
    std::memcpy(out, fallback, kColourDigits);
    out[kColourDigits] = '\0';
  }
  std::printf("Done.\n");
  if (!measured) {
    std::printf("Warning: no colour found in %s for %s; using %s.\n",
                shown_relative(row.listing_file).c_str(), row.sample_file, out);
  }
  return measured;
}

void customize_scripts(const SkinSettings& settings) {
  int global_adjust = settings.global_adjust;
  char slot[10] = {};
  measured_skin = MeasuredSkin{};
  if (global_adjust == 2) measure_greys(settings.skin_name);
  measure_section(settings, 1, slot);
  if (is_multicolor(settings)) {
    for (int section = 2; section <= 4; ++section) measure_section(settings, section, slot);
  }
  customize_host_scripts(settings.skin_name);
}

int colours_not_measured(const SkinSettings& settings) {
  int missing = 0;
  int sections = is_multicolor(settings) ? 4 : 1;
  for (int n = 0; n < sections; ++n) missing += measured_skin.sections[n].measured ? 0 : 1;
  if (settings.global_adjust == 2) {
    for (const MeasuredSample* grey :
         {&measured_skin.light_gray, &measured_skin.middle_gray, &measured_skin.dark_gray}) {
      missing += grey->measured ? 0 : 1;
    }
  }
  return missing;
}
