#include "settings/presets.h"

#include <cstring>

#include "assembly/commands.h"

namespace {

const char* const kDesignLabels[kFixedDesigns] = {
    "STANDARD: Single color blue",
    "STANDARD: Multicolor",
    "CUSTOM: Single color",
    "CUSTOM: Multicolor",
};

}  // namespace

void list_presets(PresetCatalog& catalog) {
  std::memset(&catalog, 0, sizeof catalog);
  for (int i = 0; i < kFixedDesigns; ++i) {
    format_bounded(catalog.entries[i].label, sizeof catalog.entries[i].label, "%s",
                   kDesignLabels[i]);
  }
  catalog.entry_count = kFixedDesigns;
}

void catalog_labels(const PresetCatalog& catalog, const char** labels) {
  for (int i = 0; i < catalog.entry_count; ++i) labels[i] = catalog.entries[i].label;
}
