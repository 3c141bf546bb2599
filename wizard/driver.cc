#include "wizard/driver.h"

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "assembly/file_structure.h"
#include "assembly/global_adjust.h"
#include "assembly/previous_skin.h"
#include "assembly/recolor.h"
#include "color/modulation.h"
#include "color/preview.h"
#include "platform/paths.h"
#include "platform/wildcard.h"
#include "scripts/measure.h"
#include "scripts/skin_readability.h"
#include "settings/palette_file.h"
#include "settings/palette_menu.h"
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

// Designs 1 to 4 take their defaults; a preset's number loads it, or falls
// back to design 4 when it cannot be used.
void choose_design(const PresetCatalog& catalog, SkinSettings& settings) {
  const char* labels[kCatalogSize];
  catalog_labels(catalog, labels);
  ask_menu(labels, catalog.entry_count, &settings.design_choice);
  if (settings.design_choice >= kStandardSingle && settings.design_choice <= kCustomMulti) {
    apply_design_defaults(settings);
    return;
  }
  if (is_palette_entry(catalog, settings.design_choice)) {
    if (!load_palette(catalog, settings.design_choice, settings)) pause_for_enter();
    return;
  }
  // A preset that could not be used has said why: the user reads it first.
  if (!load_preset(catalog, settings.design_choice, settings)) pause_for_enter();
  check_loaded_preset(settings);
}

// Before anything is touched: a skin whose paths the system cannot take
// would fail deep in the build.
bool paths_fit(const SkinSettings& settings) {
  std::string problem = skin_path_problem(settings);
  if (!problem.empty()) std::printf("\n%s\n", problem.c_str());
  return problem.empty();
}

// The STANDARD designs ask nothing more: their colours are the defaults.
// Not active when the build cannot start (the reason has been said).
SkinBuild prepare_standard_skin(SkinSettings& settings) {
  compute_modulation(settings);
  if (!paths_fit(settings)) return SkinBuild{};
  SkinBuild build = begin_skin_build(settings.skin_name);
  if (build.active) prepare_standard_folder(settings);
  return build;
}

// The CUSTOM designs' question loop: every pass starts from the answers of
// the last one, until the user accepts the preview. False when the preview
// could not be made (it said why).
bool ask_until_preview_accepted(SkinSettings& settings) {
  for (;;) {
    ask_colour_questions(settings);
    if (!make_preview(settings)) return false;
    if (ask_preview_accepted()) return true;
  }
}

// The CUSTOM designs: questions and preview until accepted, the name, then
// the folder is made and each style answer lays its overlay into it at once.
// Not active when the build cannot start (the reason has been said).
SkinBuild prepare_custom_skin(SkinSettings& settings) {
  if (!ask_until_preview_accepted(settings)) return SkinBuild{};
  ask_skin_name(settings);
  if (!paths_fit(settings)) return SkinBuild{};
  SkinBuild build = begin_skin_build(settings.skin_name);
  if (!build.active) return build;
  clear_skin_folder(settings.skin_name);
  build.interrupted = !ask_style_questions(settings);
  return build;
}

// The CUSTOM designs without questions: the record's answers as ENTER at
// every question would keep them, and no preview, since nobody looks.
SkinBuild prepare_unasked_custom_skin(SkinSettings& settings) {
  compute_modulation(settings);
  if (!paths_fit(settings)) return SkinBuild{};
  SkinBuild build = begin_skin_build(settings.skin_name);
  if (!build.active) return build;
  clear_skin_folder(settings.skin_name);
  lay_styles_unasked(settings);
  return build;
}

// What a build hands on to its check: the image commands' tally and the
// colours measured for the scripts.
struct BuiltSkin {
  CommandTally image_commands;
  MeasuredSkin colours;
  bool interrupted;  // no further stage began
};

// File structure, images and scripts, the same for every design. An
// interruption (platform/interruption.h) stops it at the next command.
BuiltSkin build_skin(const SkinSettings& settings) {
  BuiltSkin built = {};
  clear_screen();
  built.interrupted = !construct_file_structure(settings);
  if (built.interrupted) return built;
  clear_screen();
  built.image_commands = recolor_skin(settings);
  if (!built.image_commands.interrupted) built.image_commands.add(adjust_skin_globally(settings));
  built.interrupted = built.image_commands.interrupted;
  if (built.interrupted) return built;
  built.colours = customize_scripts(settings);
  built.interrupted = built.colours.interrupted;
  return built;
}

void announce_ready(const SkinSettings& settings) {
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
bool finish_build(const SkinSettings& settings, SkinBuild& build, const BuiltSkin& built) {
  BuildVerdict verdict = check_built_skin(settings, built.image_commands, built.colours);
  if (verdict.passed()) {
    keep_new_skin(build);
    announce_ready(settings);
    print_build_notes(verdict);
    report_skin_readability(settings, built.colours);
    return true;
  }
  clear_screen();
  print_build_failure(verdict);
  restore_previous_skin(build);
  std::printf("\n");
  return false;
}

// A preset of an older version is no palette either: say what it is.
bool is_preset_name(const std::string& path) {
  return path.size() >= 4 && same_name_any_case(path.substr(path.size() - 4), ".kvl");
}

// A preset when the file is a whole one, else a palette. False after a
// line saying why it cannot be used.
bool load_build_file(const std::string& path, const std::string& shown, SkinSettings& settings) {
  if (load_preset_file(path, settings)) {
    check_loaded_preset(settings);
    return true;
  }
  PaletteRead read = read_palette_file(path);
  if (!read.usable && is_preset_name(path) && path_exists(path)) {
    read.reason = "it is no preset of this version";
  }
  if (!read.usable) {
    std::printf("%s\n", unusable_palette_line(shown, read.reason).c_str());
    return false;
  }
  take_palette(read.palette, settings);
  return true;
}

// The name given with --name must be usable as it is; a name the file
// gives that is not gives way to the CUSTOM designs' name.
bool name_unasked_skin(const BuildOrder& order, SkinSettings& settings) {
  std::string name = order.skin_name.empty() ? settings.skin_name : order.skin_name;
  std::string problem = unusable_name_reason(settings, name.c_str());
  if (problem.empty()) {
    set_skin_name(settings, name.c_str());
    return true;
  }
  if (!order.skin_name.empty()) {
    std::printf("%s\n", problem.c_str());
    return false;
  }
  std::printf("%s\nThe skin is named %s.\n", problem.c_str(), kCustomSkinName);
  set_skin_name(settings, kCustomSkinName);
  return true;
}

}  // namespace

int run_without_questions(const BuildOrder& order, const std::string& moved_line) {
  if (!moved_line.empty()) std::printf("%s\n\n", moved_line.c_str());
  SkinSettings settings;
  init_settings(settings);
  finish_build_cut_short();
  if (!load_build_file(order.path, order.file, settings)) return 1;
  if (!name_unasked_skin(order, settings)) return 1;
  SkinBuild build = is_standard(settings) ? prepare_standard_skin(settings)
                                          : prepare_unasked_custom_skin(settings);
  BuiltSkin skin = build.active ? build_skin(settings) : BuiltSkin{};
  if (skin.interrupted) return stop_interrupted_build(build);
  bool built = build.active && finish_build(settings, build, skin);
  bool installed = !built || !order.install || install_without_questions(settings.skin_name);
  return built && installed ? 0 : 1;
}

int run_wizard(const std::string& moved_line) {
  SkinSettings settings;
  init_settings(settings);
  // A megabyte: on the heap, not the stack.
  auto catalog = std::make_unique<PresetCatalog>();
  list_presets(*catalog);
  std::vector<std::string> unusable_palettes = list_palettes(*catalog);
  greet();
  // After the greeting, which clears the screen.
  if (!moved_line.empty()) std::printf("%s\n\n", moved_line.c_str());
  print_presets_left_out(*catalog);
  print_unusable_palettes(unusable_palettes);
  finish_build_cut_short();
  choose_design(*catalog, settings);
  SkinBuild build =
      is_standard(settings) ? prepare_standard_skin(settings) : prepare_custom_skin(settings);
  bool started = build.active;
  BuiltSkin skin = started && !build.interrupted ? build_skin(settings) : BuiltSkin{};
  // Ctrl-C and its kin end the build where it stands: the folders are put
  // back and the run ends as the signal would have ended it.
  if (build.interrupted || skin.interrupted) return stop_interrupted_build(build);
  bool built = started && finish_build(settings, build, skin);
  bool installed = !built || offer_install(settings.skin_name);
  if (!started) std::printf("\n");
  // A failed custom build still offers the preset, so no answer is lost.
  bool saved = !is_custom(settings) || !ask_save_wanted() || save_preset(settings);
  wait_to_finish();
  return built && saved && installed ? 0 : 1;
}
