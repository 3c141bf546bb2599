#include "wizard/prompts.h"

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <string>

#include "assembly/commands.h"
#include "platform/interruption.h"

char answer_line[kAnswerLineSize];

namespace {

bool input_ended = false;
// True when the last read ended at end of input without a newline; such a
// last line has no line break for ask_text to remove.
bool last_piece_unterminated = false;
bool last_piece_cut = false;

// The answers are read from the input's descriptor into a buffer of our
// own, not through the C library's stream: so it is always known whether
// an answer is already there, and a wait for one can end at Ctrl-C
// (platform/interruption.h).
struct AnswerInput {
  std::FILE* stream = stdin;
  char bytes[4096];
  size_t start = 0;
  size_t end = 0;
  bool ended = false;
};
AnswerInput input;

// True when a byte is there to be taken, reading more when needed. A
// Ctrl-C while the skin folder is being replaced ends the wait, and the
// input with it: the questions left take their defaults, and the driver,
// which sees the interruption next, puts the folder right and ends.
bool has_byte() {
  if (input.start < input.end) return true;
  if (input.ended) return false;
  long count = read_unless_interrupted(input.stream, input.bytes, sizeof input.bytes);
  if (count <= 0) {
    input.ended = true;
    return false;
  }
  input.start = 0;
  input.end = static_cast<size_t>(count);
  return true;
}

int next_byte() {
  return has_byte() ? static_cast<unsigned char>(input.bytes[input.start++]) : EOF;
}

// Reads as fgets would: up to and including a newline, at most
// size - 1 bytes. Returns the number of bytes read.
size_t read_piece(char* line, size_t size) {
  size_t length = 0;
  while (length + 1 < size) {
    int c = next_byte();
    if (c == EOF) break;
    line[length++] = static_cast<char>(c);
    if (c == '\n') break;
  }
  line[length] = '\0';
  return length;
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

// A line typed or saved on Windows ends in "\r\n": its "\r" is dropped, so
// that such answers read exactly as "\n" ones. When the "\r" is the last
// character that fitted, its "\n" still waits on the input and is taken
// with it. Returns the line's new length.
size_t drop_carriage_return(size_t length) {
  if (length >= 2 && answer_line[length - 2] == '\r' && answer_line[length - 1] == '\n') {
    answer_line[length - 2] = '\n';
    answer_line[--length] = '\0';
  } else if (length > 0 && answer_line[length - 1] == '\r') {
    if (!has_byte()) {
      answer_line[--length] = '\0';
    } else if (input.bytes[input.start] == '\n') {
      ++input.start;
      answer_line[length - 1] = '\n';
    }
  }
  return length;
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

void set_answer_input(FILE* stream) {
  input = AnswerInput{};
  input.stream = stream != nullptr ? stream : stdin;
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
  if (read_piece(answer_line, sizeof answer_line) == 0) {
    input_ended = true;
    return;
  }
  size_t length = drop_carriage_return(std::strlen(answer_line));
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
  std::printf(prompt, printable(field).c_str());
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
