// The colour measurement's reading of a listing file, over any bytes: from
// memory, in a buffer of exactly the input's size so that a read past its
// end is caught, and from a file holding the same bytes, which must give the
// same colour, and only ever a colour code.
#include <cctype>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "fuzz/fuzz_support.h"
#include "scripts/measure.h"

namespace {

const char kListing[] = ".\\skindata\\temp\\CS1info.txt";

bool is_hex(char c) {
  return std::isxdigit(static_cast<unsigned char>(c)) != 0;
}

// Twelve hexadecimal digits as a 16-bit colour brought to 8 bits, each
// channel to the nearest value (worked out in floating point here).
std::string reduced(const char* digits) {
  std::string text;
  for (int channel = 0; channel < 3; ++channel) {
    unsigned long value = std::stoul(std::string(digits + 4 * channel, 4), nullptr, 16);
    char pair[3];
    std::snprintf(pair, sizeof pair, "%02X", static_cast<unsigned>(std::lround(value / 257.0)));
    text += pair;
  }
  return text;
}

// A colour is six hexadecimal digits that some '#' of the bytes read is
// followed by: those six, or twelve that reduce to them.
void check_colour(const uint8_t* data, size_t size, const char* out) {
  if (out[kColourTextSize - 1] != '\0') fuzz_failure("a colour without its terminator");
  if (out[kColourTextSize] != 'X') fuzz_failure("written past the colour");
  for (int i = 0; i < kColourTextSize - 1; ++i) {
    if (!is_hex(out[i])) fuzz_failure("not a colour code");
  }
  const char* bytes = reinterpret_cast<const char*>(data);
  size_t window = size < kListingReadLimit ? size : kListingReadLimit;
  for (size_t at = 0; at < window; ++at) {
    if (bytes[at] != '#') continue;
    size_t digits = 0;
    while (at + 1 + digits < window && is_hex(bytes[at + 1 + digits])) ++digits;
    if (digits >= 6 && std::memcmp(bytes + at + 1, out, 6) == 0) return;
    if (digits >= 12 && reduced(bytes + at + 1) == out) return;
  }
  fuzz_failure("a colour that no '#' of the listing is followed by");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  enter_scratch_folder("listing");
  std::filesystem::create_directories("skindata/temp");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::unique_ptr<char[]> bytes(new char[size]);
  if (size > 0) std::memcpy(bytes.get(), data, size);
  char out[kColourTextSize + 1];
  std::memset(out, 'X', sizeof out);
  bool found = parse_listed_colour(bytes.get(), size, out);
  if (found) check_colour(data, size, out);

  std::ofstream("skindata/temp/CS1info.txt", std::ios::binary)
      .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  char from_file[kColourTextSize + 1];
  std::memset(from_file, 'X', sizeof from_file);
  bool found_in_file = read_listed_colour(kListing, from_file);
  if (found_in_file != found || (found && std::strcmp(out, from_file) != 0)) {
    fuzz_failure("the file and the bytes differ");
  }
  return 0;
}
