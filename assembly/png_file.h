// What the build's check needs to know of a PNG image: whether it is
// there, whether it is whole, its size and, decoded, its pixels.
//
// A whole PNG is the signature, then chunks each with a length that stays
// inside the file and a CRC that matches, IHDR first and IEND last. A file
// the image tool left half-written (a full disk cuts it anywhere) fails
// one of these. Decoding goes further: the image data must inflate to the
// rows the header promises. The decoder is stb_image (Debian's libstb-dev),
// built into this module alone and for PNG only.
#ifndef SKINBUILDER_ASSEMBLY_PNG_FILE_H_
#define SKINBUILDER_ASSEMBLY_PNG_FILE_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

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

// The same, keeping the bytes read (none when the file is missing), for a
// caller that goes on to decode them.
PngFacts read_png(const std::string& path, std::vector<unsigned char>* bytes);

// An image's pixels as 8-bit RGBA: rows from the top, 4 bytes a pixel,
// the alpha last.
struct PngPixels {
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  std::vector<unsigned char> rgba;
};

// Far above any skin image (16 Mi pixels, 64 MiB decoded). A header that
// claims more is refused before anything is allocated: a damaged or hostile
// file cannot make the decoder ask for gigabytes.
inline constexpr std::uint64_t kMaxDecodedPixels = std::uint64_t{1} << 24;

// Decodes a whole PNG (as inspect_png_bytes judges it) of any colour type
// and depth: grey, grey and alpha, palette, transparency from tRNS, 16-bit
// samples (cut to their high byte) and interlaced images all come out as
// 8-bit RGBA, fully opaque where the file has no transparency. False, with
// *pixels emptied, when the bytes are not whole, the image holds more than
// kMaxDecodedPixels pixels, or its data does not decode.
bool decode_png_bytes(const unsigned char* bytes, size_t size, PngPixels* pixels);

// The same for a file, read whole; path in the local form.
bool decode_png(const std::string& path, PngPixels* pixels);

// The width and height from a PNG file's header alone (its first 33
// bytes); false when it has none.
bool read_png_size(const std::string& path, std::uint32_t* width, std::uint32_t* height);

#endif  // SKINBUILDER_ASSEMBLY_PNG_FILE_H_
