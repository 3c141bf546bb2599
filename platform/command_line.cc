#include "platform/command_line.h"

#include <cctype>

namespace {

const char kSyntaxError[] = "The syntax of the command is incorrect.";
const char kPipeError[] = "| was unexpected at this time.";

struct Reader {
  const std::string& line;
  size_t pos = 0;
  bool at_end() const { return pos >= line.size(); }
  char peek() const { return at_end() ? '\0' : line[pos]; }
};

bool is_blank(char c) {
  return c == ' ' || c == '\t';
}

bool ends_word(char c) {
  return is_blank(c) || c == '|' || c == '>' || c == '<';
}

void skip_blanks(Reader& reader) {
  while (!reader.at_end() && is_blank(reader.peek())) ++reader.pos;
}

// Reads one word up to an unquoted blank, pipe or redirection sign.
CommandWord read_word(Reader& reader) {
  CommandWord word;
  size_t start = reader.pos;
  bool quoted = false;
  for (; !reader.at_end(); ++reader.pos) {
    char c = reader.peek();
    if (c == '"') {
      quoted = !quoted;
    } else if (!quoted && ends_word(c)) {
      break;
    } else {
      word.text += c;
    }
  }
  word.typed = reader.line.substr(start, reader.pos - start);
  return word;
}

// Reads what follows a '>' or '<' at the reader's position. Returns false
// when the sign has no target.
bool read_redirection(Reader& reader, int stream, Redirection& redirection) {
  redirection.stream = stream;
  bool output = reader.peek() == '>';
  ++reader.pos;
  if (output && reader.peek() == '>') {
    redirection.append = true;
    ++reader.pos;
  }
  if (output && reader.peek() == '&' && reader.pos + 1 < reader.line.size() &&
      (reader.line[reader.pos + 1] == '1' || reader.line[reader.pos + 1] == '2')) {
    redirection.joined_with = reader.line[reader.pos + 1] - '0';
    reader.pos += 2;
    return true;
  }
  skip_blanks(reader);
  CommandWord target = read_word(reader);
  redirection.target = target.text;
  return !target.typed.empty();
}

bool is_stream_digit(const CommandWord& word) {
  return word.typed == "1" || word.typed == "2";
}

// Adds the next word or redirection of the stage; false on a syntax error.
bool read_item(Reader& reader, CommandStage& stage) {
  int stream = reader.peek() == '<' ? 0 : 1;
  if (reader.peek() != '>' && reader.peek() != '<') {
    CommandWord word = read_word(reader);
    if (reader.peek() != '>' || !is_stream_digit(word)) {
      stage.words.push_back(word);
      return true;
    }
    stream = word.typed[0] - '0';
  }
  Redirection redirection;
  if (!read_redirection(reader, stream, redirection)) return false;
  stage.redirections.push_back(redirection);
  return true;
}

bool is_empty(const CommandStage& stage) {
  return stage.words.empty() && stage.redirections.empty();
}

CommandLine failed(const char* message) {
  CommandLine result;
  result.error = message;
  return result;
}

}  // namespace

CommandLine parse_command_line(const std::string& line) {
  CommandLine result;
  Reader reader{line};
  CommandStage stage;
  while (true) {
    skip_blanks(reader);
    if (reader.at_end() || reader.peek() == '|') {
      bool piped = reader.peek() == '|';
      if (is_empty(stage) && (piped || !result.stages.empty())) return failed(kPipeError);
      if (!is_empty(stage)) result.stages.push_back(stage);
      if (!piped) return result;
      stage = CommandStage();
      ++reader.pos;
    } else if (!read_item(reader, stage)) {
      return failed(kSyntaxError);
    }
  }
}

bool is_null_device(const std::string& target) {
  std::string name = target;
  if (!name.empty() && name.back() == ':') name.pop_back();
  if (name.size() != 3) return false;
  return std::toupper(static_cast<unsigned char>(name[0])) == 'N' &&
         std::toupper(static_cast<unsigned char>(name[1])) == 'U' &&
         std::toupper(static_cast<unsigned char>(name[2])) == 'L';
}
