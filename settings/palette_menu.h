// Palette files in the design menu, after the presets.
//
// A file of Presets whose extension may be a palette's (settings/
// palette_file.h) is read when the menu is made: one that gives a palette
// is listed as "PALETTE: <name> (<format>)", sorted by file name like the
// presets; one that does not is left out and named, with the reason, in a
// line above the menu. Choosing a palette makes the design CUSTOM
// multicolour with the palette's colours as every question's default.
#ifndef SKINBUILDER_SETTINGS_PALETTE_MENU_H_
#define SKINBUILDER_SETTINGS_PALETTE_MENU_H_

#include <cstdint>
#include <string>
#include <vector>

#include "settings/palette_file.h"
#include "settings/presets.h"
#include "settings/skin_settings.h"

// Adds the usable palettes of Presets to the catalogue, as far as its room
// goes (the rest counts as left out), and returns one line for each file
// that cannot be used: "<file> cannot be used: <reason>."
std::vector<std::string> list_palettes(PresetCatalog& catalog);

// "<file> cannot be used: <reason>.", the file's name printable.
std::string unusable_palette_line(const std::string& file_name, const std::string& reason);

// Prints the lines of list_palettes, followed by an empty line; nothing
// when there are none.
void print_unusable_palettes(const std::vector<std::string>& lines);

bool is_palette_entry(const PresetCatalog& catalog, int32_t n);

// The design CUSTOM multicolour with its defaults, the palette's five
// colours and the palette's name as the skin's.
void take_palette(const Palette& palette, SkinSettings& settings);

// Reads the palette of menu number n again and takes it. False, after its
// line saying why, when the file can no longer be used: the record then
// holds the CUSTOM multicolour design's own defaults.
bool load_palette(const PresetCatalog& catalog, int32_t n, SkinSettings& settings);

#endif  // SKINBUILDER_SETTINGS_PALETTE_MENU_H_
