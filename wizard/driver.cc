#include "wizard/driver.h"

#include <cstdio>

#include "assembly/file_structure.h"
#include "assembly/global_adjust.h"
#include "assembly/previous_skin.h"
#include "assembly/recolor.h"
#include "color/modulation.h"
#include "color/preview.h"
#include "scripts/measure.h"
#include "scripts/skin_readability.h"
#include "settings/presets.h"
#include "settings/skin_settings.h"
#include "wizard/answer_checks.h"
#include "wizard/build_check.h"
#include "wizard/colour_questions.h"
#include "wizard/install_offer.h"
#include "wizard/prompts.h"
#include "wizard/skin_paths.h"
#include "wizard/style_questions.h"

namespace {

// The run's one settings record and the design menu behind it.
SkinSettings settings;
PresetCatalog catalog;

void greet() {
  clear_screen();
  std::printf("Welcome to the Korvel Dazo Zebra2/HZ Skin Builder\n\n");
  std::printf("OVERALL SKIN DESIGN\n\n");
  std::printf(
      "Single main color, different colors per section (generators, modulators, effect and "
      "global) or preset?\n\n");
  std::printf(
      "NOTE: Choosing either of the \"STANDARD\" options will immediately generate a skin using "
      "all\n");
  std::printf(
      "      default values. Choosing a PRESET will set all default values to those in the "
      "preset, \n");
  std::printf(
      "      such that pressing ENTER on all questions will produce a skin matching the "
      "preset.\n\n");
}

// Designs 1 to 4 take their defaults; any other number loads a preset, or
// falls back to design 4 when there is none under that number.
void choose_design() {
  const char* labels[kCatalogSize];
  catalog_labels(catalog, labels);
  ask_menu(labels, catalog.entry_count, &settings.design_choice);
  if (settings.design_choice >= kStandardSingle && settings.design_choice <= kCustomMulti) {
    apply_design_defaults(settings);
    return;
  }
  load_preset(catalog, settings.design_choice, settings);
  check_loaded_preset(settings);
}

// Before anything is touched: a skin whose paths the system cannot take
// would fail deep in the build.
bool paths_fit() {
  const char* problem = skin_path_problem(settings);
  if (problem != nullptr) std::printf("\n%s\n", problem);
  return problem == nullptr;
}

// The STANDARD designs ask nothing more: their colours are the defaults.
// False when the build cannot start (the reason has been said).
bool prepare_standard_skin() {
  compute_modulation(settings);
  if (!paths_fit() || !begin_skin_build(settings.skin_name)) return false;
  prepare_standard_folder(settings);
  return true;
}

// The CUSTOM designs' question loop: every pass starts from the answers of
// the last one, until the user accepts the preview. False when the preview
// could not be made (it said why).
bool ask_until_preview_accepted() {
  for (;;) {
    ask_colour_questions(settings);
    PreviewAnswer answer = make_preview(settings);
    if (answer != PreviewAnswer::kAgain) return answer == PreviewAnswer::kAccepted;
  }
}

// The CUSTOM designs: questions and preview until accepted, the name, then
// the folder is made and each style answer lays its overlay into it at once.
// False when the build cannot start (the reason has been said).
bool prepare_custom_skin() {
  if (!ask_until_preview_accepted()) return false;
  ask_skin_name(settings);
  if (!paths_fit() || !begin_skin_build(settings.skin_name)) return false;
  clear_skin_folder(settings.skin_name);
  ask_style_questions(settings);
  return true;
}

// File structure, images and scripts, the same for every design. Returns
// the image commands' tally for the build's check.
CommandTally build_skin() {
  clear_screen();
  construct_file_structure(settings);
  clear_screen();
  CommandTally image_commands = recolor_skin(settings);
  CommandTally adjustments = adjust_skin_globally(settings);
  image_commands.run += adjustments.run;
  image_commands.failed += adjustments.failed;
  customize_scripts(settings);
  return image_commands;
}

void announce_ready() {
  clear_screen();
  std::printf("Your skin is now ready.\n\n");
  std::printf(
      "Move the %s folder to [vstfolder]\\ZebraHZ.data\\Support\\Themes  or "
      "[vstfolder]\\Zebra2.data\\Support\\Themes\n\n\n",
      settings.skin_name);
}

void wait_to_finish() {
  std::printf("Press ENTER to finish.\n");
  pause_for_enter();
}

// Only a skin that passed the build's check is called ready; otherwise the
// report says what failed and the previous skin comes back.
bool finish_build(const CommandTally& image_commands) {
  BuildVerdict verdict = check_built_skin(settings, image_commands);
  if (verdict.passed()) {
    keep_new_skin();
    announce_ready();
    print_build_notes(verdict);
    report_skin_readability(settings);
    return true;
  }
  clear_screen();
  print_build_failure(verdict);
  restore_previous_skin();
  std::printf("\n");
  return false;
}

}  // namespace

int run_wizard() {
  init_settings(settings);
  list_presets(catalog);
  greet();
  print_presets_left_out(catalog);
  finish_build_cut_short();
  choose_design();
  bool started = is_standard(settings) ? prepare_standard_skin() : prepare_custom_skin();
  bool built = started && finish_build(build_skin());
  bool installed = !built || offer_install(settings.skin_name);
  if (!started) std::printf("\n");
  // A failed custom build still offers the preset, so no answer is lost.
  bool saved = !is_custom(settings) || save_preset(settings);
  wait_to_finish();
  return built && saved && installed ? 0 : 1;
}
