#include "wizard/colour_code.h"

#include <cstdio>
#include <cstring>

#include "wizard/prompts.h"

namespace {

bool is_blank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

int hex_value(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

bool convert_colour_code(const char* line, int32_t* red, int32_t* green, int32_t* blue) {
  while (is_blank(*line)) ++line;
  if (*line != '#') return false;
  int digits[6];
  int count = 0;
  for (++line; count < 6 && hex_value(*line) >= 0; ++line) digits[count++] = hex_value(*line);
  while (is_blank(*line)) ++line;
  if (*line != '\0' || (count != 6 && count != 3)) return false;
  if (count == 3) {
    for (int i = 2; i >= 0; --i) digits[2 * i] = digits[2 * i + 1] = digits[i];
  }
  *red = digits[0] * 16 + digits[1];
  *green = digits[2] * 16 + digits[3];
  *blue = digits[4] * 16 + digits[5];
  return true;
}

void ask_red_or_code(const char* prompt, int32_t* red, int32_t* green, int32_t* blue) {
  if (answers_interrupted()) return;
  std::printf(prompt, *red);
  read_answer_line();
  if (!convert_colour_code(answer_line(), red, green, blue)) convert_int(answer_line(), red);
}
