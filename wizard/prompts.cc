#include "wizard/prompts.h"

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <string>

#include "assembly/commands.h"

char answer_line[kAnswerLineSize];

namespace {

FILE* answer_input = nullptr;
bool input_ended = false;
// True when the last read ended at end of input without a newline; such a
// last line has no line break for ask_text to remove.
bool last_piece_unterminated = false;
bool last_piece_cut = false;

FILE* input() {
  return answer_input != nullptr ? answer_input : stdin;
}

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

}  // namespace

void set_answer_input(FILE* stream) {
  answer_input = stream;
  input_ended = false;
}

bool input_closed() {
  return input_ended;
}

bool answer_was_cut() {
  return last_piece_cut;
}

void read_answer_line() {
  std::fflush(stdout);
  answer_line[0] = '\0';
  last_piece_unterminated = false;
  last_piece_cut = false;
  if (input_ended) return;
  if (std::fgets(answer_line, sizeof answer_line, input()) == nullptr) {
    answer_line[0] = '\0';
    input_ended = true;
    return;
  }
  size_t length = std::strlen(answer_line);
  bool has_newline = length > 0 && answer_line[length - 1] == '\n';
  if (!has_newline && length < sizeof answer_line - 1) last_piece_unterminated = true;
  if (!has_newline && length == sizeof answer_line - 1) last_piece_cut = true;
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
  std::printf(prompt, *field);
  read_answer_line();
  convert_int(answer_line, field);
}

void ask_float(const char* prompt, float* field) {
  std::printf(prompt, static_cast<double>(*field));
  read_answer_line();
  convert_float(answer_line, field);
}

bool ask_text(const char* prompt, char* field, size_t capacity) {
  std::printf(prompt, field);
  read_answer_line();
  size_t length = std::strlen(answer_line);
  if (length > 0 && !last_piece_unterminated) answer_line[--length] = '\0';
  if (length == 0 || length >= capacity) return false;
  std::memcpy(field, answer_line, length + 1);
  return true;
}

void ask_menu(const char* const* labels, int count, int32_t* field) {
  for (int i = 1; i <= count; ++i) {
    std::printf("%d: %s", i, labels[i - 1]);
    std::printf(i == *field ? " (default)\n" : "\n");
  }
  std::printf(": ");
  read_answer_line();
  convert_int(answer_line, field);
}

// A fixed two-row block: the answer starts at its default, and only 2 is yes.
static bool ask_yes_no(const char* block, int32_t default_answer) {
  std::printf("%s", block);
  read_answer_line();
  int32_t answer = default_answer;
  convert_int(answer_line, &answer);
  return answer == 2;
}

bool ask_preview_accepted() {
  return ask_yes_no("1: No\n2: Yes (Default)\n:", 2);
}

bool ask_save_wanted() {
  return ask_yes_no("1: No (Default)\n2: Yes\n: ", 0);
}

void pause_for_enter() {
  read_answer_line();
}

void clear_screen() {
  run_command("cls");
}
