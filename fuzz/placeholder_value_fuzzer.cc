// Rewriting a script with a placeholder replaced, over any script text and
// any value (the program's values are colour codes and numbers, but the
// rewriting must not depend on that): the result must be the text with
// every match replaced by the value as it stands, checked against a plain
// search and replace.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "fuzz/fuzz_support.h"
#include "scripts/placeholder.h"

namespace {

const char kScript[] = ".\\Skin\\Scripts\\Template.txt";
const char kScriptFile[] = "Skin/Scripts/Template.txt";

// Placeholders of the template and host scripts, the shorter ones matching
// inside the longer.
const char* const kPlaceholders[] = {"HEXCS1", "HEXCS1SBARBRT", "SBARBRT", "SBARWID",
                                     "HEXSEL", "ALT Custom",    "ZCODE",   "CS2"};

std::string replaced_literally(const std::string& text, const std::string& placeholder,
                               const std::string& value) {
  std::string result;
  size_t from = 0;
  for (size_t at; (at = text.find(placeholder, from)) != std::string::npos;) {
    result += text.substr(from, at - from) + value;
    from = at + placeholder.size();
  }
  return result + text.substr(from);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  enter_scratch_folder("placeholder");
  std::filesystem::create_directories("Skin/Scripts");
  return 0;
}

// Input: one byte choosing the placeholder, the value up to the first
// newline (and NUL, where a C string ends), then the script.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const char* placeholder = kPlaceholders[data[0] % (sizeof kPlaceholders / sizeof *kPlaceholders)];
  std::string rest(reinterpret_cast<const char*>(data) + 1, size - 1);
  size_t newline = rest.find('\n');
  std::string value = rest.substr(0, newline);
  value = value.substr(0, value.find('\0'));
  std::string script = newline == std::string::npos ? "" : rest.substr(newline + 1);
  std::ofstream(kScriptFile, std::ios::binary) << script;
  replace_placeholder(kScript, placeholder, value.c_str());
  std::ostringstream written;
  written << std::ifstream(kScriptFile, std::ios::binary).rdbuf();
  if (written.str() != replaced_literally(script, placeholder, value)) {
    fuzz_failure(std::string("the value did not go in as it stands: ") + value);
  }
  return 0;
}
