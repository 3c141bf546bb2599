// Measuring the colours the finished images really show, and the stage that
// writes them into the skin's scripts.
//
// The image passes move the colours away from the ones asked for, so the
// scripts are given the colours of small sample images in Images\Other of
// the skin, read by the image tool: its verbose report is filtered to the
// lines holding "#" into a listing file in skindata\temp, and the colour is
// the one of the first histogram line there, the line the tool prints as
// "    36: (88,152,236) #5898EC srgb(88,152,236)". Any other line holding
// "#" (a warning, say) is passed over. Its code must be well formed: six
// hexadecimal digits, taken as they stand (an upper-case digit stays upper
// case), or twelve, which a 16-bit image gives, each channel then brought
// to the nearest of 8 bits (a seventh and eighth, or a thirteenth to
// sixteenth digit, are the alpha, and left out).
//
// A listing file that is missing, or whose first histogram line holds no
// well-formed code, gives a one-line warning; a section then takes the
// colour that was asked for and a grey its fixed value. Either way only a
// colour code ever reaches a script.
#ifndef SKINBUILDER_SCRIPTS_MEASURE_H_
#define SKINBUILDER_SCRIPTS_MEASURE_H_

#include <cstddef>

#include "settings/skin_settings.h"

// A measured colour: six hexadecimal characters and the terminator.
inline constexpr int kColourTextSize = 7;

struct SampleRow {
  const char* tag;           // "LG", "MG", "DG", "CS1" .. "CS4"
  const char* message;       // printed before the measurement
  const char* sample_file;   // the sample image's name inside Images\Other of the skin
  const char* listing_file;  // where the filtered report goes, interpreter form
};

// Rows in measuring order: the three greys, then the four sections.
inline constexpr SampleRow kSamples[] = {
    {"LG", "Measuring actual color Light Gray.......", "LGSample.png",
     ".\\skindata\\temp\\LGinfo.txt"},
    {"MG", "Measuring actual color Middle Gray.......", "MGSample.png",
     ".\\skindata\\temp\\MGinfo.txt"},
    {"DG", "Measuring actual color Dark Gray.......", "DGSample.png",
     ".\\skindata\\temp\\DGinfo.txt"},
    {"CS1", "Measuring actual color CS1.......", "CS1Sample.png", ".\\skindata\\temp\\CS1info.txt"},
    {"CS2", "Measuring actual color CS2.......", "CS2Sample.png", ".\\skindata\\temp\\CS2info.txt"},
    {"CS3", "Measuring actual color CS3.......", "CS3Sample.png", ".\\skindata\\temp\\CS3info.txt"},
    {"CS4", "Measuring actual color CS4.......", "CS4Sample.png", ".\\skindata\\temp\\CS4info.txt"},
};
inline constexpr int kFirstSectionSample = 3;  // kSamples[kFirstSectionSample + n - 1] is CS<n>

// The most of a listing file that is read: the histogram comes first in
// the tool's report, so its first line lies in the first few lines.
inline constexpr size_t kListingReadLimit = 4096;

// The colour of a listing file's bytes: the code of the first histogram
// line among the first kListingReadLimit bytes (a line cut there does not
// count; a last line without a newline does), as six hexadecimal
// characters and the terminator in out. False when there is no histogram
// line there, or the first one's code is not six, eight, twelve or sixteen
// hexadecimal digits followed by a blank or the line's end. Lines may end
// in "\r\n".
bool parse_listed_colour(const char* bytes, size_t size, char* out);

// Reads a listing file, in the interpreter's path form, and parses it.
// False when the file cannot be read or holds no colour.
bool read_listed_colour(const char* listing_file, char* out);

// A colour the stage measured, or the stand-in it took: measured is false
// when the fallback stood in, or the stage did not measure that sample.
struct MeasuredSample {
  char colour[kColourTextSize];
  bool measured;
  bool interrupted;  // the user interrupted the tool: nothing was read
};

// Prints the row's message, runs the tool on the skin's sample and gives
// the six characters it reports, or fallback (six characters) with a
// warning when there is nothing to read. Ends with "Done.\n", except when
// an interruption stopped the tool: then nothing more is said, and the
// sample is not measured.
MeasuredSample measure_sample(const SampleRow& row, const char* skin_name, const char* fallback);

// What the stage measured: the scripts were filled with these, and the
// build's check and readability report take them from the driver, so that
// no sample is measured twice.
struct MeasuredSkin {
  MeasuredSample sections[4];  // CS1 .. CS4
  MeasuredSample light_gray;   // the greys: only measured with global adjustments
  MeasuredSample middle_gray;
  MeasuredSample dark_gray;
  bool interrupted;  // an interruption stopped the stage: nothing after it was done
};

// How many of the colours the stage should have measured (the design's
// sections, and the greys with global adjustments) had to take a stand-in
// instead.
int colours_not_measured(const SkinSettings& settings, const MeasuredSkin& measured);

// The stage: greys when global_adjust is 2, then CS1 and, for multicolour
// designs, CS2 to CS4, each followed by its template script pass; then the
// two host scripts. Gives what it measured; an interruption stops it at
// its next sample.
MeasuredSkin customize_scripts(const SkinSettings& settings);

#endif  // SKINBUILDER_SCRIPTS_MEASURE_H_
