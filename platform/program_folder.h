// The folder of the running program, and moving the working folder there.
//
// Scripts and desktop launchers start the program from any folder, while
// its template skin lies beside the program itself. Paths here are in the
// program's narrow text (platform/file_system.h), absolute.
#ifndef SKINBUILDER_PLATFORM_PROGRAM_FOLDER_H_
#define SKINBUILDER_PLATFORM_PROGRAM_FOLDER_H_

#include <string>

// The folder that holds the running program's file, as the system names it
// ("/home/u/skinbuilder-1.0.0", "C:\Users\u\skinbuilder-1.0.0"); empty when
// it cannot be known: the system will not say, the file or its folder has
// been removed since the start, or (Windows) the narrow text cannot name
// the folder.
std::string program_folder();

// Makes folder the working folder; false, leaving the working folder as
// it was, when the system refuses.
bool change_working_folder(const std::string& folder);

// The path made absolute against the working folder of this moment (a
// path that is absolute already stays as it is): a path taken from the
// command line is made absolute before the working folder changes.
std::string absolute_path(const std::string& path);

#endif  // SKINBUILDER_PLATFORM_PROGRAM_FOLDER_H_
