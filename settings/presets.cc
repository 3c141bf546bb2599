#include "settings/presets.h"

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "assembly/commands.h"
#include "platform/folder_listing.h"
#include "platform/native_path.h"
#include "platform/regular_file.h"
#include "wizard/prompts.h"

const char kPresetSuffix[] = "-v11b5.kvl";

namespace {

const char* const kDesignLabels[kFixedDesigns] = {
    "STANDARD: Single color blue",
    "STANDARD: Multicolor",
    "CUSTOM: Single color",
    "CUSTOM: Multicolor",
};

void set_entry(PresetEntry& entry, const char* label, const char* stem) {
  format_bounded(entry.label, sizeof entry.label, "%s", label);
  format_bounded(entry.file_stem, sizeof entry.file_stem, "%s", stem);
}

// The listing matches without regard to case, but only the exact suffix is
// cut: a name with the suffix in other letters keeps it whole, and loading
// it then looks for a file that does not exist.
void add_preset(PresetCatalog& catalog, const std::string& file_name) {
  std::string stem = file_name;
  size_t suffix = stem.find(kPresetSuffix);
  if (suffix != std::string::npos) stem.erase(suffix);
  char label[sizeof catalog.entries[0].label];
  format_bounded(label, sizeof label, "PRESET: %s", printable(stem.c_str()).c_str());
  set_entry(catalog.entries[catalog.entry_count], label, stem.c_str());
  ++catalog.entry_count;
}

void preset_path(char* path, const char* stem) {
  format_command(path, ".\\Presets\\%s%s", stem, kPresetSuffix);
}

// A preset that cannot be used leaves the CUSTOM multicolour design with
// its own defaults.
void fall_back(SkinSettings& settings) {
  settings.design_choice = kCustomMulti;
  apply_design_defaults(settings);
}

// Sorted by name as people read names: letter case aside, then byte by byte.
bool comes_before(const std::string& a, const std::string& b) {
  for (size_t i = 0; i < a.size() && i < b.size(); ++i) {
    int x = std::tolower(static_cast<unsigned char>(a[i]));
    int y = std::tolower(static_cast<unsigned char>(b[i]));
    if (x != y) return x < y;
  }
  return a.size() != b.size() ? a.size() < b.size() : a < b;
}

// A preset's bytes are taken only when they are a whole record of this
// version: any other file is not a preset this program wrote.
bool is_whole_record(const std::string& bytes) {
  if (bytes.size() != kSettingsSize) return false;
  size_t at = offsetof(SkinSettings, version);
  return std::memcmp(bytes.data() + at, kSettingsVersion, sizeof kSettingsVersion) == 0;
}

void report_not_found(const char* stem) {
  std::printf("Preset %s%s not found!", printable(stem).c_str(), kPresetSuffix);
  pause_for_enter();
}

void report_ignored(const char* stem) {
  std::printf(
      "Incompatible Preset Version! %s%s was ignored; the run goes on as CUSTOM: Multicolor with "
      "its usual defaults.\n",
      printable(stem).c_str(), kPresetSuffix);
  pause_for_enter();
}

// Menu numbers outside the catalogue name no file; they load like an
// empty entry's bare suffix would if it were missing.
const char* entry_stem(const PresetCatalog& catalog, int32_t n) {
  if (n < 1 || n > kCatalogSize) return nullptr;
  return catalog.entries[n - 1].file_stem;
}

}  // namespace

void list_presets(PresetCatalog& catalog) {
  std::memset(&catalog, 0, sizeof catalog);
  for (int i = 0; i < kFixedDesigns; ++i) set_entry(catalog.entries[i], kDesignLabels[i], "");
  catalog.entry_count = kFixedDesigns;
  std::string pattern = std::string("*") + kPresetSuffix;
  std::vector<std::string> names =
      list_matching_files(native_path(".\\Presets").c_str(), pattern.c_str());
  std::sort(names.begin(), names.end(), comes_before);
  for (const std::string& name : names) {
    if (catalog.entry_count == kCatalogSize) {
      ++catalog.presets_left_out;
    } else {
      add_preset(catalog, name);
    }
  }
}

void print_presets_left_out(const PresetCatalog& catalog) {
  if (catalog.presets_left_out == 0) return;
  std::printf("NOTE: %d more presets in Presets are not listed; the menu holds %d.\n\n",
              catalog.presets_left_out, kCatalogSize - kFixedDesigns);
}

void catalog_labels(const PresetCatalog& catalog, const char** labels) {
  for (int i = 0; i < catalog.entry_count; ++i) labels[i] = catalog.entries[i].label;
}

void load_preset(const PresetCatalog& catalog, int32_t n, SkinSettings& settings) {
  const char* stem = entry_stem(catalog, n);
  char path[kCommandBufferSize];
  preset_path(path, stem != nullptr ? stem : "");
  // One byte more than a record: a longer file shows itself by it.
  std::string bytes;
  FileRead read = stem != nullptr && path[0] != '\0'
                      ? read_regular_file(native_path(path).c_str(), kSettingsSize + 1, bytes)
                      : FileRead::kMissing;
  if (read != FileRead::kRead) {
    report_not_found(stem != nullptr ? stem : "");
    fall_back(settings);
    return;
  }
  if (!is_whole_record(bytes)) {
    report_ignored(stem);
    fall_back(settings);
    return;
  }
  std::memcpy(settings_bytes(settings), bytes.data(), kSettingsSize);
  set_skin_name(settings, stem);
}

void save_preset(const SkinSettings& settings) {
  std::printf("Would you like to save this skin as a preset?:\n\n");
  if (!ask_save_wanted()) return;
  char path[kCommandBufferSize];
  preset_path(path, settings.skin_name);
  FILE* file = std::fopen(native_path(path).c_str(), "wb");
  if (file == nullptr) {
    std::printf("Cannot write preset %s%s!", settings.skin_name, kPresetSuffix);
    return;
  }
  std::fwrite(settings_bytes(settings), 1, kSettingsSize, file);
  std::fclose(file);
  std::printf("Preset saved as Presets\\%s%s.  This file may be shared with other users.\n\n",
              settings.skin_name, kPresetSuffix);
}
