#include "scripts/template_script.h"

#include <cstdio>

#include "assembly/commands.h"
#include "scripts/placeholder.h"

namespace {

struct Replacement {
  const char* placeholder;
  const char* value;
};

// With the flow mod each numbered colour name turns into a selection tone.
constexpr Replacement kFlowOn[] = {
    {"ALT Custom 1", "SelectColour Trans"}, {"ALT Custom 2", "SelectColour Trans"},
    {"ALT Custom 3", "SelectColour Trans"}, {"ALT Custom 4", "SelectColour Trans"},
    {"ALT2 Custom 1", "SelectColour"},      {"ALT2 Custom 2", "SelectColour"},
    {"ALT2 Custom 3", "SelectColour"},      {"ALT2 Custom 4", "SelectColour"},
    {"ALT3 Custom 1", "SelectColour Mid"},  {"ALT3 Custom 2", "SelectColour Mid"},
    {"ALT3 Custom 3", "SelectColour Mid"},  {"ALT3 Custom 4", "SelectColour Mid"},
};
// Without it the short forms also match inside the numbered ones, which
// keep their number (ALT Custom 3 -> Trans Custom 3).
constexpr Replacement kFlowOff[] = {{"ALT Custom", "Trans Custom"},
                                    {"ALT2 Custom", "Bright Custom"},
                                    {"ALT3 Custom", "Mid Custom"}};
constexpr Replacement kTabsSelection[] = {{"ALT4 Custom 1", "SelectColour"},
                                          {"ALT4 Custom 4", "SelectColour"}};
constexpr Replacement kTabsPlain[] = {{"ALT4 Custom", "Bright Custom"}};

constexpr const char* kSidebarPlaceholders[] = {"HEXCS1SBARBRT", "HEXCS2SBARBRT", "HEXCS3SBARBRT",
                                                "HEXCS4SBARBRT"};
constexpr const char* kSectionPlaceholders[] = {"HEXCS1", "HEXCS2", "HEXCS3", "HEXCS4"};
constexpr const char* kEqPlaceholders[] = {"HEXEQ1", "HEXEQ2", "HEXEQ3", "HEXEQ4"};
// A single-colour design with multicolour EQ gives bands 2 to 4 the default
// colours of sections 2 to 4.
constexpr const char* kDefaultEqColours[] = {nullptr, "e9ad5c", "3cd886", "dddddd"};

// Enough for any int as "%02x" and any float as "%4.2f" (FLT_MAX has 39
// digits): such numbers are written in full, never cut.
constexpr size_t kNumberTextSize = 64;

// One call's fixed inputs: the script and the values its steps write.
struct Pass {
  const SkinSettings& settings;
  const MeasuredGreys& greys;
  const char* colour;
  char path[kCommandBufferSize];
};

void replace(const Pass& pass, const char* placeholder, const char* value) {
  replace_placeholder(pass.path, placeholder, value);
}

template <size_t N>
void replace_all(const Pass& pass, const Replacement (&rows)[N]) {
  for (const Replacement& row : rows) replace(pass, row.placeholder, row.value);
}

void sidebar_selection(const Pass& pass) {
  if (pass.settings.sidebar_color_mode != 2) return;
  for (const char* placeholder : kSidebarPlaceholders) replace(pass, placeholder, "HEXSELSBARBRT");
}

void sidebar_brightness(const Pass& pass) {
  char text[kNumberTextSize];
  format_bounded(text, sizeof text, "%02x",
                 static_cast<unsigned>(pass.settings.sidebar_brightness));
  replace(pass, "SBARBRT", text);
}

void colour_names(const Pass& pass) {
  if (pass.settings.flow_mod == 2) {
    replace_all(pass, kFlowOn);
  } else {
    replace_all(pass, kFlowOff);
  }
  if (pass.settings.tab_color_mode == 2) {
    replace_all(pass, kTabsSelection);
  } else {
    replace_all(pass, kTabsPlain);
  }
}

void greys(const Pass& pass) {
  bool measured = pass.settings.global_adjust == 2;
  replace(pass, "HEXLG", measured ? pass.greys.light_gray : kFixedLightGray);
  replace(pass, "HEXMG", measured ? pass.greys.middle_gray : kFixedMiddleGray);
  replace(pass, "HEXDG", measured ? pass.greys.dark_gray : kFixedDarkGray);
}

void single_colour(const Pass& pass) {
  sidebar_selection(pass);
  for (const char* placeholder : kSectionPlaceholders) replace(pass, placeholder, pass.colour);
  sidebar_brightness(pass);
  bool main_colour_eq = pass.settings.eq_color_mode == 2;
  replace(pass, kEqPlaceholders[0], pass.colour);
  for (int band = 1; band < 4; ++band) {
    replace(pass, kEqPlaceholders[band], main_colour_eq ? pass.colour : kDefaultEqColours[band]);
  }
  colour_names(pass);
  greys(pass);
  // No CS2..CS4 images exist in a single-colour skin.
  replace(pass, "CS2", "CS1");
  replace(pass, "CS3", "CS1");
  replace(pass, "CS4", "CS1");
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
  replace(pass, kSectionPlaceholders[section - 1], pass.colour);
  if (eq_mode == 1) replace(pass, kEqPlaceholders[section - 1], pass.colour);
  // EQ mode 2 colours every band like the effects section, CS3.
  if (eq_mode == 2 && section == 3) {
    for (const char* placeholder : kEqPlaceholders) replace(pass, placeholder, pass.colour);
  }
}

void closing_steps(const Pass& pass) {
  const SkinSettings& settings = pass.settings;
  char width[kNumberTextSize];
  format_bounded(width, sizeof width, "%4.2f", static_cast<double>(settings.sidebar_width));
  replace(pass, "SBARWID", width);
  char selection[kCommandBufferSize];
  format_command(selection, "%02x%02x%02x", static_cast<unsigned>(settings.sel_red),
                 static_cast<unsigned>(settings.sel_green),
                 static_cast<unsigned>(settings.sel_blue));
  replace(pass, "HEXSEL", selection);
  replace(pass, "KVLVER", "v1.1");
}

}  // namespace

void customize_template_script(const SkinSettings& settings, const MeasuredGreys& greys,
                               const char* measured_colour, int section) {
  std::printf("Customizing template skin script.............");
  Pass pass{settings, greys, measured_colour, {}};
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
