// The console's answers, read one line at a time.
//
// The answers are read from the input's descriptor into a buffer of our
// own, not through the C library's stream: so it is always known whether
// an answer is already there, and a wait for one can end at an
// interruption (platform/interruption.h). A line typed or saved on
// Windows ("\r\n") reads exactly as a "\n" one.
//
// End of input and an interruption both leave every later line empty, so
// that a closed input runs the questions to their end on defaults and
// never spins; the two are told apart, since only an interruption must
// stop the questions at once.
#ifndef SKINBUILDER_PLATFORM_ANSWER_INPUT_H_
#define SKINBUILDER_PLATFORM_ANSWER_INPUT_H_

#include <cstddef>
#include <cstdio>

// One console line: at most 511 characters (the newline counts) and a NUL.
// A longer line is read in pieces, the rest answering the next questions,
// as the console's fixed line buffer has always done.
constexpr size_t kAnswerLineSize = 512;

// Where answers come from: stdin unless a test hands in another stream
// (nullptr: stdin again). Starts afresh: nothing pending, not ended, not
// interrupted.
void set_answer_input(std::FILE* input);

// Flushes standard output, so the prompt shows, and reads the next line
// (or piece of one). At end of input, or once an interruption was noted
// while waiting, the line is empty and stays so.
void read_answer_line();

// The last line read, with its newline when it had one and it fitted.
const char* answer_line();

// True when the last line read was longer than the buffer: answer_line
// holds its first piece and the rest waits on the input.
bool answer_was_cut();

// True when the last line read ended at end of input without a newline;
// such a line has no line break for a text answer to remove.
bool answer_unterminated();

// True once the input has ended.
bool input_closed();

// True once an interruption ended a wait for an answer: no more answers
// are read, and the questions should stop.
bool answers_interrupted();

#endif  // SKINBUILDER_PLATFORM_ANSWER_INPUT_H_
