// Paths in the command interpreter's form, found on a POSIX file system the
// way Windows would find them.
//
// The program writes paths as ".\skin name\Images\Controls\CS1*.png". Here
// backslashes become "/", and each part of a path that exists in another
// letter case is found under its real name: Windows file names are not
// case-sensitive, and a line that names ".\skindata\knobs" must reach
// "skindata/Knobs". The parts that do not exist are kept as written, so a
// folder created later reuses every existing folder of another case above it.
#ifndef SKINBUILDER_PLATFORM_PATHS_H_
#define SKINBUILDER_PLATFORM_PATHS_H_

#include <string>
#include <vector>

// An argument handed to a program: one that begins with ".\" is a path in the
// working folder, translated and found as find_path does (a wildcard part is
// left for the program to expand); any other (an option of the image tool,
// findstr's text) is returned unchanged.
std::string program_argument(const std::string& word);

// Every backslash of a path becomes "/".
std::string local_path(const std::string& path);

// The path with each existing part under its real name, found in any case.
std::string find_path(const std::string& path);

// The folder part of a path ("." when there is none) and its last name.
// A path that ends in "/" has an empty last name.
std::string folder_of(const std::string& path);
std::string name_of(const std::string& path);
std::string join_path(const std::string& folder, const std::string& name);
// The path without the "/" that ends a folder's name ("a/b/" gives "a/b").
std::string without_final_slash(const std::string& path);
// The path as Windows writes it, with backslashes, for messages.
std::string windows_form(const std::string& path);
// A path below the working folder, in either form, as the system writes it
// in the program's own messages: "skindata/temp/tool-messages.txt" on
// POSIX, "skindata\temp\tool-messages.txt" on Windows (platform/
// file_system.h), without a leading ".\".
std::string shown_relative(const std::string& path);
// Whether two paths name the same existing file.
bool same_file(const std::string& a, const std::string& b);

bool is_folder(const std::string& path);
bool is_file(const std::string& path);
bool path_exists(const std::string& path);

// The names in a folder, in the order the file system returns them, without
// "." and "..". A folder that cannot be read has none.
std::vector<std::string> folder_entries(const std::string& folder);

// Creates the folder and every missing folder above it; each existing part is
// reused in whatever case it has. Returns false when it cannot.
bool make_folders(const std::string& path);

#endif  // SKINBUILDER_PLATFORM_PATHS_H_
