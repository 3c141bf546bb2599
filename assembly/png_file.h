// What the build's check needs to know of a PNG image: whether it is
// there, whether it is whole, and its size.
//
// A whole PNG is the signature, then chunks each with a length that stays
// inside the file and a CRC that matches, IHDR first and IEND last. A file
// the image tool left half-written (a full disk cuts it anywhere) fails
// one of these. The pixels themselves are not decoded.
#ifndef SKINBUILDER_ASSEMBLY_PNG_FILE_H_
#define SKINBUILDER_ASSEMBLY_PNG_FILE_H_

#include <cstddef>
#include <cstdint>
#include <string>

enum class PngState {
  kMissing,  // no such file
  kEmpty,    // a file of 0 bytes
  kDamaged,  // not a whole PNG
  kWhole,
};

struct PngFacts {
  PngState state = PngState::kMissing;
  std::uint32_t width = 0;
  std::uint32_t height = 0;
};

// The facts of the bytes of a file.
PngFacts inspect_png_bytes(const unsigned char* bytes, size_t size);

// The facts of a file, read whole; path in the local form.
PngFacts inspect_png(const std::string& path);

// The width and height from a PNG file's header alone (its first 33
// bytes); false when it has none.
bool read_png_size(const std::string& path, std::uint32_t* width, std::uint32_t* height);

#endif  // SKINBUILDER_ASSEMBLY_PNG_FILE_H_
