// Paths the program composes in the command interpreter's form (".\skin
// name\Scripts\Template.txt") turned into paths the C library can open.
//
// On Windows they are used as they are. Elsewhere the ".\" prefix and every
// backslash become "/", and each existing part of the path is found in any
// letter case, as Windows would find it, so that the program's own file
// reads and writes reach the same files as its command lines.
#ifndef SKINBUILDER_PLATFORM_NATIVE_PATH_H_
#define SKINBUILDER_PLATFORM_NATIVE_PATH_H_

#include <string>

std::string native_path(const char* path);

#endif  // SKINBUILDER_PLATFORM_NATIVE_PATH_H_
