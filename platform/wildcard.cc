#include "platform/wildcard.h"

#include <cctype>

namespace {

bool same_letter(char a, char b) {
  return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
}

// Classic matching with one backtracking point: the last '*' seen takes one
// more character whenever the rest fails.
bool match_from_start(const std::string& pattern, const std::string& name) {
  size_t p = 0, n = 0;
  size_t star = std::string::npos, star_name = 0;
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      star = p++;
      star_name = n;
    } else if (p < pattern.size() && (pattern[p] == '?' || same_letter(pattern[p], name[n]))) {
      ++p;
      ++n;
    } else if (star != std::string::npos) {
      p = star + 1;
      n = ++star_name;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

unsigned char lower(char c) {
  return static_cast<unsigned char>(std::tolower(static_cast<unsigned char>(c)));
}

size_t last_position_of(const std::string& text, char c, size_t from) {
  for (size_t i = text.size(); i > from; --i) {
    if (same_letter(text[i - 1], c)) return i - 1;
  }
  return std::string::npos;
}

}  // namespace

bool has_wildcard(const std::string& name) {
  return name.find_first_of("*?") != std::string::npos;
}

bool wildcard_match(const std::string& pattern, const std::string& name) {
  if (match_from_start(pattern, name)) return true;
  size_t size = pattern.size();
  bool any_extension = size >= 2 && pattern.compare(size - 2, 2, ".*") == 0;
  return any_extension && name.find('.') == std::string::npos &&
         match_from_start(pattern.substr(0, size - 2), name);
}

std::string wildcard_destination_name(const std::string& source_name,
                                      const std::string& destination_pattern) {
  const std::string& source = source_name;
  const std::string& mask = destination_pattern;
  std::string result;
  size_t s = 0;
  for (size_t m = 0; m < mask.size(); ++m) {
    char c = mask[m];
    if (c == '*') {
      size_t end = m + 1 < mask.size() ? last_position_of(source, mask[m + 1], s) : source.size();
      if (end == std::string::npos) end = source.size();
      result += source.substr(s, end - s);
      s = end;
    } else if (c == '?') {
      if (s < source.size() && source[s] != '.') result += source[s++];
    } else if (c == '.') {
      size_t dot = last_position_of(source, '.', s);
      s = dot == std::string::npos ? source.size() : dot + 1;
      result += '.';
    } else {
      result += c;
      if (s < source.size() && source[s] != '.') ++s;
    }
  }
  while (!result.empty() && result.back() == '.') result.pop_back();
  return result;
}

bool same_name_any_case(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (!same_letter(a[i], b[i])) return false;
  }
  return true;
}

bool name_before_any_case(const std::string& a, const std::string& b) {
  for (size_t i = 0; i < a.size() && i < b.size(); ++i) {
    if (lower(a[i]) != lower(b[i])) return lower(a[i]) < lower(b[i]);
  }
  return a.size() < b.size();
}
