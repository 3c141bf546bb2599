// The palette readers over any bytes: from memory, in a buffer of exactly
// the input's size so that a read past its end is caught, under file names
// of each extension (which decides the reason a file that matches no
// format gets), and from a file holding the same bytes, which must read
// the same. Every result must be a palette of five colours in range with a
// printable name, or one short line of printable text saying why not.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>

#include "fuzz/fuzz_support.h"
#include "settings/palette_file.h"
#include "settings/skin_settings.h"

namespace {

const char* const kFileNames[] = {"p.yaml", "colors.json", "p.gpl", "p.txt", "p"};
const char kFile[] = "palette.hex";

// Longer than any reason the readers give, so that a reason grown from the
// input shows.
constexpr size_t kLongestReason = 120;

void check_reason(const std::string& reason) {
  if (reason.empty()) fuzz_failure("no palette and no reason");
  if (reason.size() > kLongestReason) fuzz_failure("a reason too long: " + reason);
  for (char c : reason) {
    if (c < 0x20 || c > 0x7E) fuzz_failure("a reason that is not printable ASCII");
  }
  if (reason.back() == '.') fuzz_failure("a reason that ends in a full stop");
}

void check_palette(const Palette& palette) {
  if (palette.name.empty() || palette.name.size() > kPaletteNameSize) {
    fuzz_failure("a name of " + std::to_string(palette.name.size()) + " bytes");
  }
  for (char c : palette.name) {
    if ((c >= 0 && c < 0x20) || c == 0x7F) fuzz_failure("a control character in the name");
  }
  for (const PaletteColor& color : palette.colors) {
    for (int amount : {color.red, color.green, color.blue}) {
      if (amount < 0 || amount > 255) fuzz_failure("an amount out of range");
    }
  }
  SkinSettings settings;
  init_settings(settings);
  apply_palette(palette, settings);
  if (settings.design_choice != kCustomMulti || settings.cs3.green != palette.colors[2].green ||
      settings.sel_blue != palette.colors[kPaletteSelection].blue) {
    fuzz_failure("the palette applied wrongly");
  }
}

void check(const PaletteRead& read) {
  if (!read.usable) return check_reason(read.reason);
  if (!read.reason.empty()) fuzz_failure("a palette with a reason");
  check_palette(read.palette);
}

bool same(const PaletteRead& a, const PaletteRead& b) {
  if (a.usable != b.usable || a.reason != b.reason) return false;
  if (a.palette.name != b.palette.name || a.palette.format != b.palette.format) return false;
  for (int i = 0; i < kPaletteColors; ++i) {
    const PaletteColor& x = a.palette.colors[i];
    const PaletteColor& y = b.palette.colors[i];
    if (x.red != y.red || x.green != y.green || x.blue != y.blue) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  enter_scratch_folder("palette");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::unique_ptr<char[]> bytes(new char[size]);
  if (size > 0) std::memcpy(bytes.get(), data, size);
  for (const char* name : kFileNames) check(read_palette_bytes(bytes.get(), size, name));

  std::ofstream(kFile, std::ios::binary)
      .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  if (!same(read_palette_file(kFile), read_palette_bytes(bytes.get(), size, kFile))) {
    fuzz_failure("the file and the bytes read differently");
  }
  return 0;
}
