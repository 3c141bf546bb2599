// Colour codes and lists of amounts as answers to the colour questions.
//
// Colour pickers and palette sites hand out codes like #3C3C46, and the
// colour help prints the colours to try as "238,171,1", so the "Red amount"
// question of every colour group takes either for all three amounts:
// - a code, "#RRGGBB" or the short "#RGB" (each digit doubled: #3C4 is
//   #33CC44), hexadecimal digits in either case;
// - three amounts, red, green and blue, each a number from 0 to 255 written
//   with digits only, separated by blanks, a comma, or a comma with blanks
//   ("1,200,238", "1, 200, 238", "1 200 238").
// Blanks (and the line break) may stand around either. Such an answer sets
// red, green and blue at once; the green and blue questions follow as
// usual with these values as their defaults.
//
// An answer that begins with two numbers separated that way is a list of
// amounts: any list other than the three above (two numbers or four, a
// sign, a number above 255, a comma too many, other text after them) is
// refused with one line and the question asked again, rather than setting
// red alone from its first number. Any other answer converts as a single
// number does ("%d": the rest of the line ignored), so "12 apples" is 12,
// "300" is 300 and "3C3C46" without the "#" is the number 3.
#ifndef SKINBUILDER_WIZARD_COLOUR_CODE_H_
#define SKINBUILDER_WIZARD_COLOUR_CODE_H_

#include <cstdint>

// True, with the three amounts set, when the answer line is a colour code;
// false, leaving them alone, for anything else.
bool convert_colour_code(const char* line, int32_t* red, int32_t* green, int32_t* blue);

enum class AmountList {
  kNone,     // not a list: one number, or no number at the start
  kThree,    // three amounts, now set
  kRefused,  // a list, but not three amounts from 0 to 255
};

// The answer line as a list of amounts; only kThree changes the amounts.
AmountList convert_amount_list(const char* line, int32_t* red, int32_t* green, int32_t* blue);

// The "Red amount" question: a colour code or three amounts into all
// three, a number into red; a refused list is asked again.
void ask_red_or_code(const char* prompt, int32_t* red, int32_t* green, int32_t* blue);

#endif  // SKINBUILDER_WIZARD_COLOUR_CODE_H_
