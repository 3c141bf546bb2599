// The whole question sequence over any answer stream, in this process: the
// wizard runs from its design menu to its last wait with every command line
// recorded, in a working folder that has no Presets and of skindata only
// the temp folder (for the build lock). The run must end with 0 or 1, its
// lines must keep to the skin folder and skindata\temp, and the folder must
// hold nothing new afterwards but the lock (the wizard's own file writes,
// the scripts and the preset, have nowhere to go). Running
// it again and again in one process also checks that each run starts from
// a fresh record.
#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "fuzz/fuzz_support.h"
#include "wizard/driver.h"
#include "wizard/prompts.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  enter_scratch_folder("answers");
  record_commands();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  run_wizard_over(data, size);
  std::vector<std::string> written = working_folder_entries();
  if (!written.empty()) fuzz_failure("the run wrote " + written.front());
  return 0;
}
