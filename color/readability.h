// The readability report: whether the colours a skin really shows can be
// told apart where it matters, said plainly, one line per problem.
//
// Three checks for each colour section the design uses, on colours measured
// from images (never on the numbers typed, which the image passes move):
// - the section colour against the dark background grey, at least 3:1
//   (WCAG's contrast for controls and other non-text parts);
// - white label text on a lit button of the section colour, at least 2:1
//   (the template's own blue gives about 2.9:1; the ratio is printed, so a
//   user who wants WCAG's 4.5:1 for text can judge for themselves);
// - the typed selection colour against the section colour, a CIEDE2000
//   distance of at least 10 (the selection is drawn over section colours).
// A colour that could not be measured leaves its checks out, with one line
// saying so; no colour is ever guessed for it. A problem line ends with the
// help worked out for it (color/colour_help.h), when there is any: a colour
// to try, or why there is none. When the help is a global brightness, a
// section without a problem whose colour would have one at it gets a line
// with the colour of its hue to try there.
#ifndef SKINBUILDER_COLOR_READABILITY_H_
#define SKINBUILDER_COLOR_READABILITY_H_

#include "color/colour_metrics.h"
#include "settings/skin_settings.h"

struct SampledColour {
  bool measured;  // false: the sample could not be read
  Rgb colour;
};

// What a problem line offers the user (color/colour_help.h works it out).
enum class TryKind {
  kNothing,       // no help worked out: the line ends as it is
  kTry,           // colour, to be typed as red, green, blue or as a code
  kNonePasses,    // no colour of the section's hue passes its checks at any
                  // global brightness; for a selection, no colour at all
  kUnconfirmed,   // the image tool did not confirm any colour worked out
  kSectionFixes,  // a selection line: the section's own colour to try fixes it
  kBrightness     // the section's own colour reads well at the brightness to try
};

struct ColourToTry {
  TryKind kind;
  Rgb colour;
};

// The help for one section's lines: its colour for the control and label
// lines, the selection colour for the selection line. A section colour that
// would sit too near the selection brings a selection to try along.
struct SectionHelp {
  ColourToTry colour;
  ColourToTry selection;
  bool selection_with_colour;
  // No colour of its hue reads well at the skin's brightness.
  bool no_near_colour;
};

// A global brightness to try, one for the whole skin: the section lines
// then give it, with the colour to type at it (kTry) or without
// (kBrightness); a section without a problem that needs a colour of its
// hue at that brightness gets a line of its own (kTry).
struct BrightnessToTry {
  bool suggested;
  float value;  // as typed at the brightness question
  float now;    // the skin's global brightness (0 without global adjustments)
};

struct ReadabilityColours {
  int section_count;          // 1 for the single-colour designs (MAIN), else 4
  SampledColour sections[4];  // CS1 .. CS4 as the images show them
  SampledColour background;   // the skin's dark grey as the images show it
  Rgb selection;              // as typed, each amount clamped to 0..255
  SectionHelp help[4];        // all kNothing unless help was added
  BrightnessToTry brightness;
};

inline constexpr double kControlContrast = 3.0;
inline constexpr double kLabelContrast = 2.0;
inline constexpr double kSelectionDistance = 10.0;

// The sections and the selection of the design, nothing measured yet.
ReadabilityColours readability_colours_for(const SkinSettings& settings);

// Six hexadecimal digits, either case, as a colour; false for anything else.
bool parse_hex_colour(const char* text, Rgb& out);
SampledColour sampled_from_text(bool measured, const char* text);

// The colour of a listing file of the image tool's report
// (scripts/measure.h reads it); not measured when there is none.
SampledColour sampled_from_listing(const char* listing_file);

// The three checks of one colour the images show.
bool reads_on_background(Rgb shown, Rgb background);  // kControlContrast
bool labels_read_on(Rgb shown);                       // kLabelContrast
bool selection_stands_out(Rgb selection, Rgb shown);  // kSelectionDistance

// Whether the section's own colour must change: its colour was measured and
// fails the background check (when the background was measured) or the
// label check. The selection check is the selection's concern.
bool section_colour_fails(const ReadabilityColours& colours, int section);
bool selection_fails(const ReadabilityColours& colours, int section);

// The name of section n in the report: MAIN, or GENERATORS to GLOBALS.
const char* report_section_name(const ReadabilityColours& colours, int section);

// Six upper-case hexadecimal digits of a colour, each amount clamped to 0..255.
struct HexText {
  char digits[7];
};
HexText hex_of(Rgb colour);

// Prints each failed check of section n (1-based) as a line beginning with
// prefix, each ending with the help worked out for it; returns their
// number (a line with a colour for the brightness to try is not a
// problem). Nothing for a section not measured.
int print_section_problems(const ReadabilityColours& colours, int section, const char* prefix);

// The whole report: a line for each sample that could not be measured and
// for each problem, or "Colours read well." when every check ran and passed.
void print_readability_report(const ReadabilityColours& colours);

#endif  // SKINBUILDER_COLOR_READABILITY_H_
