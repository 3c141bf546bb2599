#include "wizard/colour_questions.h"

#include <cstdio>
#include <cstring>

#include "color/modulation.h"
#include "wizard/answer_checks.h"
#include "wizard/colour_code.h"
#include "wizard/prompts.h"

namespace {

const char kOptionsClearedAtEnd[] =
    "Input has ended: the advanced options above cannot be used and were cleared.";

struct ColourGroup {
  const char* heading;
  const char* explanation;
};

const ColourGroup kMainGroup = {
    "MAIN COLOR\n\n",
    "Please enter amount of each color component of the targeted main color.\n\n"};
const ColourGroup kSectionGroups[4] = {
    {"GENERATOR COLOR\n\n",
     "Please enter amount of each color component of the targeted generator color.\n\n"},
    {"\n\n\nMODULATORS COLOR\n\n",
     "Please enter amount of each color component of the targeted modulators color.\n\n"},
    {"\n\n\nEFFECTS COLOR\n\n",
     "Please enter amount of each color component of the targeted effects color.\n\n"},
    {"\n\n\nGLOBALS COLOR\n\n",
     "Please enter amount of each color component of the targeted globals color.\n\n"},
};
const ColourGroup kSelectionGroup = {
    "\n\n\nSELECTION COLOR\n\n",
    "Please enter amount of each color component of the targeted selection color.\n\n"};

void print_section_notes() {
  std::printf("NOTE: The actual skin color may vary from what is input.\n");
  std::printf("      You will have an opportunity to preview the skin before it is finalized.\n");
  std::printf(
      "      For help finding a good color, see "
      "https://www.rapidtables.com/web/color/RGB_Color.html\n\n");
}

void ask_components(int32_t* red, int32_t* green, int32_t* blue) {
  ask_red_or_code("Red amount (0-255) (Default = %d): ", red, green, blue);
  ask_int("Green amount (0-255) (Default = %d): ", green);
  ask_int("Blue amount (0-255) (Default = %d): ", blue);
}

void ask_section_colour(const ColourGroup& group, SectionColor& colour) {
  std::printf("%s", group.heading);
  std::printf("%s", group.explanation);
  print_section_notes();
  ask_components(&colour.red, &colour.green, &colour.blue);
}

void ask_selection_colour(SkinSettings& settings) {
  std::printf("%s", kSelectionGroup.heading);
  std::printf("%s", kSelectionGroup.explanation);
  std::printf(
      "NOTE: Selection color does not appear in preview and will not be effected by any global "
      "image adjustments.\n\n");
  ask_components(&settings.sel_red, &settings.sel_green, &settings.sel_blue);
}

void ask_section_colours(SkinSettings& settings) {
  bool single = settings.design_choice == kCustomSingle;
  ask_section_colour(single ? kMainGroup : kSectionGroups[0], settings.cs1);
  if (settings.design_choice != kCustomMulti) return;
  for (int section = 2; section <= 4; ++section) {
    ask_section_colour(kSectionGroups[section - 1], section_color(settings, section));
  }
}

bool ask_global_adjust_wanted(SkinSettings& settings) {
  clear_screen();
  std::printf("GLOBAL IMAGE ADJUSTMENTS\n");
  std::printf("Do you wish to make global image adjustments to the skin?\n\n");
  std::printf(
      "NOTE: Global adjustments add significantly to the time required to build the skin\n");
  std::printf(
      "      and may cause actual colors to deviate substantially from those selected.\n\n");
  const char* const labels[] = {"No", "Yes"};
  ask_menu(labels, 2, &settings.global_adjust);
  return settings.global_adjust == 2;
}

void ask_adjustment(const char* heading, const char* what, const char* prompt, float* field) {
  std::printf("%s", heading);
  std::printf("Please enter amount of global %s adjustment to make to the skin:\n\n", what);
  ask_float(prompt, field);
}

void ask_adjustments(SkinSettings& settings) {
  clear_screen();
  ask_adjustment(
      "GLOBAL BRIGHTNESS\n\n", "brightness",
      "Brightness Adjustment (-100 to +100) (Default = %g): ", &settings.global_brightness);
  ask_adjustment("\n\nGLOBAL CONTRAST\n\n", "contrast",
                 "Contrast Adjustment (-100 to +100) (Default = %g): ", &settings.global_contrast);
  ask_adjustment(
      "\n\nGLOBAL SATURATION\n\n", "saturation",
      "Saturation Adjustment (-100 to +100) (Default = %g): ", &settings.global_saturation);
  ask_adjustment("\n\nGLOBAL HUE\n\n", "hue",
                 "Hue Adjustment (-100 to +100) (Default = %g): ", &settings.global_hue);
}

void print_options_note() {
  std::printf("\n\nADVANCED OPTIONS\n\n");
  std::printf("Please enter any advanced processing options to apply to the skin:\n\n");
  std::printf(
      "NOTE: See https://imagemagick.org/script/command-line-options.php for a list of "
      "available\n");
  std::printf(
      "      options. It is recommended to avoid using -brightness-contrast or -modulate, as "
      "those\n");
  std::printf(
      "      will conflict with other adjustments applied by this program. To accept the "
      "default\n");
  std::printf("      hit ENTER. To clear the settings, input a SPACE and press ENTER.\n\n");
}

}  // namespace

void ask_advanced_options(SkinSettings& settings) {
  for (;;) {
    char scratch[kAdvancedOptionsSize];
    std::memcpy(scratch, settings.advanced_options, sizeof scratch);
    scratch[sizeof scratch - 1] = '\0';
    bool typed = ask_text("Advanced Options (Default = \"%s\"): ", scratch, sizeof scratch);
    if (answers_interrupted()) return;
    const char* problem = advanced_options_problem(settings, scratch);
    if (problem == nullptr) {
      std::memcpy(settings.advanced_options, scratch, std::strlen(scratch) + 1);
      return;
    }
    std::printf("%s\n", problem);
    if (typed) {
      discard_rest_of_cut_answer();
    } else if (input_closed()) {
      std::memset(settings.advanced_options, 0, sizeof settings.advanced_options);
      std::printf("%s\n", kOptionsClearedAtEnd);
      return;
    }
  }
}

void ask_colour_questions(SkinSettings& settings) {
  if (answers_interrupted()) return;
  clear_screen();
  ask_section_colours(settings);
  ask_selection_colour(settings);
  compute_modulation(settings);
  if (!ask_global_adjust_wanted(settings)) return;
  ask_adjustments(settings);
  print_options_note();
  ask_advanced_options(settings);
}
