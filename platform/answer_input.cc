#include "platform/answer_input.h"

#include <cstring>

#include "platform/interruption.h"

namespace {

struct AnswerInput {
  std::FILE* stream = stdin;
  char bytes[4096];
  size_t start = 0;
  size_t end = 0;
  bool stream_ended = false;  // no more bytes will come; some may wait in bytes
  bool closed = false;        // a read found nothing: every later line is empty
  bool interrupted = false;
  char line[kAnswerLineSize] = {};
  bool unterminated = false;
  bool cut = false;
};
AnswerInput input;

// True when a byte is there to be taken, reading more when needed. An
// interruption ends the wait, and the reading for good.
bool has_byte() {
  if (input.start < input.end) return true;
  if (input.stream_ended || input.interrupted) return false;
  long count = read_unless_interrupted(input.stream, input.bytes, sizeof input.bytes);
  if (count < 0) input.interrupted = true;
  if (count <= 0) {
    input.stream_ended = true;
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

// A line's "\r" before its end is dropped. When the "\r" is the last
// character that fitted, its "\n" still waits on the input and is taken
// with it. Returns the line's new length.
size_t drop_carriage_return(char* line, size_t length) {
  if (length >= 2 && line[length - 2] == '\r' && line[length - 1] == '\n') {
    line[length - 2] = '\n';
    line[--length] = '\0';
  } else if (length > 0 && line[length - 1] == '\r') {
    if (!has_byte()) {
      line[--length] = '\0';
    } else if (input.bytes[input.start] == '\n') {
      ++input.start;
      line[length - 1] = '\n';
    }
  }
  return length;
}

}  // namespace

void set_answer_input(std::FILE* stream) {
  input = AnswerInput{};
  input.stream = stream != nullptr ? stream : stdin;
}

void read_answer_line() {
  std::fflush(stdout);
  input.line[0] = '\0';
  input.unterminated = false;
  input.cut = false;
  if (input.closed || input.interrupted) return;
  size_t length = read_piece(input.line, sizeof input.line);
  if (length == 0 && !input.interrupted) {
    input.closed = true;
    return;
  }
  length = drop_carriage_return(input.line, length);
  if (input.interrupted) {
    input.line[0] = '\0';  // half a line is no answer
    return;
  }
  bool has_newline = length > 0 && input.line[length - 1] == '\n';
  input.unterminated = !has_newline && length < sizeof input.line - 1;
  input.cut = !has_newline && length == sizeof input.line - 1;
}

const char* answer_line() {
  return input.line;
}

bool answer_was_cut() {
  return input.cut;
}

bool answer_unterminated() {
  return input.unterminated;
}

bool input_closed() {
  return input.closed;
}

bool answers_interrupted() {
  return input.interrupted;
}
