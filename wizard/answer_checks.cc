#include "wizard/answer_checks.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "assembly/commands.h"
#include "assembly/file_structure.h"
#include "assembly/previous_skin.h"
#include "assembly/skin_layout.h"
#include "color/modulation.h"
#include "scripts/host_scripts.h"
#include "wizard/prompts.h"

namespace {

const char kNameTooLong[] = "That name is longer than 255 characters; please choose a shorter one.";
const char kNameBlank[] = "A skin name needs at least one character besides blanks.";
const char kNameDots[] = "\".\" and \"..\" name existing folders; please choose another name.";
const char kNameReserved[] =
    "skindata and Presets are the program's own folders; please choose another name.";
const char kNameDevice[] = "Windows reserves that name for a device; please choose another name.";
const char kNameTrailing[] = "A skin name cannot end with a dot or a blank.";
const char kNameCharacters[] =
    "A skin name cannot hold \\ / : * ? \" < > | & % ^ # [ ] or control characters.";
const char kNameCommand[] =
    "That name would make a command longer than 511 characters; please choose a shorter one.";
const char kOptionsCharacters[] = "Advanced options cannot hold & | < > ^ % or a double quote.";
const char kOptionsFiles[] =
    "Advanced options cannot make the image tool write or delete files (-write, +write, -path, "
    "ephemeral:, msl:, registry:, ..).";
const char kOptionsCommand[] =
    "Those options make an image command longer than 511 characters; please shorten them.";
const char kPresetOptionsCleared[] =
    "The preset's advanced options were cleared: they could harm files or break a command line.";
const char kPresetNameReplaced[] =
    "The preset's name cannot be a folder name here; the skin is named Korvel Dazo Custom.";
const char kPresetDesignReplaced[] =
    "The preset's design number is not 1 to 4; it continues as CUSTOM: Multicolor, named Korvel "
    "Dazo Custom.";

// The record's choices that a menu asks for, with the menu's row count.
// Every one of them starts a run at 1, the first row.
struct PresetMenuField {
  const char* what;
  int32_t SkinSettings::*field;
  int32_t rows;
};
const PresetMenuField kPresetMenuFields[] = {
    {"knob style", &SkinSettings::knob_style, kKnobStyleCount},
    {"lock icon style", &SkinSettings::lock_icon_style, kLockIconStyleCount},
    {"arp icon style", &SkinSettings::arp_icon_style, kArpIconStyleCount},
    {"EQ colouring", &SkinSettings::eq_color_mode, 2},
    {"sidebar colour", &SkinSettings::sidebar_color_mode, 2},
    {"tab colour", &SkinSettings::tab_color_mode, 2},
    {"flow mod", &SkinSettings::flow_mod, 2},
    {"global adjustments choice", &SkinSettings::global_adjust, 2},
};

// The record's decimal numbers that an answer sets (the modulate values
// are always recomputed, so whatever a preset holds there never counts).
struct PresetNumberField {
  const char* what;
  float SkinSettings::*field;
};
const PresetNumberField kPresetNumberFields[] = {
    {"sidebar width", &SkinSettings::sidebar_width},
    {"global hue", &SkinSettings::global_hue},
    {"global saturation", &SkinSettings::global_saturation},
    {"global brightness", &SkinSettings::global_brightness},
    {"global contrast", &SkinSettings::global_contrast},
};

// The preview's global command works on this folder and file; the other
// preview files have names of the same length.
const char kPreviewFolder[] = "skindata\\temp";
const char kPreviewFile[] = "CS1preview.png";

const char* const kDeviceNames[] = {
    "CON",  "PRN",  "AUX",  "NUL",  "COM1", "COM2", "COM3", "COM4", "COM5", "COM6", "COM7",
    "COM8", "COM9", "LPT1", "LPT2", "LPT3", "LPT4", "LPT5", "LPT6", "LPT7", "LPT8", "LPT9",
};

// Option words that name files for the image tool to write; coder and
// define prefixes that make it delete, script or relocate files; and ".."
// anywhere, since -format builds output names by appending its argument
// (Windows resolves "a.png\..\..\x" without a folder a.png existing).
const char* const kFileWritingWords[] = {"-write", "+write", "-path"};
const char* const kFileFragments[] = {"ephemeral:", "msl:", "registry:", ".."};

bool equal_ignoring_case(const std::string& a, const char* b) {
  if (a.size() != std::strlen(b)) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

std::string lower_case(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

size_t longest_adjust_pattern() {
  size_t longest = 0;
  for (const std::string& pattern : adjust_patterns(true)) {
    longest = std::max(longest, pattern.size());
  }
  return longest;
}

// Windows takes "con", "Con.txt" and "COM1 .log" all for the device: the
// part before the first dot, less trailing blanks, decides.
bool is_device_name(const std::string& name) {
  std::string base = name.substr(0, name.find('.'));
  base.erase(base.find_last_not_of(' ') + 1);
  for (const char* device : kDeviceNames) {
    if (equal_ignoring_case(base, device)) return true;
  }
  return false;
}

bool has_unsafe_name_character(const std::string& name) {
  for (unsigned char c : name) {
    if (c < 0x20 || c == 0x7F || std::strchr("\\/:*?\"<>|&%^#[]", c) != nullptr) return true;
  }
  return false;
}

// The rules that do not depend on the rest of the record.
const char* name_form_problem(const std::string& name) {
  if (name.size() >= kSkinNameSize) return kNameTooLong;
  if (name.find_last_not_of(' ') == std::string::npos) return kNameBlank;
  if (name == "." || name == "..") return kNameDots;
  if (equal_ignoring_case(name, "skindata") || equal_ignoring_case(name, "Presets")) {
    return kNameReserved;
  }
  if (is_device_name(name)) return kNameDevice;
  if (has_unsafe_name_character(name)) return kNameCharacters;
  if (name.back() == '.' || name.back() == ' ') return kNameTrailing;
  return nullptr;
}

bool writes_files(const std::string& options) {
  std::string text = lower_case(options);
  for (const char* fragment : kFileFragments) {
    if (text.find(fragment) != std::string::npos) return true;
  }
  size_t start = 0;
  while ((start = text.find_first_not_of(" \t", start)) != std::string::npos) {
    size_t end = text.find_first_of(" \t", start);
    std::string word = text.substr(start, end - start);
    for (const char* writing : kFileWritingWords) {
      if (word == writing) return true;
    }
    start = end;
  }
  return false;
}

void warn_and_wait(const char* warning) {
  std::printf("\n%s\n", warning);
  pause_for_enter();
}

void add_to_list(std::string& list, const char* what) {
  if (!list.empty()) list += ", ";
  list += what;
}

// Shared presets are written by anyone: a design that is none of the four
// falls back as a preset that cannot be used does.
void check_preset_design(SkinSettings& settings) {
  if (settings.design_choice >= kStandardSingle && settings.design_choice <= kCustomMulti) return;
  settings.design_choice = kCustomMulti;
  apply_design_defaults(settings);
  warn_and_wait(kPresetDesignReplaced);
}

// NaN and infinities would reach the scripts and every image command as
// "nan" or "inf", which the image tool refuses (a typed answer is digits,
// so NaN never, and infinity only past float's range); a menu number
// outside its menu marks no row, lays no overlay and, for the EQ of a
// STANDARD multicolour preset, leaves the EQ placeholders in the scripts.
// Both take their values at the start of a run, told in one line each.
void check_preset_numbers(SkinSettings& settings) {
  SkinSettings initial;
  init_settings(initial);
  std::string replaced;
  for (const PresetNumberField& number : kPresetNumberFields) {
    if (std::isfinite(settings.*number.field)) continue;
    settings.*number.field = initial.*number.field;
    add_to_list(replaced, number.what);
  }
  if (!replaced.empty()) {
    warn_and_wait(("The preset's " + replaced + " held no number and took the default.").c_str());
  }
  replaced.clear();
  for (const PresetMenuField& menu : kPresetMenuFields) {
    int32_t value = settings.*menu.field;
    if (value >= 1 && value <= menu.rows) continue;
    settings.*menu.field = initial.*menu.field;
    add_to_list(replaced, menu.what);
  }
  if (!replaced.empty()) {
    warn_and_wait(
        ("The preset's " + replaced + " named no row of the menu and took the first row.").c_str());
  }
}

}  // namespace

size_t longest_global_command(const SkinSettings& settings, const char* skin_name,
                              const char* options) {
  // The numbers' text comes from the real command form: formatted once with
  // every text left empty, the rest is plain insertion of the three texts.
  // Even four numbers of the largest float leave that form far below 511.
  SkinSettings numbers_only = settings;
  numbers_only.advanced_options[0] = '\0';
  char command[kCommandBufferSize];
  format_global_command(command, numbers_only, "", "");
  size_t base = std::strlen(command) + std::strlen(options);
  size_t in_skin = std::strlen(skin_name) + longest_adjust_pattern();
  size_t in_preview = std::strlen(kPreviewFolder) + std::strlen(kPreviewFile);
  return base + std::max(in_skin, in_preview);
}

size_t longest_command_with_name(const SkinSettings& settings, const char* skin_name) {
  // Every other command names the skin folder once and has a fixed part
  // short enough for any name that fits skin_name.
  size_t longest = longest_host_script_command(skin_name);
  if (is_multicolor(settings)) longest = std::max(longest, longest_clone_command(skin_name));
  if (settings.global_adjust == 2) {
    longest =
        std::max(longest, longest_global_command(settings, skin_name, settings.advanced_options));
  }
  return longest;
}

const char* skin_name_problem(const SkinSettings& settings, const char* name) {
  std::string text(name, strnlen(name, kAnswerLineSize));
  const char* problem = name_form_problem(text);
  if (problem != nullptr) return problem;
  if (longest_command_with_name(settings, text.c_str()) >= kCommandBufferSize) return kNameCommand;
  return nullptr;
}

std::string unusable_name_reason(const SkinSettings& settings, const char* name) {
  const char* problem = skin_name_problem(settings, name);
  return problem != nullptr ? problem : name_taken_by_other_folder(name);
}

const char* advanced_options_problem(const SkinSettings& settings, const char* options) {
  size_t length = strnlen(options, kAdvancedOptionsSize);
  if (length == kAdvancedOptionsSize) return kOptionsCommand;
  std::string text(options, length);
  if (text.find_first_of("&|<>^%\"") != std::string::npos) return kOptionsCharacters;
  if (writes_files(text)) return kOptionsFiles;
  if (longest_global_command(settings, settings.skin_name, text.c_str()) >= kCommandBufferSize) {
    return kOptionsCommand;
  }
  return nullptr;
}

void check_loaded_preset(SkinSettings& settings) {
  check_preset_design(settings);
  check_preset_numbers(settings);
  if (advanced_options_problem(settings, settings.advanced_options) != nullptr) {
    std::memset(settings.advanced_options, 0, sizeof settings.advanced_options);
    warn_and_wait(kPresetOptionsCleared);
  }
  if (is_standard(settings) && skin_name_problem(settings, settings.skin_name) != nullptr) {
    set_skin_name(settings, kCustomSkinName);
    warn_and_wait(kPresetNameReplaced);
  }
}
