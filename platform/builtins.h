// The Windows commands that the interpreter carries out itself, the same
// code on every system.
//
// Each takes the words after the command name, quotes already removed and
// paths still in the command interpreter's form (".\skin\Images\"), and
// writes what its Windows twin writes, to the stream Windows uses:
//
//   cls      clears a terminal (platform/descriptors.h); nothing when output
//            is not one: piped, the dialogue reads the same on every system.
//   rmdir    /S removes a whole tree, /Q is accepted (there is no question).
//   xcopy    a folder (with /E its whole tree, empty folders included) into a
//            destination folder that is created when missing, or the files a
//            wildcard matches, to a wildcard destination name; existing files
//            are overwritten; prints "N File(s) copied".
//   copy     one file (or a wildcard's files) over another without asking;
//            prints "        N file(s) copied.".
//   ren      renames a file, or every file a wildcard matches by the
//            destination-name rule of platform/wildcard.h.
//   del      deletes files, wildcards allowed.
//   findstr  copies the input lines holding any of its words (/I: any case,
//            /V: lines without them).
//
// Each returns its exit status, as cmd's errorlevel would be: 0 when it did
// all it was asked, else not 0 (findstr: 1 when no line matched).
//
// No command asks a question: the interpreter has no console to ask on, and
// the program always gives /Y and /Q where Windows would ask.
#ifndef SKINBUILDER_PLATFORM_BUILTINS_H_
#define SKINBUILDER_PLATFORM_BUILTINS_H_

#include <string>
#include <system_error>
#include <vector>

#include "platform/launcher.h"

using Builtin = int (*)(const std::vector<std::string>& arguments, const StandardStreams& streams);

// The built-in of that name (any case, "rd", "erase" and "rename" included);
// nullptr when the name is not one.
Builtin find_builtin(const std::string& name);

int run_cls(const std::vector<std::string>& arguments, const StandardStreams& streams);
int run_rmdir(const std::vector<std::string>& arguments, const StandardStreams& streams);
int run_xcopy(const std::vector<std::string>& arguments, const StandardStreams& streams);
int run_copy(const std::vector<std::string>& arguments, const StandardStreams& streams);
int run_ren(const std::vector<std::string>& arguments, const StandardStreams& streams);
int run_del(const std::vector<std::string>& arguments, const StandardStreams& streams);
int run_findstr(const std::vector<std::string>& arguments, const StandardStreams& streams);

// The words of a command split into switches ("/Y" gives 'y') and the rest,
// the latter turned into local paths.
struct CommandArguments {
  std::string switches;
  std::vector<std::string> paths;
  bool has(char letter) const { return switches.find(letter) != std::string::npos; }
};
CommandArguments split_arguments(const std::vector<std::string>& arguments);

// The files (not folders) of a folder whose names match the wildcard, in
// folder order.
std::vector<std::string> matching_files(const std::string& folder, const std::string& pattern);

// The messages several commands share; each returns the failing status, 1.
int say_syntax_error(const StandardStreams& streams);
int say_file_not_found(const StandardStreams& streams);
int say_path_not_found(const StandardStreams& streams);

// Windows' words for why a file operation failed: a full disk is "not
// enough space", a path too long for the system "too long", not "access
// denied".
const char* failure_message(const std::error_code& failure);

#endif  // SKINBUILDER_PLATFORM_BUILTINS_H_
