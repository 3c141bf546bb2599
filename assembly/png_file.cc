#include "assembly/png_file.h"

#include <array>
#include <climits>
#include <cstdio>
#include <cstring>
#include <vector>

// stb_image's implementation is compiled here and nowhere else: PNG only,
// from memory only (no stdio), its functions private to this file.
#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_STATIC
#define STBI_ONLY_PNG
#define STBI_NO_STDIO
#define STBI_NO_LINEAR
#define STBI_NO_FAILURE_STRINGS
#include <stb_image.h>

namespace {

const unsigned char kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
// Signature, IHDR's length and type, width and height.
constexpr size_t kHeaderBytes = 8 + 8 + 8;

std::uint32_t big_endian(const unsigned char* p) {
  return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) |
         std::uint32_t{p[3]};
}

std::uint32_t little_endian(const unsigned char* p) {
  return std::uint32_t{p[0]} | (std::uint32_t{p[1]} << 8) | (std::uint32_t{p[2]} << 16) |
         (std::uint32_t{p[3]} << 24);
}

using CrcTables = std::array<std::array<std::uint32_t, 256>, 8>;

// Table k gives a byte's share of the CRC k bytes further on, so that eight
// bytes are taken a step ("slicing by 8"), several times faster than one:
// the build's check reads every byte of a skin.
const CrcTables& crc_tables() {
  static const CrcTables tables = [] {
    CrcTables t{};
    for (std::uint32_t n = 0; n < 256; ++n) {
      std::uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = (c & 1) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      t[0][n] = c;
    }
    for (std::uint32_t n = 0; n < 256; ++n) {
      for (size_t k = 1; k < 8; ++k) t[k][n] = (t[k - 1][n] >> 8) ^ t[0][t[k - 1][n] & 0xFF];
    }
    return t;
  }();
  return tables;
}

// The CRC-32 that PNG puts after each chunk, over its type and data.
std::uint32_t chunk_crc(const unsigned char* bytes, size_t size) {
  const CrcTables& t = crc_tables();
  std::uint32_t c = 0xFFFFFFFFu;
  size_t i = 0;
  for (; size - i >= 8; i += 8) {
    std::uint32_t low = c ^ little_endian(bytes + i);
    std::uint32_t high = little_endian(bytes + i + 4);
    c = t[7][low & 0xFF] ^ t[6][(low >> 8) & 0xFF] ^ t[5][(low >> 16) & 0xFF] ^ t[4][low >> 24] ^
        t[3][high & 0xFF] ^ t[2][(high >> 8) & 0xFF] ^ t[1][(high >> 16) & 0xFF] ^ t[0][high >> 24];
  }
  for (; i < size; ++i) c = t[0][(c ^ bytes[i]) & 0xFF] ^ (c >> 8);
  return c ^ 0xFFFFFFFFu;
}

bool has_header(const unsigned char* bytes, size_t size) {
  return size >= kHeaderBytes && std::memcmp(bytes, kSignature, sizeof kSignature) == 0 &&
         std::memcmp(bytes + 12, "IHDR", 4) == 0;
}

// Walks the chunks: true when each fits and checks out and IEND ends them.
bool chunks_whole(const unsigned char* bytes, size_t size) {
  size_t at = sizeof kSignature;
  while (size - at >= 12) {
    std::uint32_t length = big_endian(bytes + at);
    if (length > size - at - 12) return false;
    const unsigned char* type = bytes + at + 4;
    if (chunk_crc(type, 4 + size_t{length}) != big_endian(type + 4 + length)) return false;
    at += 12 + size_t{length};
    if (std::memcmp(type, "IEND", 4) == 0) return true;
  }
  return false;
}

// The bytes of a whole PNG without its IDAT chunks of no data, which carry
// nothing: stb_image copies each IDAT chunk into its buffer with memcpy,
// an empty first one into a buffer not yet allocated, and memcpy must
// never be given a null pointer, not even for no bytes. Empty when the
// image has no such chunk (the usual case), so nothing is copied then.
// Only for bytes that chunks_whole accepted: the walk trusts the lengths up
// to IEND and stops there, as whatever follows IEND may be anything.
std::vector<unsigned char> without_empty_data_chunks(const unsigned char* bytes, size_t size) {
  std::vector<unsigned char> kept;
  size_t at = sizeof kSignature;
  size_t copied = 0;
  while (size - at >= 12) {
    std::uint32_t length = big_endian(bytes + at);
    const unsigned char* type = bytes + at + 4;
    if (length == 0 && std::memcmp(type, "IDAT", 4) == 0) {
      kept.insert(kept.end(), bytes + copied, bytes + at);
      copied = at + 12;
    }
    at += 12 + size_t{length};
    if (std::memcmp(type, "IEND", 4) == 0) break;
  }
  if (copied == 0) return kept;
  kept.insert(kept.end(), bytes + copied, bytes + size);
  return kept;
}

// Whether the decoder may be handed an image of these facts: the pixel
// count is bounded before it allocates, and it takes the length as an int.
bool within_decoding_bounds(const PngFacts& facts, size_t size) {
  std::uint64_t pixels = std::uint64_t{facts.width} * facts.height;
  return pixels > 0 && pixels <= kMaxDecodedPixels && size <= size_t{INT_MAX};
}

// Room for the whole file at once, when its length can be told. It is only
// a hint, and bounded: the file is read to its end all the same, and a
// folder opened as a file may tell any length (LONG_MAX on Linux).
void reserve_for(std::FILE* file, std::vector<unsigned char>& bytes) {
  constexpr long kLargestHint = 64L * 1024 * 1024;
  if (std::fseek(file, 0, SEEK_END) != 0) return;
  long length = std::ftell(file);
  std::rewind(file);
  if (length > 0 && length <= kLargestHint) bytes.reserve(static_cast<size_t>(length));
}

}  // namespace

PngFacts inspect_png_bytes(const unsigned char* bytes, size_t size) {
  PngFacts facts;
  if (size == 0) {
    facts.state = PngState::kEmpty;
    return facts;
  }
  facts.state = PngState::kDamaged;
  if (!has_header(bytes, size) || !chunks_whole(bytes, size)) return facts;
  facts.state = PngState::kWhole;
  facts.width = big_endian(bytes + 16);
  facts.height = big_endian(bytes + 20);
  return facts;
}

PngFacts inspect_png(const std::string& path) {
  std::vector<unsigned char> bytes;
  return read_png(path, &bytes);
}

PngFacts read_png(const std::string& path, std::vector<unsigned char>* bytes) {
  bytes->clear();
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return PngFacts{};
  reserve_for(file, *bytes);
  unsigned char chunk[65536];
  size_t count;
  while ((count = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
    bytes->insert(bytes->end(), chunk, chunk + count);
  }
  bool failed = std::ferror(file) != 0;
  std::fclose(file);
  PngFacts facts = inspect_png_bytes(bytes->data(), bytes->size());
  if (failed && facts.state != PngState::kEmpty) facts.state = PngState::kDamaged;
  return facts;
}

bool decode_png_bytes(const unsigned char* bytes, size_t size, PngPixels* pixels) {
  *pixels = PngPixels{};
  PngFacts facts = inspect_png_bytes(bytes, size);
  if (facts.state != PngState::kWhole || !within_decoding_bounds(facts, size)) return false;
  std::vector<unsigned char> cleaned = without_empty_data_chunks(bytes, size);
  if (!cleaned.empty()) {
    bytes = cleaned.data();
    size = cleaned.size();
  }
  int width = 0, height = 0, channels = 0;
  stbi_uc* rgba =
      stbi_load_from_memory(bytes, static_cast<int>(size), &width, &height, &channels, 4);
  if (rgba == nullptr) return false;
  // stb_image reads the same IHDR; anything else would be its mistake.
  bool as_declared = static_cast<std::uint32_t>(width) == facts.width &&
                     static_cast<std::uint32_t>(height) == facts.height;
  if (as_declared) {
    pixels->width = facts.width;
    pixels->height = facts.height;
    pixels->rgba.assign(rgba, rgba + size_t{4} * facts.width * facts.height);
  }
  stbi_image_free(rgba);
  return as_declared;
}

bool decode_png(const std::string& path, PngPixels* pixels) {
  std::vector<unsigned char> bytes;
  read_png(path, &bytes);
  return decode_png_bytes(bytes.data(), bytes.size(), pixels);
}

bool read_png_size(const std::string& path, std::uint32_t* width, std::uint32_t* height) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return false;
  unsigned char header[kHeaderBytes];
  size_t count = std::fread(header, 1, sizeof header, file);
  std::fclose(file);
  if (!has_header(header, count)) return false;
  *width = big_endian(header + 16);
  *height = big_endian(header + 20);
  return true;
}
