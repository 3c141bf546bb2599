#include "assembly/png_file.h"

#include <array>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

const unsigned char kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
// Signature, IHDR's length and type, width and height.
constexpr size_t kHeaderBytes = 8 + 8 + 8;

std::uint32_t big_endian(const unsigned char* p) {
  return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) |
         std::uint32_t{p[3]};
}

const std::array<std::uint32_t, 256>& crc_table() {
  static const std::array<std::uint32_t, 256> table = [] {
    std::array<std::uint32_t, 256> t{};
    for (std::uint32_t n = 0; n < 256; ++n) {
      std::uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = (c & 1) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      t[n] = c;
    }
    return t;
  }();
  return table;
}

// The CRC-32 that PNG puts after each chunk, over its type and data.
std::uint32_t chunk_crc(const unsigned char* bytes, size_t size) {
  const std::array<std::uint32_t, 256>& table = crc_table();
  std::uint32_t c = 0xFFFFFFFFu;
  for (size_t i = 0; i < size; ++i) c = table[(c ^ bytes[i]) & 0xFF] ^ (c >> 8);
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
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return PngFacts{};
  std::vector<unsigned char> bytes;
  unsigned char chunk[65536];
  size_t count;
  while ((count = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
    bytes.insert(bytes.end(), chunk, chunk + count);
  }
  bool failed = std::ferror(file) != 0;
  std::fclose(file);
  PngFacts facts = inspect_png_bytes(bytes.data(), bytes.size());
  if (failed && facts.state != PngState::kEmpty) facts.state = PngState::kDamaged;
  return facts;
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
