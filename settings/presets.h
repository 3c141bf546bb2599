// Presets: saved answers, offered in the design menu after the four designs.
//
// A preset file is the settings record's 2140 bytes, named after its skin
// with the suffix "-v11b5.kvl" in the Presets folder. The catalogue is the
// design menu: entries 1 to 4 are the fixed designs, 5 and up the presets
// found when the program started.
#ifndef SKINBUILDER_SETTINGS_PRESETS_H_
#define SKINBUILDER_SETTINGS_PRESETS_H_

#include <cstdint>

#include "settings/skin_settings.h"

struct PresetEntry {
  char label[512];      // the design menu's text
  char file_stem[512];  // the preset's name, file name without the suffix
};

// Room for the four designs and 1020 presets; further files are not listed.
constexpr int kCatalogSize = 1024;
constexpr int kFixedDesigns = 4;

struct PresetCatalog {
  PresetEntry entries[kCatalogSize];  // entry k (from 1) is entries[k - 1]
  int32_t entry_count;
};

// Fills the catalogue: the four designs, then each preset of the Presets
// folder in the order the folder lists them.
void list_presets(PresetCatalog& catalog);

// The menu labels, for ask_menu. labels must hold entry_count pointers.
void catalog_labels(const PresetCatalog& catalog, const char** labels);

#endif  // SKINBUILDER_SETTINGS_PRESETS_H_
