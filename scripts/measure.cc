#include "scripts/measure.h"

#include <cstdio>
#include <cstring>

#include "assembly/commands.h"
#include "color/colour_metrics.h"
#include "platform/native_path.h"
#include "platform/paths.h"
#include "scripts/host_scripts.h"
#include "scripts/template_greys.h"
#include "scripts/template_script.h"

namespace {

constexpr int kColourDigits = kColourTextSize - 1;

// A section's colour as it was asked for, when its sample cannot be read.
void asked_colour(const SectionColor& color, char* out) {
  format_bounded(out, kColourTextSize, "%02x%02x%02x",
                 static_cast<unsigned>(clamped_amount(color.red)),
                 static_cast<unsigned>(clamped_amount(color.green)),
                 static_cast<unsigned>(clamped_amount(color.blue)));
}

// Each measurement in turn, until one is interrupted.
bool measure_into(MeasuredSample& out, const SampleRow& row, const char* skin_name,
                  const char* fallback, MeasuredSkin& measured) {
  out = measure_sample(row, skin_name, fallback);
  measured.interrupted = out.interrupted;
  return !measured.interrupted;
}

bool measure_greys(const char* skin_name, MeasuredSkin& measured) {
  return measure_into(measured.light_gray, kSamples[0], skin_name, kFixedLightGray, measured) &&
         measure_into(measured.middle_gray, kSamples[1], skin_name, kFixedMiddleGray, measured) &&
         measure_into(measured.dark_gray, kSamples[2], skin_name, kFixedDarkGray, measured);
}

// Measures section n and fills its colour into the template script.
bool measure_section(const SkinSettings& settings, int section, MeasuredSkin& measured) {
  char fallback[kColourTextSize];
  asked_colour(section_color(settings, section), fallback);
  MeasuredSample& sample = measured.sections[section - 1];
  if (!measure_into(sample, kSamples[kFirstSectionSample + section - 1], settings.skin_name,
                    fallback, measured)) {
    return false;
  }
  customize_template_script(settings, measured, sample.colour, section);
  return true;
}

int hex_value(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool is_digit(char c) {
  return c >= '0' && c <= '9';
}

// What the tool prints between the brackets: channel values, whole or with
// a fraction, separated by commas. ImageMagick 7 pads each value to the
// width of the largest ("( 88,152,238)"), 6 does not.
bool is_channel_text(char c) {
  return is_digit(c) || c == ',' || c == '.' || c == '-' || c == ' ';
}

const char* skip_blanks(const char* at, const char* end) {
  while (at < end && *at == ' ') ++at;
  return at;
}

// Where the code of a histogram line starts: after blanks, a pixel count,
// ": (", the channel values, ")", blanks and "#". Null for any other line.
const char* histogram_code(const char* line, const char* end) {
  const char* at = skip_blanks(line, end);
  const char* count = at;
  while (at < end && is_digit(*at)) ++at;
  if (at == count || end - at < 2 || at[0] != ':' || at[1] != ' ') return nullptr;
  at = skip_blanks(at + 2, end);
  if (at == end || *at++ != '(') return nullptr;
  while (at < end && is_channel_text(*at)) ++at;
  if (at == end || *at++ != ')') return nullptr;
  const char* blanks = at;
  at = skip_blanks(at, end);
  if (at == blanks || at == end || *at != '#') return nullptr;
  return at + 1;
}

// Four hexadecimal digits of a 16-bit channel as the nearest 8-bit value,
// as ImageMagick's PNG writer brings a 16-bit image to 8 bits: 0x8100
// (128.498 of 255) gives 0x80, 0x8101 (128.502) 0x81. Its -depth 8 cuts
// the fraction instead, one step lower at most.
void put_eight_bits(const char* digits, char* out) {
  const char kHex[] = "0123456789ABCDEF";
  unsigned long value = 0;
  for (int i = 0; i < 4; ++i) value = value * 16 + static_cast<unsigned long>(hex_value(digits[i]));
  unsigned long eight = (value * 255 + 32767) / 65535;
  out[0] = kHex[eight / 16];
  out[1] = kHex[eight % 16];
}

// A histogram line's code, from its first digit to the line's end: six
// digits (eight with alpha) as they stand, twelve (sixteen) brought to 8
// bits; the digits end at a blank or with the line.
bool read_code(const char* code, const char* end, char* out) {
  size_t digits = 0;
  while (code + digits < end && hex_value(code[digits]) >= 0) ++digits;
  if (code + digits < end && code[digits] != ' ') return false;
  if (digits == 6 || digits == 8) {
    std::memcpy(out, code, kColourDigits);
  } else if (digits == 12 || digits == 16) {
    for (int channel = 0; channel < 3; ++channel) {
      put_eight_bits(code + 4 * channel, out + 2 * channel);
    }
  } else {
    return false;
  }
  out[kColourDigits] = '\0';
  return true;
}

}  // namespace

bool parse_listed_colour(const char* bytes, size_t size, char* out) {
  size_t window = size < kListingReadLimit ? size : kListingReadLimit;
  for (size_t start = 0; start < window;) {
    const void* newline = std::memchr(bytes + start, '\n', window - start);
    // Without a newline the line counts only if it is the last of the file.
    if (newline == nullptr && size > kListingReadLimit) return false;
    size_t end = newline != nullptr ? static_cast<size_t>(static_cast<const char*>(newline) - bytes)
                                    : window;
    size_t line_end = end > start && bytes[end - 1] == '\r' ? end - 1 : end;
    const char* code = histogram_code(bytes + start, bytes + line_end);
    if (code != nullptr) return read_code(code, bytes + line_end, out);
    start = end + 1;
  }
  return false;
}

bool read_listed_colour(const char* listing_file, char* out) {
  std::FILE* in = std::fopen(native_path(listing_file).c_str(), "rb");
  if (in == nullptr) return false;
  // One byte more than is parsed tells whether the file goes on.
  char start[kListingReadLimit + 1];
  size_t size = std::fread(start, 1, sizeof start, in);
  std::fclose(in);
  return parse_listed_colour(start, size, out);
}

MeasuredSample measure_sample(const SampleRow& row, const char* skin_name, const char* fallback) {
  std::printf("%s", row.message);
  char line[kCommandBufferSize];
  format_command(line,
                 ".\\skindata\\identify -verbose \".\\%s\\Images\\Other\\%s\" | findstr # > %s",
                 skin_name, row.sample_file, row.listing_file);
  MeasuredSample sample = {};
  sample.interrupted = run_command(line) == kInterruptedStatus;
  if (sample.interrupted) return sample;
  sample.measured = read_listed_colour(row.listing_file, sample.colour);
  if (!sample.measured) std::memcpy(sample.colour, fallback, kColourDigits);
  std::printf("Done.\n");
  if (!sample.measured) {
    std::printf("Warning: no colour found in %s for %s; using %s.\n",
                shown_relative(row.listing_file).c_str(), row.sample_file, sample.colour);
  }
  return sample;
}

MeasuredSkin customize_scripts(const SkinSettings& settings) {
  MeasuredSkin measured = {};
  if (settings.global_adjust == 2 && !measure_greys(settings.skin_name, measured)) return measured;
  int sections = is_multicolor(settings) ? 4 : 1;
  for (int section = 1; section <= sections; ++section) {
    if (!measure_section(settings, section, measured)) return measured;
  }
  customize_host_scripts(settings.skin_name);
  return measured;
}

int colours_not_measured(const SkinSettings& settings, const MeasuredSkin& measured) {
  int missing = 0;
  int sections = is_multicolor(settings) ? 4 : 1;
  for (int n = 0; n < sections; ++n) missing += measured.sections[n].measured ? 0 : 1;
  if (settings.global_adjust == 2) {
    for (const MeasuredSample* grey :
         {&measured.light_gray, &measured.middle_gray, &measured.dark_gray}) {
      missing += grey->measured ? 0 : 1;
    }
  }
  return missing;
}
