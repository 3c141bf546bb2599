// pywal's colors.json (wallust writes the same): a JSON object whose
// "colors" object holds "color0" to "color15" as colour codes.
//
// The reader is JSON's grammar, checked whole, with nothing kept but those
// sixteen strings: objects and arrays nested at most kMaxDepth deep (the
// recursion is bounded by it), strings with their escapes, and numbers,
// true, false and null passed over.
#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

#include "settings/palette_readers.h"

namespace {

constexpr int kMaxDepth = 32;

// Where a value stands: the file's object, its "colors" object, or
// anywhere else.
enum class Place { kTop, kColors, kElsewhere };

struct JsonReader {
  std::string_view text;
  size_t at = 0;
  bool colors_found = false;
  PaletteSource& source;
};

// Stops the reading with a reason; the first one stands.
bool fail(JsonReader& reader, const std::string& reason) {
  if (reader.source.reason.empty()) reader.source.reason = reason;
  return false;
}

bool fail_here(JsonReader& reader) {
  if (reader.at >= reader.text.size()) return fail(reader, "the JSON ends too early");
  std::string_view before = reader.text.substr(0, reader.at);
  int line = 1 + static_cast<int>(std::count(before.begin(), before.end(), '\n'));
  return fail(reader, "not valid JSON (line " + std::to_string(line) + ")");
}

void skip_blanks(JsonReader& reader) {
  while (reader.at < reader.text.size() &&
         std::string_view(" \t\r\n").find(reader.text[reader.at]) != std::string_view::npos) {
    ++reader.at;
  }
}

// Takes c after blanks; false, with nothing taken, when another byte (or
// none) is there.
bool take(JsonReader& reader, char c) {
  skip_blanks(reader);
  if (reader.at >= reader.text.size() || reader.text[reader.at] != c) return false;
  ++reader.at;
  return true;
}

// The escape after a backslash; \u gives its character when it is ASCII
// and "?" otherwise: no key or colour code the reader keeps holds more.
bool take_escape(JsonReader& reader, std::string* value) {
  if (reader.at >= reader.text.size()) return fail_here(reader);
  char c = reader.text[reader.at++];
  const std::string_view plain = "\"\\/bfnrt";
  const std::string_view meant = "\"\\/\b\f\n\r\t";
  size_t which = plain.find(c);
  if (which != std::string_view::npos) {
    if (value != nullptr) *value += meant[which];
    return true;
  }
  if (c != 'u' || reader.text.size() - reader.at < 4) return fail_here(reader);
  int code = 0;
  for (int i = 0; i < 4; ++i) {
    int digit = hex_digit_value(reader.text[reader.at]);
    if (digit < 0) return fail_here(reader);
    code = code * 16 + digit;
    ++reader.at;
  }
  if (value != nullptr) *value += code < 0x80 ? static_cast<char>(code) : '?';
  return true;
}

// A string, its value kept when value is not null.
bool read_string(JsonReader& reader, std::string* value) {
  if (!take(reader, '"')) return fail_here(reader);
  while (reader.at < reader.text.size()) {
    char c = reader.text[reader.at++];
    if (c == '"') return true;
    if (static_cast<unsigned char>(c) < 0x20) {
      --reader.at;
      return fail_here(reader);
    }
    if (c == '\\') {
      if (!take_escape(reader, value)) return false;
    } else if (value != nullptr) {
      *value += c;
    }
  }
  return fail_here(reader);
}

// A number, true, false or null.
bool skip_scalar(JsonReader& reader) {
  size_t start = reader.at;
  const std::string_view allowed = "0123456789+-.eEtruefalsn";
  while (reader.at < reader.text.size() &&
         allowed.find(reader.text[reader.at]) != std::string_view::npos) {
    ++reader.at;
  }
  std::string_view word = reader.text.substr(start, reader.at - start);
  bool number = !word.empty() &&
                (word.front() == '-' || (word.front() >= '0' && word.front() <= '9')) &&
                word.find_first_not_of("0123456789+-.eE") == std::string_view::npos;
  if (number || word == "true" || word == "false" || word == "null") return true;
  reader.at = start;
  return fail_here(reader);
}

bool read_value(JsonReader& reader, Place place, int depth);

// A member of the "colors" object: a colour key's string must be a colour.
bool read_color_member(JsonReader& reader, const std::string& key, int depth) {
  bool color_key = key.size() > 5 && key.size() <= 7 && key.compare(0, 5, "color") == 0 &&
                   key.find_first_not_of("0123456789", 5) == std::string::npos;
  skip_blanks(reader);
  bool string = reader.at < reader.text.size() && reader.text[reader.at] == '"';
  if (!color_key || !string) return read_value(reader, Place::kElsewhere, depth);
  std::string value;
  if (!read_string(reader, &value)) return false;
  PaletteColor color;
  if (!parse_color_code(value, color))
    return fail(reader, key + " is not a colour: " + in_quotes(value));
  reader.source.keyed.emplace_back(key, color);
  return true;
}

bool read_member(JsonReader& reader, Place place, int depth) {
  std::string key;
  if (!read_string(reader, &key)) return false;
  if (!take(reader, ':')) return fail_here(reader);
  if (place == Place::kColors) return read_color_member(reader, key, depth);
  Place inner = place == Place::kTop && key == "colors" ? Place::kColors : Place::kElsewhere;
  return read_value(reader, inner, depth);
}

// The object's members, after its "{".
bool read_object(JsonReader& reader, Place place, int depth) {
  if (place == Place::kColors) reader.colors_found = true;
  if (take(reader, '}')) return true;
  do {
    if (!read_member(reader, place, depth + 1)) return false;
  } while (take(reader, ','));
  return take(reader, '}') || fail_here(reader);
}

// The array's values, after its "[".
bool read_array(JsonReader& reader, int depth) {
  if (take(reader, ']')) return true;
  do {
    if (!read_value(reader, Place::kElsewhere, depth + 1)) return false;
  } while (take(reader, ','));
  return take(reader, ']') || fail_here(reader);
}

bool read_value(JsonReader& reader, Place place, int depth) {
  if (depth > kMaxDepth) {
    return fail(reader, "JSON nested deeper than " + std::to_string(kMaxDepth) + " levels");
  }
  skip_blanks(reader);
  if (reader.at >= reader.text.size()) return fail_here(reader);
  char c = reader.text[reader.at];
  if (c == '"') return read_string(reader, nullptr);
  if (c != '{' && c != '[') return skip_scalar(reader);
  ++reader.at;
  return c == '{' ? read_object(reader, place, depth) : read_array(reader, depth);
}

}  // namespace

PaletteSource read_colors_json(std::string_view text) {
  PaletteSource source;
  source.format = PaletteFormat::kPywal;
  JsonReader reader{text, 0, false, source};
  if (!read_value(reader, Place::kTop, 1)) return source;
  skip_blanks(reader);
  if (reader.at < text.size()) {
    fail_here(reader);
  } else if (!reader.colors_found) {
    fail(reader, "no \"colors\" object");
  }
  return source;
}
