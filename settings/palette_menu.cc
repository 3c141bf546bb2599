#include "settings/palette_menu.h"

#include <algorithm>
#include <cstdio>

#include "assembly/commands.h"
#include "platform/folder_listing.h"
#include "platform/native_path.h"
#include "wizard/prompts.h"

namespace {

std::vector<std::string> palette_candidates() {
  std::vector<std::string> names = list_matching_files(native_path(".\\Presets").c_str(), "*");
  names.erase(std::remove_if(names.begin(), names.end(),
                             [](const std::string& name) { return !is_palette_candidate(name); }),
              names.end());
  std::sort(names.begin(), names.end(), menu_name_before);
  return names;
}

PaletteRead read_listed_palette(const std::string& file_name) {
  return read_palette_file(native_path((".\\Presets\\" + file_name).c_str()));
}

void add_palette(PresetCatalog& catalog, const std::string& file_name, const Palette& palette) {
  PresetEntry& entry = catalog.entries[catalog.entry_count++];
  format_bounded(entry.label, sizeof entry.label, "PALETTE: %s (%s)", palette.name.c_str(),
                 palette_format_label(palette.format));
  format_bounded(entry.file_stem, sizeof entry.file_stem, "%s", file_name.c_str());
  entry.palette = true;
}

}  // namespace

std::string unusable_palette_line(const std::string& file_name, const std::string& reason) {
  return printable(file_name.c_str()) + " cannot be used: " + reason + ".";
}

std::vector<std::string> list_palettes(PresetCatalog& catalog) {
  std::vector<std::string> unusable;
  for (const std::string& file_name : palette_candidates()) {
    PaletteRead read = read_listed_palette(file_name);
    if (!read.usable) {
      unusable.push_back(unusable_palette_line(file_name, read.reason));
    } else if (catalog.entry_count == kCatalogSize) {
      ++catalog.presets_left_out;
    } else {
      add_palette(catalog, file_name, read.palette);
    }
  }
  return unusable;
}

void print_unusable_palettes(const std::vector<std::string>& lines) {
  for (const std::string& line : lines) std::printf("%s\n", line.c_str());
  if (!lines.empty()) std::printf("\n");
}

bool is_palette_entry(const PresetCatalog& catalog, int32_t n) {
  return n >= 1 && n <= catalog.entry_count && catalog.entries[n - 1].palette;
}

void take_palette(const Palette& palette, SkinSettings& settings) {
  settings.design_choice = kCustomMulti;
  apply_design_defaults(settings);
  apply_palette(palette, settings);
  set_skin_name(settings, palette.name.c_str());
}

bool load_palette(const PresetCatalog& catalog, int32_t n, SkinSettings& settings) {
  const std::string file_name = catalog.entries[n - 1].file_stem;
  PaletteRead read = read_listed_palette(file_name);
  if (read.usable) {
    take_palette(read.palette, settings);
    return true;
  }
  std::printf("%s\n", unusable_palette_line(file_name, read.reason).c_str());
  settings.design_choice = kCustomMulti;
  apply_design_defaults(settings);
  return false;
}
