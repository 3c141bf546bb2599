#include "wizard/prompts.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "assembly/commands.h"

namespace {

const char* skip_blanks(const char* text) {
  while (std::isspace(static_cast<unsigned char>(*text))) ++text;
  return text;
}

const char* skip_digits(const char* text) {
  while (std::isdigit(static_cast<unsigned char>(*text))) ++text;
  return text;
}

// Length of the decimal floating-point number at the start of text
// (optional sign, digits with an optional point, optional exponent), or 0.
size_t decimal_number_length(const char* text) {
  const char* p = text;
  if (*p == '+' || *p == '-') ++p;
  const char* digits = p;
  p = skip_digits(p);
  bool whole = p != digits;
  bool fraction = false;
  if (*p == '.') {
    const char* after_point = skip_digits(p + 1);
    fraction = after_point != p + 1;
    if (whole || fraction) p = after_point;
  }
  if (!whole && !fraction) return 0;
  if (*p == 'e' || *p == 'E') {
    const char* q = p + 1;
    if (*q == '+' || *q == '-') ++q;
    const char* exponent_end = skip_digits(q);
    if (exponent_end != q) p = exponent_end;
  }
  return static_cast<size_t>(p - text);
}

// The length of the valid UTF-8 character at text (1 to 4), or 0 when the
// bytes there are not one. C1 control characters (U+0080 to U+009F) count
// as not valid: terminals act on them.
size_t utf8_character_length(const unsigned char* text) {
  unsigned char lead = text[0];
  size_t length = lead < 0x80           ? 1
                  : (lead >> 5) == 0x6  ? 2
                  : (lead >> 4) == 0xE  ? 3
                  : (lead >> 3) == 0x1E ? 4
                                        : 0;
  for (size_t i = 1; i < length; ++i) {
    if ((text[i] & 0xC0) != 0x80) return 0;
  }
  if (length == 2 && (lead < 0xC2 || (lead == 0xC2 && text[1] < 0xA0))) return 0;
  if (length == 3 && lead == 0xE0 && text[1] < 0xA0) return 0;
  if (length == 4 && (lead > 0xF4 || (lead == 0xF0 && text[1] < 0x90))) return 0;
  return length;
}

}  // namespace

std::string printable(const char* text) {
  std::string shown;
  const unsigned char* p = reinterpret_cast<const unsigned char*>(text);
  while (*p != '\0') {
    size_t length = utf8_character_length(p);
    if (length == 1 && (*p < 0x20 || *p == 0x7F)) length = 0;
    if (length == 0) {
      shown += '?';
      ++p;
      continue;
    }
    shown.append(reinterpret_cast<const char*>(p), length);
    p += length;
  }
  return shown;
}

bool convert_int(const char* line, int32_t* field) {
  const char* start = skip_blanks(line);
  const char* p = start;
  if (*p == '+' || *p == '-') ++p;
  if (!std::isdigit(static_cast<unsigned char>(*p))) return false;
  // "%d" of a number beyond 32 bits keeps its low 32 bits.
  long long value = std::strtoll(start, nullptr, 10);
  *field = static_cast<int32_t>(static_cast<uint32_t>(static_cast<unsigned long long>(value)));
  return true;
}

bool convert_float(const char* line, float* field) {
  const char* start = skip_blanks(line);
  size_t length = decimal_number_length(start);
  if (length == 0) return false;
  std::string number(start, length);
  *field = std::strtof(number.c_str(), nullptr);
  return true;
}

void ask_int(const char* prompt, int32_t* field) {
  if (answers_interrupted()) return;
  std::printf(prompt, *field);
  read_answer_line();
  convert_int(answer_line(), field);
}

void ask_float(const char* prompt, float* field) {
  if (answers_interrupted()) return;
  std::printf(prompt, static_cast<double>(*field));
  read_answer_line();
  convert_float(answer_line(), field);
}

bool ask_text(const char* prompt, char* field, size_t capacity) {
  if (answers_interrupted()) return false;
  std::printf(prompt, printable(field).c_str());
  read_answer_line();
  const char* line = answer_line();
  size_t length = std::strlen(line);
  if (length > 0 && !answer_unterminated()) --length;  // the line break
  if (length == 0 || length >= capacity) return false;
  std::memcpy(field, line, length);
  field[length] = '\0';
  return true;
}

void discard_rest_of_cut_answer() {
  while (answer_was_cut()) read_answer_line();
}

// The answer to a menu of count rows whose prompt has been printed: a
// row's number is taken, a number outside the rows is refused and the
// prompt printed again; anything else (ENTER, text, end of input, an
// interruption) keeps the field. Each try reads a line, so the loop ends
// with the input.
static void read_menu_answer(const char* prompt, int count, int32_t* field) {
  for (;;) {
    read_answer_line();
    int32_t answer = 0;
    if (!convert_int(answer_line(), &answer)) return;
    if (answer >= 1 && answer <= count) {
      *field = answer;
      return;
    }
    discard_rest_of_cut_answer();
    std::printf("Please answer with a number from 1 to %d.\n%s", count, prompt);
  }
}

void ask_menu(const char* const* labels, int count, int32_t* field) {
  if (answers_interrupted()) return;
  for (int i = 1; i <= count; ++i) {
    std::printf("%d: %s", i, labels[i - 1]);
    std::printf(i == *field ? " (default)\n" : "\n");
  }
  std::printf(": ");
  read_menu_answer(": ", count, field);
}

// A fixed two-row block ending in its prompt: the answer starts at its
// default, and only 2 is yes.
static bool ask_yes_no(const char* question, const char* rows, const char* prompt,
                       int32_t default_answer) {
  int32_t answer = default_answer;
  if (!answers_interrupted()) {
    std::printf("%s%s%s", question, rows, prompt);
    read_menu_answer(prompt, 2, &answer);
  }
  return answer == 2;
}

bool ask_preview_accepted() {
  return ask_yes_no("\n\nAre you satisfied with the result?\n\n", "1: No\n2: Yes (Default)\n", ":",
                    2);
}

bool ask_save_wanted() {
  return ask_yes_no("Would you like to save this skin as a preset?:\n\n",
                    "1: No (Default)\n2: Yes\n", ": ", 0);
}

void pause_for_enter() {
  read_answer_line();
}

void clear_screen() {
  run_command("cls");
}
