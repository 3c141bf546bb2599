#include "wizard/style_questions.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "assembly/commands.h"
#include "assembly/file_structure.h"
#include "assembly/previous_skin.h"
#include "wizard/answer_checks.h"
#include "wizard/prompts.h"

namespace {

const char kNameFallbackAtEnd[] = "Input has ended: the skin is named Korvel Dazo Custom.";

const char* const kSectionOrSelection[] = {"Color of applicable section", "Selection Color"};

// One menu on a screen of its own.
void ask_screen_menu(const char* question, const char* const* labels, int count, int32_t* field) {
  clear_screen();
  std::printf("%s", question);
  ask_menu(labels, count, field);
}

// A style answer lays its overlay into the skin folder at once. False,
// with nothing copied, when the answer was interrupted.
bool ask_style(const char* question, StyleGroup group, const char* const* labels, int count,
               int32_t* field, const char* skin_name) {
  ask_screen_menu(question, labels, count, field);
  if (answers_interrupted()) return false;
  copy_style_overlay(group, *field, skin_name);
  return true;
}

// A preset's EQ choice is never the default: the single colour design's
// is "Main color only", the others' "Theme-based multicolor".
int32_t default_eq_colouring(const SkinSettings& settings) {
  return settings.design_choice == kCustomSingle ? 2 : 1;
}

// The questions after the styles; each false when interrupted.
bool ask_eq_colouring(SkinSettings& settings) {
  clear_screen();
  settings.eq_color_mode = default_eq_colouring(settings);
  if (settings.design_choice == kCustomSingle) {
    std::printf("Should the EQ be multicolored or only the main color?:\n");
    const char* const labels[] = {"Standard multicolor", "Main color only"};
    ask_menu(labels, 2, &settings.eq_color_mode);
  } else {
    std::printf("Should the EQ be multicolored or only the effects section color?:\n");
    const char* const labels[] = {"Theme-based multicolor", "Effects color only"};
    ask_menu(labels, 2, &settings.eq_color_mode);
  }
  return !answers_interrupted();
}

bool ask_sidebars(SkinSettings& settings) {
  clear_screen();
  std::printf("SIDEBAR BRIGHTNESS\n");
  std::printf("What should the brightness of the module sidebars be?:\n");
  ask_int("Sidebar brightness (0-255) (Default = %d): ", &settings.sidebar_brightness);
  if (answers_interrupted()) return false;
  std::printf("\nSIDEBAR WIDTH\n");
  std::printf("What should the width of the module sidebars be?:\n");
  ask_float("Sidebar width (Default = %g): ", &settings.sidebar_width);
  if (answers_interrupted()) return false;
  std::printf("\nSIDEBAR COLOR\n");
  std::printf(
      "Should the sidebars be the same color as the applicable section or the Selection "
      "Color?:\n");
  ask_menu(kSectionOrSelection, 2, &settings.sidebar_color_mode);
  return !answers_interrupted();
}

bool ask_tab_colour(SkinSettings& settings) {
  ask_screen_menu(
      "Should tabs (main tab, bottom tab, etc.) be the same color as the applicable section or "
      "the Selection Color?:\n",
      kSectionOrSelection, 2, &settings.tab_color_mode);
  return !answers_interrupted();
}

bool ask_flow_mod(SkinSettings& settings) {
  const char* const labels[] = {"No", "Yes"};
  ask_screen_menu(
      "Use quintaris's \"flow\" mod (replace certain colors with the Selection Color?):\n\n",
      labels, 2, &settings.flow_mod);
  return !answers_interrupted();
}

}  // namespace

void ask_skin_name(SkinSettings& settings) {
  if (answers_interrupted()) return;
  clear_screen();
  std::printf("What would you like to name the skin?\n\n");
  for (;;) {
    // A scratch line, not the field: a refused answer must not overwrite
    // the default, and a too-long one must reach the check whole.
    char scratch[kAnswerLineSize];
    format_bounded(scratch, sizeof scratch, "%s", settings.skin_name);
    bool typed = ask_text("(Default = %s)\n: ", scratch, sizeof scratch);
    if (answers_interrupted()) return;
    std::string problem = unusable_name_reason(settings, scratch);
    if (problem.empty()) {
      set_skin_name(settings, scratch);
      return;
    }
    std::printf("%s\n", problem.c_str());
    if (typed) {
      discard_rest_of_cut_answer();
    } else if (input_closed()) {
      std::printf("%s\n", kNameFallbackAtEnd);
      set_skin_name(settings, kCustomSkinName);
      return;
    }
  }
}

bool ask_style_questions(SkinSettings& settings) {
  const char* skin = settings.skin_name;
  return ask_style("Choose a knob style:\n", StyleGroup::kKnob, kKnobStyleLabels, kKnobStyleCount,
                   &settings.knob_style, skin) &&
         ask_style("Choose a lock icon style:\n", StyleGroup::kLockIcon, kLockIconStyleLabels,
                   kLockIconStyleCount, &settings.lock_icon_style, skin) &&
         ask_style("Choose a arp icon style:\n", StyleGroup::kArpIcon, kArpIconStyleLabels,
                   kArpIconStyleCount, &settings.arp_icon_style, skin) &&
         ask_eq_colouring(settings) && ask_sidebars(settings) && ask_tab_colour(settings) &&
         ask_flow_mod(settings);
}

void lay_styles_unasked(SkinSettings& settings) {
  copy_style_overlay(StyleGroup::kKnob, settings.knob_style, settings.skin_name);
  copy_style_overlay(StyleGroup::kLockIcon, settings.lock_icon_style, settings.skin_name);
  copy_style_overlay(StyleGroup::kArpIcon, settings.arp_icon_style, settings.skin_name);
  settings.eq_color_mode = default_eq_colouring(settings);
}
