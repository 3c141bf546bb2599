#include "settings/presets.h"

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "assembly/commands.h"
#include "assembly/folder_access.h"
#include "platform/atomic_file.h"
#include "platform/file_system.h"
#include "platform/folder_listing.h"
#include "platform/native_path.h"
#include "platform/paths.h"
#include "platform/regular_file.h"
#include "platform/wildcard.h"
#include "wizard/prompts.h"

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

// A preset's bytes are taken only when they are a whole record of this
// version: any other file is not a preset this program wrote.
bool is_whole_record(const std::string& bytes) {
  if (bytes.size() != kSettingsSize) return false;
  size_t at = offsetof(SkinSettings, version);
  return std::memcmp(bytes.data() + at, kSettingsVersion, sizeof kSettingsVersion) == 0;
}

// The record as the file holds it, named after the file.
void take_record(const std::string& bytes, const char* stem, SkinSettings& settings) {
  std::memcpy(settings_bytes(settings), bytes.data(), kSettingsSize);
  set_skin_name(settings, stem);
}

void report_not_found(const char* stem) {
  std::printf("Preset %s%s not found!", printable(stem).c_str(), kPresetSuffix);
}

void report_ignored(const char* stem) {
  std::printf(
      "Incompatible Preset Version! %s%s was ignored; the run goes on as CUSTOM: Multicolor with "
      "its usual defaults.\n",
      printable(stem).c_str(), kPresetSuffix);
}

// The reason a write failed, as the other messages word it: the usual
// reasons by their usual words, any other by the system's.
std::string write_failure_reason(const std::error_code& failure) {
  const char* reason = file_failure_reason(failure);
  if (reason == kNoWriteAccess) return std::string(reason) + " to Presets";
  if (reason != nullptr) return reason;
  std::string text = failure.message();
  while (!text.empty() && std::strchr(" .\r\n", text.back()) != nullptr) text.pop_back();
  return text;
}

std::string capitalized(std::string text) {
  if (!text.empty()) text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
  return text;
}

bool exists_as_entry(const std::string& local) {
  std::error_code error;
  return std::filesystem::exists(std::filesystem::symlink_status(fs_path(local), error));
}

// Presets is made when it is missing. Empty when it is there now, else the
// reason it is not, as a sentence's start.
std::string presets_folder_problem() {
  std::filesystem::path folder = fs_path(native_path(".\\Presets"));
  std::error_code error;
  if (std::filesystem::is_directory(folder, error)) return std::string();
  if (std::filesystem::exists(std::filesystem::symlink_status(folder, error))) {
    return "Presets is not a folder";
  }
  if (std::filesystem::create_directory(folder, error)) return std::string();
  const char* reason = file_failure_reason(error);
  return "The Presets folder cannot be made here (" +
         (reason != nullptr ? std::string(reason) : write_failure_reason(error)) + ")";
}

// The specified first line, then one line with the reason and what became
// of the file. Returns false, for the caller to pass on.
bool report_not_saved(const std::string& file_name, const std::string& reason) {
  std::printf("Cannot write preset %s!\n%s\n\n", file_name.c_str(), reason.c_str());
  return false;
}

// Menu numbers outside the catalogue name no file; they load like an
// empty entry's bare suffix would if it were missing.
const char* entry_stem(const PresetCatalog& catalog, int32_t n) {
  if (n < 1 || n > kCatalogSize) return nullptr;
  return catalog.entries[n - 1].file_stem;
}

}  // namespace

bool menu_name_before(const std::string& a, const std::string& b) {
  if (same_name_any_case(a, b)) return a < b;
  return name_before_any_case(a, b);
}

void list_presets(PresetCatalog& catalog) {
  std::memset(&catalog, 0, sizeof catalog);
  for (int i = 0; i < kFixedDesigns; ++i) set_entry(catalog.entries[i], kDesignLabels[i], "");
  catalog.entry_count = kFixedDesigns;
  std::string pattern = std::string("*") + kPresetSuffix;
  std::vector<std::string> names =
      list_matching_files(native_path(".\\Presets").c_str(), pattern.c_str());
  std::sort(names.begin(), names.end(), menu_name_before);
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

bool load_preset(const PresetCatalog& catalog, int32_t n, SkinSettings& settings) {
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
    return false;
  }
  if (!is_whole_record(bytes)) {
    report_ignored(stem);
    fall_back(settings);
    return false;
  }
  take_record(bytes, stem, settings);
  return true;
}

bool load_preset_file(const std::string& path, SkinSettings& settings) {
  std::string bytes;
  if (read_regular_file(path.c_str(), kSettingsSize + 1, bytes) != FileRead::kRead ||
      !is_whole_record(bytes)) {
    return false;
  }
  std::string stem = name_of(local_path(path));
  size_t suffix = stem.rfind(kPresetSuffix);
  if (suffix != std::string::npos && suffix + sizeof kPresetSuffix - 1 == stem.size()) {
    stem.erase(suffix);
  }
  take_record(bytes, stem.c_str(), settings);
  return true;
}

bool save_preset(const SkinSettings& settings) {
  std::string file_name = std::string(settings.skin_name) + kPresetSuffix;
  std::string problem = presets_folder_problem();
  if (!problem.empty()) return report_not_saved(file_name, problem + "; nothing was saved.");
  char path[kCommandBufferSize];
  preset_path(path, settings.skin_name);
  std::string local = native_path(path);
  bool older = exists_as_entry(local);
  std::string bytes(reinterpret_cast<const char*>(settings_bytes(settings)), kSettingsSize);
  std::error_code failure;
  if (!write_file_atomically(local, bytes, failure)) {
    std::string kept =
        older ? "; the older " + file_name + " is as it was." : "; nothing was saved.";
    return report_not_saved(file_name, capitalized(write_failure_reason(failure)) + kept);
  }
  std::printf("Preset %s as Presets\\%s.  This file may be shared with other users.\n\n",
              older ? "replaced" : "saved", file_name.c_str());
  return true;
}
