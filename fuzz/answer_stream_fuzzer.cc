// The whole question sequence over any answer stream, in this process: the
// wizard runs from its design menu to its last wait with every command line
// recorded, in a working folder that has no Presets and of skindata only
// the temp folder (for the build lock). The run must end with 0 or 1, its
// lines must keep to the skin folder and skindata\temp, and the folder must
// hold nothing new afterwards but the lock and, when the answers asked for
// it, a Presets folder made for the preset with that one whole preset in it
// (the scripts have nowhere to go). Running
// it again and again in one process also checks that each run starts from
// a fresh record.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "fuzz/fuzz_support.h"
#include "settings/presets.h"
#include "wizard/driver.h"
#include "wizard/prompts.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  enter_scratch_folder("answers");
  record_commands();
  return 0;
}

namespace {

namespace fs = std::filesystem;

// A saved preset is whole, named after a skin, and alone; it goes with its
// folder before the next run.
void check_and_remove_saved_preset() {
  std::error_code error;
  if (!fs::is_directory("Presets", error)) return;
  for (const fs::directory_entry& entry : fs::directory_iterator("Presets")) {
    std::string name = entry.path().filename().string();
    std::string suffix = kPresetSuffix;
    bool named = name.size() > suffix.size() &&
                 name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0;
    if (!named) fuzz_failure("the run wrote Presets/" + name);
    if (fs::file_size(entry.path(), error) != kSettingsSize) fuzz_failure("a partial preset");
  }
  fs::remove_all("Presets", error);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  run_wizard_over(data, size);
  check_and_remove_saved_preset();
  std::vector<std::string> written = working_folder_entries();
  if (!written.empty()) fuzz_failure("the run wrote " + written.front());
  return 0;
}
