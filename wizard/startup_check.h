// What the working folder must hold before the first question is asked.
//
// The template skin (skindata\SkinTemplate with its Images and its layout
// script), the two image tools, wherever they are found (platform/
// image_tools.h; each must start: they are run once with -version, their
// output discarded), write access to the working folder, and the scratch folder skindata\temp,
// which is created when it is missing and everything else is in order. When something is missing,
// one short message says what and how to fix it, and nothing has been created (write access is
// tried with a small file that is removed at once).
#ifndef SKINBUILDER_WIZARD_STARTUP_CHECK_H_
#define SKINBUILDER_WIZARD_STARTUP_CHECK_H_

#include <string>

// Scripts and desktop launchers start the program from any folder. When
// the working folder holds no skindata folder but the program's own folder
// (platform/program_folder.h) does, this makes the program's folder the
// working folder and returns the one line that says so, to be shown before
// anything else; otherwise it changes nothing and returns "". Called before
// the check below. A path taken in before the call (a file named on the
// command line) was meant from the folder the user started in: make it
// absolute first (absolute_path), or it is read from the program's folder.
std::string fall_back_to_program_folder();

// Empty when the folder is ready (skindata\temp then exists), else the
// message to show.
std::string working_folder_problem();

// The check with its message: false after printing the message and
// waiting for ENTER (so that a console window opened for the program stays
// until it has been read); the program then ends with 1.
bool check_working_folder(const std::string& moved_line);

#endif  // SKINBUILDER_WIZARD_STARTUP_CHECK_H_
