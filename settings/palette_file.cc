#include "settings/palette_file.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <iterator>
#include <string>
#include <string_view>

#include "platform/regular_file.h"
#include "settings/palette_readers.h"
#include "wizard/prompts.h"

namespace {

// Which colour of a file each of the skin's five colours is. The formats
// whose keys carry a meaning are taken by it: for base16, base0D marks
// functions (blue), base0B strings (green), base0E keywords (purple),
// base0C support (cyan), base09 constants (orange); pywal's color1 to
// color6 are the terminal's red, green, yellow, blue, magenta and cyan.
// The lists carry none, so their colours are taken in file order.
struct PaletteMapping {
  PaletteFormat format;
  const char* label;
  const char* keys[kPaletteColors];  // all null: the colours in file order
  const char* selection_fallback;    // taken when the selection's key is missing
};

const PaletteMapping kMappings[] = {
    {PaletteFormat::kBase16,
     "base16",
     {"base0D", "base0B", "base0E", "base0C", "base09"},
     "base0A"},
    {PaletteFormat::kBase24,
     "base24",
     {"base0D", "base0B", "base0E", "base0C", "base09"},
     "base0A"},
    {PaletteFormat::kPywal, "pywal", {"color4", "color2", "color5", "color6", "color3"}, nullptr},
    {PaletteFormat::kGimp, "GIMP", {}, nullptr},
    {PaletteFormat::kHexList, "hex list", {}, nullptr},
};

// Where the colours start in the mapping's text, after the formats' labels.
constexpr size_t kLabelColumn = 16;

const char kInFileOrder[] = "the first five colours, near-black and near-white greys aside";

// A grey this close to black or white is a palette's background or text
// shade, not a colour for a section.
constexpr int kGreyChroma = 32;  // largest spread of red, green and blue
constexpr int kDarkest = 64;     // no amount above it
constexpr int kLightest = 192;   // no amount below it

const PaletteMapping& mapping_of(PaletteFormat format) {
  for (const PaletteMapping& mapping : kMappings) {
    if (mapping.format == format) return mapping;
  }
  return kMappings[0];
}

bool is_background_shade(const PaletteColor& color) {
  int high = std::max({color.red, color.green, color.blue});
  int low = std::min({color.red, color.green, color.blue});
  return high - low <= kGreyChroma && (high <= kDarkest || low >= kLightest);
}

// The colour of a key; a key given twice counts with its last value.
const PaletteColor* find_key(const PaletteSource& source, const char* key) {
  for (auto entry = source.keyed.rbegin(); entry != source.keyed.rend(); ++entry) {
    if (entry->first == key) return &entry->second;
  }
  return nullptr;
}

// The five colours by the format's keys; false, with the reason, when one
// is missing.
bool pick_keyed(const PaletteSource& source, const PaletteMapping& mapping, Palette& palette,
                std::string& reason) {
  for (int i = 0; i < kPaletteColors; ++i) {
    const char* key = mapping.keys[i];
    const char* fallback = i == kPaletteSelection ? mapping.selection_fallback : nullptr;
    const PaletteColor* color = find_key(source, key);
    if (color == nullptr && fallback != nullptr) color = find_key(source, fallback);
    if (color == nullptr) {
      reason = std::string(key) +
               (fallback != nullptr ? " and " + std::string(fallback) + " are" : " is") +
               " missing";
      return false;
    }
    palette.colors[i] = *color;
  }
  return true;
}

// The first five colours that are no background shade; false, with the
// reason, when there are fewer.
bool pick_ordered(const PaletteSource& source, Palette& palette, std::string& reason) {
  int taken = 0;
  for (const PaletteColor& color : source.ordered) {
    if (is_background_shade(color)) continue;
    palette.colors[taken++] = color;
    if (taken == kPaletteColors) return true;
  }
  reason = source.ordered.empty() ? std::string("no colours")
                                  : "only " + std::to_string(taken) +
                                        " colours besides near-black and near-white greys; " +
                                        std::to_string(kPaletteColors) + " are needed";
  return false;
}

// The file's name without its folders and its extension.
std::string file_stem(const std::string& file_name) {
  size_t folder_end = file_name.find_last_of("/\\");
  std::string name = folder_end == std::string::npos ? file_name : file_name.substr(folder_end + 1);
  size_t dot = name.rfind('.');
  return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

std::string extension_of(const std::string& file_name) {
  std::string name = file_name.substr(file_name.find_last_of("/\\") + 1);
  size_t dot = name.rfind('.');
  std::string extension = dot == std::string::npos ? std::string() : name.substr(dot);
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return extension;
}

// The name to show: the file's own when it gives one, printable and cut
// to kPaletteNameSize bytes between two characters.
std::string display_name(const std::string& given, const std::string& file_name) {
  std::string name(trimmed(given));
  if (name.empty()) name = file_stem(file_name);
  name = printable(name.c_str());
  if (name.size() > kPaletteNameSize) {
    size_t cut = kPaletteNameSize;
    while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80) --cut;
    name.erase(cut);
  }
  return name;
}

// Why a text that matches no format is no palette; the extension tells
// which format was meant.
std::string unrecognised(const std::string& extension) {
  if (extension == ".gpl") return "no \"GIMP Palette\" first line";
  if (extension == ".json") return "not a JSON object";
  if (extension == ".yaml" || extension == ".yml") return "no base00 to base0F keys";
  return "not a palette file";
}

PaletteSource read_source(std::string_view text, const std::string& file_name) {
  if (has_gimp_header(text)) return read_gimp_palette(text);
  size_t first = text.find_first_not_of(" \t\r\n");
  if (first != std::string_view::npos && text[first] == '{') return read_colors_json(text);
  if (looks_like_scheme_yaml(text)) return read_scheme_yaml(text);
  if (starts_with_color_code(text)) return read_hex_list(text);
  PaletteSource source;
  source.reason = unrecognised(extension_of(file_name));
  return source;
}

PaletteRead refused(const std::string& reason) {
  PaletteRead read;
  read.reason = reason;
  return read;
}

// Why the bytes cannot be text to read, empty when they can.
std::string text_problem(const char* bytes, size_t size) {
  if (size == 0) return "the file is empty";
  if (size > kPaletteReadLimit) return "larger than 1 MiB";
  bool utf16 = size >= 2 && ((bytes[0] == '\xFF' && bytes[1] == '\xFE') ||
                             (bytes[0] == '\xFE' && bytes[1] == '\xFF'));
  if (utf16) return "UTF-16 text; save it as UTF-8";
  if (std::memchr(bytes, '\0', size) != nullptr) return "not a text file";
  return std::string();
}

// The colours a format gives, in the order of the skin's five, for the
// mapping's text.
std::string mapping_colors(const PaletteMapping& mapping) {
  if (mapping.keys[0] == nullptr) return kInFileOrder;
  std::string text;
  for (int i = 0; i < kPaletteColors; ++i) text += std::string(i > 0 ? ", " : "") + mapping.keys[i];
  if (mapping.selection_fallback == nullptr) return text;
  return text + " or " + mapping.selection_fallback;
}

}  // namespace

PaletteRead read_palette_bytes(const char* bytes, size_t size, const std::string& file_name) {
  std::string problem = text_problem(bytes, size);
  if (!problem.empty()) return refused(problem);
  std::string_view text(bytes, size);
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  PaletteSource source = read_source(text, file_name);
  if (!source.reason.empty()) return refused(source.reason);
  PaletteRead read;
  const PaletteMapping& mapping = mapping_of(source.format);
  bool picked = mapping.keys[0] != nullptr ? pick_keyed(source, mapping, read.palette, read.reason)
                                           : pick_ordered(source, read.palette, read.reason);
  if (!picked) return read;
  read.usable = true;
  read.palette.format = source.format;
  read.palette.name = display_name(source.name, file_name);
  return read;
}

PaletteRead read_palette_file(const std::string& path) {
  std::string bytes;
  // One byte more than the limit: a larger file shows itself by it.
  switch (read_regular_file(path.c_str(), kPaletteReadLimit + 1, bytes)) {
    case FileRead::kRead:
      return read_palette_bytes(bytes.data(), bytes.size(), path);
    case FileRead::kMissing:
      return refused("no such file, or no access to it");
    case FileRead::kNotRegular:
      return refused("not a regular file");
    case FileRead::kUnreadable:
      break;
  }
  return refused("it cannot be read");
}

const char* palette_format_label(PaletteFormat format) {
  return mapping_of(format).label;
}

void apply_palette(const Palette& palette, SkinSettings& settings) {
  for (int section = 1; section <= 4; ++section) {
    const PaletteColor& color = palette.colors[section - 1];
    SectionColor& target = section_color(settings, section);
    target.red = color.red;
    target.green = color.green;
    target.blue = color.blue;
  }
  const PaletteColor& selection = palette.colors[kPaletteSelection];
  settings.sel_red = selection.red;
  settings.sel_green = selection.green;
  settings.sel_blue = selection.blue;
  settings.design_choice = kCustomMulti;
}

bool is_palette_candidate(const std::string& file_name) {
  const char* const kExtensions[] = {".yaml", ".yml", ".json", ".gpl", ".txt", ".hex"};
  std::string extension = extension_of(file_name);
  return std::find(std::begin(kExtensions), std::end(kExtensions), extension) !=
         std::end(kExtensions);
}

std::string palette_mapping_text() {
  std::string text =
      "A palette's colours become the generators, modulators, effects, globals\n"
      "and selection colours, in this order:\n";
  std::string labels;
  for (size_t i = 0; i < std::size(kMappings); ++i) {
    labels += (labels.empty() ? "" : ", ") + std::string(kMappings[i].label);
    std::string colors = mapping_colors(kMappings[i]);
    bool last = i + 1 == std::size(kMappings) || mapping_colors(kMappings[i + 1]) != colors;
    if (!last) continue;
    size_t gap = labels.size() + 2 < kLabelColumn ? kLabelColumn - labels.size() : 2;
    text += "  " + labels + std::string(gap, ' ') + colors + "\n";
    labels.clear();
  }
  return text;
}
