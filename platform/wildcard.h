// File-name wildcards as the Windows command interpreter reads them.
//
// '*' stands for any run of characters and '?' for one character; letters
// match without regard to case, since Windows file names are found in any
// case. A pattern ending in ".*" also matches names without a dot ("a*.*"
// takes "abc"), as on Windows.
//
// wildcard_destination_name forms the name that copy, xcopy and ren give one
// source file when the destination is itself a wildcard: the destination's
// characters before '*' replace the source's characters one by one ('?'
// keeps the source's character; neither passes the source's dot), and '*'
// takes the rest of the source name, up to the last occurrence of the
// destination character that follows it.
// So "CS1EnvKnob.png" copied to "CS2Env*" becomes "CS2EnvKnob.png", and
// "KVL-CS1Knob-Bi_01.png" renamed to "KVL-CS2Knob-Bi*.png" becomes
// "KVL-CS2Knob-Bi_01.png".
#ifndef SKINBUILDER_PLATFORM_WILDCARD_H_
#define SKINBUILDER_PLATFORM_WILDCARD_H_

#include <string>

bool has_wildcard(const std::string& name);

// Names compared as Windows compares them, without regard to the case of
// ASCII letters: the same name, and the order of strcasecmp.
bool same_name_any_case(const std::string& a, const std::string& b);
bool name_before_any_case(const std::string& a, const std::string& b);

bool wildcard_match(const std::string& pattern, const std::string& name);

std::string wildcard_destination_name(const std::string& source_name,
                                      const std::string& destination_pattern);

#endif  // SKINBUILDER_PLATFORM_WILDCARD_H_
