// Colour codes as answers to the colour questions.
//
// Colour pickers and palette sites hand out codes like #3C3C46, so the
// "Red amount" question of every colour group also takes one: "#RRGGBB" or
// the short "#RGB" (each digit doubled: #3C4 is #33CC44), hexadecimal digits
// in either case, with blanks (and the line break) around it. Such an answer
// sets red, green and blue at once; the green and blue questions follow as
// usual with these values as their defaults. Any other answer converts as a
// number does ("%d"), so "3C3C46" without the "#" is the number 3.
#ifndef SKINBUILDER_WIZARD_COLOUR_CODE_H_
#define SKINBUILDER_WIZARD_COLOUR_CODE_H_

#include <cstdint>

// True, with the three amounts set, when the answer line is a colour code;
// false, leaving them alone, for anything else.
bool convert_colour_code(const char* line, int32_t* red, int32_t* green, int32_t* blue);

// The "Red amount" question: a colour code or a number into red.
void ask_red_or_code(const char* prompt, int32_t* red, int32_t* green, int32_t* blue);

#endif  // SKINBUILDER_WIZARD_COLOUR_CODE_H_
