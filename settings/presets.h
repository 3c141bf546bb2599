// Presets: saved answers, offered in the design menu after the four designs.
//
// A preset file is the settings record's 2140 bytes, named after its skin
// with the suffix "-v11b5.kvl" in the Presets folder. The catalogue is the
// design menu: entries 1 to 4 are the fixed designs, 5 and up the presets
// found when the program started. A loaded record is taken as it stands;
// its texts that reach command lines are checked by the wizard
// (wizard/answer_checks.h), since presets are shared between users.
#ifndef SKINBUILDER_SETTINGS_PRESETS_H_
#define SKINBUILDER_SETTINGS_PRESETS_H_

#include <cstdint>
#include <string>

#include "settings/skin_settings.h"

struct PresetEntry {
  char label[512];      // the design menu's text
  char file_stem[512];  // the preset's name, file name without the suffix;
                        // for a palette, its whole file name
  bool palette;         // a palette file (settings/palette_menu.h)
};

// Room for the four designs and 1020 presets and palettes; further files
// are not listed.
constexpr int kCatalogSize = 1024;
constexpr int kFixedDesigns = 4;

struct PresetCatalog {
  PresetEntry entries[kCatalogSize];  // entry k (from 1) is entries[k - 1]
  int32_t entry_count;
  int32_t presets_left_out;  // presets and palettes found beyond the room
};

// Fills the catalogue: the four designs, then the presets of the Presets
// folder sorted by name, 1020 at most. Only regular files count (never a
// folder, FIFO or device). A label shows the name with its control
// characters as "?"; file_stem keeps the name as it is.
void list_presets(PresetCatalog& catalog);

// The menu's order of file names, presets and palettes alike: as people
// read names, letter case aside, then byte by byte, so that it does not
// depend on the file system's order.
bool menu_name_before(const std::string& a, const std::string& b);

// When the Presets folder held more presets than the menu lists, one line
// saying how many were left out; nothing otherwise.
void print_presets_left_out(const PresetCatalog& catalog);

// The menu labels, for ask_menu. labels must hold entry_count pointers.
void catalog_labels(const PresetCatalog& catalog, const char** labels);

// The file name's suffix; it also carries the format version.
inline constexpr char kPresetSuffix[] = "-v11b5.kvl";

// Loads a preset file named by a path in the local form (a build without
// questions names it on the command line) over the record: false, leaving
// the record alone, when the file is no whole preset of this version. The
// name is the file's name without the suffix.
bool load_preset_file(const std::string& path, SkinSettings& settings);

// Loads the preset of menu number n over the record; false when it falls
// back, after saying why (the wizard then waits for ENTER, so it can be
// read). A file that cannot be opened, or is no regular file (also for a
// number that names no preset), is reported as not found and the record
// falls back to design 4 named "Korvel Dazo Custom" with sidebar
// brightness 63. A file that is not 2140 bytes long or holds another
// version text is ignored as a whole and falls back the same way, told in
// one line: none of its bytes reaches the record. On success the name is
// the file's name without the suffix, whatever the file holds.
bool load_preset(const PresetCatalog& catalog, int32_t n, SkinSettings& settings);

// Saves the record as Presets\<skin name>-v11b5.kvl (the wizard has asked
// whether to), replacing a file of that name ("replaced" says so),
// making Presets when it is missing. The file is written whole or not at
// all (platform/atomic_file.h): when it cannot be, a preset of that name
// stays as it was, and one line after "Cannot write preset ...!" gives the
// reason. False only then.
bool save_preset(const SkinSettings& settings);

#endif  // SKINBUILDER_SETTINGS_PRESETS_H_
