// The PNG decoder of the build's check, over any bytes: as they come, and
// with every chunk's CRC made to match, so that the inputs reach the image
// data past the chunk check. Whatever it decodes must be what the header
// declares, within the size bound; whatever it refuses leaves no pixels.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include "assembly/png_file.h"
#include "fuzz/fuzz_support.h"

namespace {

std::uint32_t big_endian(const uint8_t* p) {
  return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) |
         std::uint32_t{p[3]};
}

// Bit by bit, apart from the decoder's own tables.
std::uint32_t crc32_of(const uint8_t* bytes, size_t size) {
  std::uint32_t crc = 0xFFFFFFFFu;
  for (size_t i = 0; i < size; ++i) {
    crc ^= bytes[i];
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

// Writes the right CRC after every chunk that fits in the bytes.
void fix_crcs(std::vector<uint8_t>& png) {
  for (size_t at = 8; png.size() >= 12 && at <= png.size() - 12;) {
    std::uint32_t length = big_endian(&png[at]);
    if (length > png.size() - at - 12) return;
    std::uint32_t crc = crc32_of(&png[at + 4], 4 + size_t{length});
    for (int i = 0; i < 4; ++i)
      png[at + 8 + length + i] = static_cast<uint8_t>(crc >> (24 - 8 * i));
    at += 12 + size_t{length};
  }
}

// Decodes from a buffer of exactly the input's size, so that a read past
// its end is caught.
void check_decoding(const std::vector<uint8_t>& input) {
  std::unique_ptr<unsigned char[]> bytes(new unsigned char[input.size()]);
  if (!input.empty()) std::memcpy(bytes.get(), input.data(), input.size());
  PngPixels pixels;
  pixels.rgba.assign(3, 0);
  bool decoded = decode_png_bytes(bytes.get(), input.size(), &pixels);
  PngFacts facts = inspect_png_bytes(bytes.get(), input.size());
  if (!decoded) {
    if (pixels.width != 0 || pixels.height != 0 || !pixels.rgba.empty()) {
      fuzz_failure("a refused image left pixels");
    }
    return;
  }
  if (facts.state != PngState::kWhole) fuzz_failure("decoded bytes that are not whole");
  if (pixels.width != facts.width || pixels.height != facts.height) {
    fuzz_failure("decoded to another size than the header's");
  }
  std::uint64_t count = std::uint64_t{pixels.width} * pixels.height;
  if (count == 0 || count > kMaxDecodedPixels) fuzz_failure("decoded past the size bound");
  if (pixels.rgba.size() != 4 * count) fuzz_failure("not 4 bytes a pixel");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<uint8_t> input(data, data + size);
  check_decoding(input);
  fix_crcs(input);
  check_decoding(input);
  return 0;
}
