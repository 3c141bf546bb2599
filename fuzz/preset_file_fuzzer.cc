// A preset file of any bytes and any name, chosen at the design menu and
// taken through the questions with their defaults (end of input right after
// the menu number), in this process with every command line recorded.
//
// The input's first byte gives the length of the preset's name (up to the
// longest that a file name with the suffix can hold), the bytes after it
// the name ('/' and NUL, which no file name holds, become '_'), and the rest
// is the file, of any length. The run must end with 0 or 1, keep its lines to the
// skin folder and skindata\temp, give the image tool numbers only, and
// leave Presets as it was.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <unordered_set>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "platform/command_line.h"
#include "settings/presets.h"
#include "wizard/driver.h"
#include "wizard/prompts.h"

namespace {

// A file name holds at most 255 bytes, the suffix "-v11b5.kvl" ten of them.
constexpr size_t kLongestStem = 245;

std::string stem_of(const uint8_t* data, size_t size, size_t& used) {
  size_t length = size > 0 ? data[0] % (kLongestStem + 1) : 0;
  used = size > 0 ? 1 : 0;
  std::string stem;
  for (; stem.size() < length && used < size; ++used) {
    char c = static_cast<char>(data[used]);
    stem += (c == '/' || c == '\0') ? '_' : c;
  }
  return stem;
}

// The image commands' numbers come from the preset here (every answer is
// a default): each must be a number, not "nan" or "inf". Only the tool's
// own lines count, and in them only the first "-modulate" and
// "-brightness-contrast": the skin name and the user's options after them
// may hold anything, those words included.
bool is_number_word(const std::string& word) {
  if (word.empty()) return false;
  for (char c : word) {
    if (std::strchr("0123456789.,-x", c) == nullptr) return false;
  }
  return true;
}

void check_image_numbers() {
  // The same lines come back run after run; each is read once.
  static std::unordered_set<std::string> passed;
  if (passed.size() > 100000) passed.clear();
  for (const std::string& line : recorded_lines()) {
    if (line.compare(0, 18, ".\\skindata\\mogrify") != 0 || !passed.insert(line).second) continue;
    CommandLine parsed = parse_command_line(line);
    if (parsed.stages.empty()) continue;
    const std::vector<CommandWord>& words = parsed.stages[0].words;
    if (words.empty() || words[0].text != ".\\skindata\\mogrify") continue;
    for (const char* option : {"-modulate", "-brightness-contrast"}) {
      auto at = std::find_if(words.begin(), words.end(),
                             [&](const CommandWord& word) { return word.text == option; });
      if (at == words.end()) continue;
      if (at + 1 == words.end() || !is_number_word((at + 1)->text)) {
        fuzz_failure("an image command without numbers: " + line);
      }
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  enter_scratch_folder("preset");
  std::filesystem::create_directory("Presets");
  record_commands();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  size_t used = 0;
  std::string file_name = stem_of(data, size, used) + kPresetSuffix;
  std::string path = "Presets/" + file_name;
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(data + used), static_cast<std::streamsize>(size - used));
  const uint8_t menu_answer[] = {'5', '\n'};
  run_wizard_over(menu_answer, sizeof menu_answer);
  check_image_numbers();
  std::vector<std::string> expected = {"Presets", "Presets/" + file_name};
  if (working_folder_entries() != expected) fuzz_failure("the run changed the working folder");
  std::filesystem::remove(path);
  return 0;
}
