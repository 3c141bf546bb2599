#include "scripts/template_script.h"

#include <cstdio>
#include <string>

#include "assembly/commands.h"
#include "scripts/placeholder.h"
#include "scripts/placeholders.h"
#include "scripts/template_greys.h"

namespace {

const TemplatePlaceholders& kWords = kTemplatePlaceholders;

// A single-colour design with multicolour EQ gives bands 2 to 4 the default
// colours of sections 2 to 4.
constexpr const char* kDefaultEqColours[] = {nullptr, "e9ad5c", "3cd886", "dddddd"};

// Enough for any int as "%02x" and any float as "%4.2f" (FLT_MAX has 39
// digits): such numbers are written in full, never cut.
constexpr size_t kNumberTextSize = 64;

// One call's fixed inputs: the script and the values its steps write.
struct Pass {
  const SkinSettings& settings;
  const MeasuredSkin& measured;
  const char* colour;
  char path[kCommandBufferSize];
};

void replace(const Pass& pass, const std::string& placeholder, const std::string& value) {
  replace_placeholder(pass.path, placeholder.c_str(), value.c_str());
}

// A section's sidebar colour, or the selection colour's, as the template
// composes it: the colour word followed by the brightness word.
std::string sidebar_word(const char* colour_word) {
  return std::string(colour_word) + kWords.sidebar_brightness;
}

void sidebar_selection(const Pass& pass) {
  if (pass.settings.sidebar_color_mode != 2) return;
  for (const char* section : kWords.section_colours) {
    replace(pass, sidebar_word(section), sidebar_word(kWords.selection_colour));
  }
}

void sidebar_brightness(const Pass& pass) {
  char text[kNumberTextSize];
  format_bounded(text, sizeof text, "%02x",
                 static_cast<unsigned>(pass.settings.sidebar_brightness));
  replace(pass, kWords.sidebar_brightness, text);
}

// With the flow mod each numbered colour name turns into a selection tone;
// without it the short forms also match inside the numbered ones, which
// keep their number (ALT Custom 3 -> Trans Custom 3).
void colour_names(const Pass& pass) {
  for (const FlowName& name : kWords.flow_names) {
    if (pass.settings.flow_mod != 2) {
      replace(pass, name.placeholder, name.flow_off);
      continue;
    }
    for (int number = 1; number <= 4; ++number) {
      replace(pass, numbered(name.placeholder, number), name.flow_on);
    }
  }
  const TabName& tab = kWords.tab_name;
  if (pass.settings.tab_color_mode != 2) {
    replace(pass, tab.placeholder, tab.plain);
    return;
  }
  for (int number : tab.selection_numbers) {
    replace(pass, numbered(tab.placeholder, number), tab.selection);
  }
}

// The greys as measured after global adjustments; otherwise the template's.
void greys(const Pass& pass) {
  bool adjusted = pass.settings.global_adjust == 2;
  const MeasuredSkin& measured = pass.measured;
  const char* values[] = {
      adjusted ? measured.light_gray.colour : kFixedLightGray,
      adjusted ? measured.middle_gray.colour : kFixedMiddleGray,
      adjusted ? measured.dark_gray.colour : kFixedDarkGray,
  };
  for (int n = 0; n < 3; ++n) replace(pass, kWords.greys[n], values[n]);
}

void single_colour(const Pass& pass) {
  sidebar_selection(pass);
  for (const char* placeholder : kWords.section_colours) replace(pass, placeholder, pass.colour);
  sidebar_brightness(pass);
  bool main_colour_eq = pass.settings.eq_color_mode == 2;
  replace(pass, kWords.eq_bands[0], pass.colour);
  for (int band = 1; band < 4; ++band) {
    replace(pass, kWords.eq_bands[band], main_colour_eq ? pass.colour : kDefaultEqColours[band]);
  }
  colour_names(pass);
  greys(pass);
  for (int n = 1; n < 4; ++n) replace(pass, kWords.section_tags[n], kWords.section_tags[0]);
}

// Section 1 also does the steps that belong to the whole script, before
// sections 2 to 4 are measured.
void multicolour_section(const Pass& pass, int section) {
  if (section < 1 || section > 4) return;
  int eq_mode = pass.settings.eq_color_mode;
  if (section == 1) {
    sidebar_selection(pass);
    colour_names(pass);
    greys(pass);
    sidebar_brightness(pass);
  }
  replace(pass, kWords.section_colours[section - 1], pass.colour);
  if (eq_mode == 1) replace(pass, kWords.eq_bands[section - 1], pass.colour);
  // EQ mode 2 colours every band like the effects section, CS3.
  if (eq_mode == 2 && section == 3) {
    for (const char* placeholder : kWords.eq_bands) replace(pass, placeholder, pass.colour);
  }
}

void closing_steps(const Pass& pass) {
  const SkinSettings& settings = pass.settings;
  char width[kNumberTextSize];
  format_bounded(width, sizeof width, "%4.2f", static_cast<double>(settings.sidebar_width));
  replace(pass, kWords.sidebar_width, width);
  char selection[kCommandBufferSize];
  format_command(selection, "%02x%02x%02x", static_cast<unsigned>(settings.sel_red),
                 static_cast<unsigned>(settings.sel_green),
                 static_cast<unsigned>(settings.sel_blue));
  replace(pass, kWords.selection_colour, selection);
  replace(pass, kWords.version, "v1.1");
}

}  // namespace

void customize_template_script(const SkinSettings& settings, const MeasuredSkin& measured,
                               const char* measured_colour, int section) {
  std::printf("Customizing template skin script.............");
  Pass pass{settings, measured, measured_colour, {}};
  format_command(pass.path, ".\\%s\\Scripts\\%s.txt", settings.skin_name, "Template");
  int design = settings.design_choice;
  if (design == kStandardSingle || design == kCustomSingle) {
    single_colour(pass);
  } else if (design == kStandardMulti || design == kCustomMulti) {
    multicolour_section(pass, section);
  }
  closing_steps(pass);
  std::printf("Done.\n");
}
