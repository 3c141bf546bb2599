// The question forms of the wizard.
//
// Every question prints a prompt that shows the field's current value, reads
// one line (platform/answer_input.h) and converts it straight into the
// field. An answer that does not convert leaves the field as it was, so
// ENTER accepts the default. Numbers are not checked against a range, except
// at menus: there a number that names no row is asked again.
//
// End of input counts as ENTER at every question still to come, so a closed
// input runs the wizard to its end on defaults and never spins. Once an
// interruption has ended a wait for an answer, every question does nothing:
// it prints nothing and keeps its field, so that the stage asking can stop.
#ifndef SKINBUILDER_WIZARD_PROMPTS_H_
#define SKINBUILDER_WIZARD_PROMPTS_H_

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/answer_input.h"

// Conversions of answer_line, as the C library's "%d" and "%f" read a line:
// leading blanks, optional sign, the longest number prefix; the rest of the
// line is ignored. They return false and leave *field alone when the line
// does not begin with a number.
bool convert_int(const char* line, int32_t* field);
bool convert_float(const char* line, float* field);

// prompt carries one "%d", "%g" or "%s" for the field's current value.
void ask_int(const char* prompt, int32_t* field);
void ask_float(const char* prompt, float* field);

// Removes the line's last character (its newline) and, when anything is
// left, copies the rest into field. Returns false, leaving the field alone,
// when the answer is empty or would not fit capacity (a text is never cut).
// The prompt shows printable(field).
bool ask_text(const char* prompt, char* field, size_t capacity);

// After a refused answer: when the answer was only the first piece of a
// longer line, reads and drops the rest, so the next try reads a fresh
// line instead of the tail of the refused one.
void discard_rest_of_cut_answer();

// A text that came from outside (a preset's file name, a name stored in a
// preset) as it may be printed: every control character, and every byte
// that is not part of a valid UTF-8 character, shows as "?", so that a
// shared file name cannot move the cursor or clear the screen.
std::string printable(const char* text);

// Prints "N: label" rows numbered from 1, " (default)" on the row whose
// number equals *field, then ": ", and reads a number into *field. A
// number outside 1 to count is refused with "Please answer with a number
// from 1 to N." and ": " again (the rows are still on the screen above).
void ask_menu(const char* const* labels, int count, int32_t* field);

// The two fixed yes/no questions, each with its two rows: "Are you
// satisfied with the result?" after the preview, defaulting to yes, and
// "Would you like to save this skin as a preset?", defaulting to no. Both
// return true only for an answer of 2; a number outside the rows is asked
// again as at a menu.
bool ask_preview_accepted();
bool ask_save_wanted();

void pause_for_enter();

// Clears the console with the command interpreter's "cls".
void clear_screen();

#endif  // SKINBUILDER_WIZARD_PROMPTS_H_
