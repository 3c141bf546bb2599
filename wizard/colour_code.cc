#include "wizard/colour_code.h"

#include <algorithm>
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

const char kRefusedList[] =
    "Please answer with one amount, three amounts from 0 to 255 such as 238,171,1, or a colour "
    "code such as #EEAB01.";

const char* skip_blanks(const char* text) {
  while (is_blank(*text)) ++text;
  return text;
}

// The number at text, optionally signed: its value, 256 when it is signed
// or above 255 (never an amount; the cap keeps any count of digits in
// range). nullptr, with the value left alone, when no number is there.
const char* read_amount(const char* text, int* value) {
  if (text == nullptr) return nullptr;
  bool sign = *text == '+' || *text == '-';
  const char* p = text + (sign ? 1 : 0);
  if (*p < '0' || *p > '9') return nullptr;
  int number = 0;
  for (; *p >= '0' && *p <= '9'; ++p) number = std::min(number * 10 + (*p - '0'), 256);
  *value = sign ? 256 : number;
  return p;
}

// Past the blanks and commas at text; nullptr when there are none. More
// than one comma there marks the list as not three amounts.
const char* after_separator(const char* text, bool* too_many_commas) {
  const char* p = text;
  int commas = 0;
  for (; is_blank(*p) || *p == ','; ++p) commas += *p == ',' ? 1 : 0;
  if (commas > 1) *too_many_commas = true;
  return p == text ? nullptr : p;
}

}  // namespace

bool convert_colour_code(const char* line, int32_t* red, int32_t* green, int32_t* blue) {
  line = skip_blanks(line);
  if (*line != '#') return false;
  int digits[6];
  int count = 0;
  for (++line; count < 6 && hex_value(*line) >= 0; ++line) digits[count++] = hex_value(*line);
  line = skip_blanks(line);
  if (*line != '\0' || (count != 6 && count != 3)) return false;
  if (count == 3) {
    for (int i = 2; i >= 0; --i) digits[2 * i] = digits[2 * i + 1] = digits[i];
  }
  *red = digits[0] * 16 + digits[1];
  *green = digits[2] * 16 + digits[3];
  *blue = digits[4] * 16 + digits[5];
  return true;
}

AmountList convert_amount_list(const char* line, int32_t* red, int32_t* green, int32_t* blue) {
  int amounts[3] = {};
  int count = 0;  // stops at 4: any more are as wrong
  bool wrong = false;
  const char* end = skip_blanks(line);
  int value = 0;
  for (const char* p = read_amount(end, &value); p != nullptr;
       p = read_amount(after_separator(p, &wrong), &value)) {
    if (count < 3) amounts[count] = value;
    if (count < 4) ++count;
    wrong = wrong || value > 255;
    end = p;
  }
  if (count < 2) return AmountList::kNone;
  if (count != 3 || wrong || *skip_blanks(end) != '\0') return AmountList::kRefused;
  *red = amounts[0];
  *green = amounts[1];
  *blue = amounts[2];
  return AmountList::kThree;
}

void ask_red_or_code(const char* prompt, int32_t* red, int32_t* green, int32_t* blue) {
  while (!answers_interrupted()) {
    std::printf(prompt, *red);
    read_answer_line();
    const char* line = answer_line();
    if (convert_colour_code(line, red, green, blue)) return;
    AmountList list = convert_amount_list(line, red, green, blue);
    if (list == AmountList::kNone) convert_int(line, red);
    if (list != AmountList::kRefused) return;
    discard_rest_of_cut_answer();
    std::printf("%s\n", kRefusedList);
  }
}
