// The colour measurement's reading of a listing file, over any bytes: from
// memory, in a buffer of exactly the input's size so that a read past its
// end is caught, and from a file holding the same bytes, which must give the
// same colour.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "fuzz/fuzz_support.h"
#include "scripts/measure.h"

namespace {

const char kListing[] = ".\\skindata\\temp\\CS1info.txt";

// The colour is the six characters after the first '#' of the first line.
void check_colour(const uint8_t* data, size_t size, const char* out) {
  if (out[kColourTextSize - 1] != '\0') fuzz_failure("a colour without its terminator");
  if (out[kColourTextSize] != 'X') fuzz_failure("written past the colour");
  const void* hash = std::memchr(data, '#', size);
  if (hash == nullptr) fuzz_failure("a colour without a '#'");
  const char* after = static_cast<const char*>(hash) + 1;
  if (std::memcmp(after, out, kColourTextSize - 1) != 0) fuzz_failure("not the bytes after '#'");
  if (std::memchr(out, '\n', kColourTextSize - 1) != nullptr) fuzz_failure("a newline taken");
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
