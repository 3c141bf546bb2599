// The wizard: the program's one fixed sequence of stages.
//
// Greeting and design menu; for the STANDARD designs the build starts at
// once, for the CUSTOM designs and presets the colour questions and the
// preview repeat until the user accepts, then the name and style questions;
// then the build (file structure, recolouring, global adjustments, colour
// measurement and scripts), the build's check, the closing messages and,
// for CUSTOM designs, the offer to save a preset (also after a failed
// build, so that no answer is lost). Every path ends with the wait for
// ENTER. The skin folder is replaced only between begin_skin_build and the
// check (assembly/previous_skin.h).
#ifndef SKINBUILDER_WIZARD_DRIVER_H_
#define SKINBUILDER_WIZARD_DRIVER_H_

#include <string>

#include "wizard/program_options.h"

// moved_line, when not empty, says that the program works in its own folder
// (wizard/startup_check.h); it is shown first.
//
// Runs the whole dialogue in the current folder; returns the exit status:
// 0 when the skin was built and passed its check, 1 when the build could
// not start or failed, the preset asked for could not be saved, or the
// install into the synthesizer asked for did not happen; 128 plus the
// signal's number when the build was interrupted (the folders are put
// back first).
int run_wizard(const std::string& moved_line);

// A build without questions (skinbuilder --build FILE), for an answer
// input already closed (platform/answer_input.h), so that not even the
// start-up check before it waits: the preset or
// palette file, wherever it is, with every other answer as ENTER would
// give it, no preview and no wait for ENTER; the same build, check and
// report as the dialogue's. --name names the skin (a name that cannot be
// used ends the run); --install installs it when exactly one Themes folder
// is found (wizard/install_offer.h). Returns 0 when the skin is ready (and
// installed, when asked), 1 otherwise, 128 plus the signal's number when
// interrupted.
int run_without_questions(const BuildOrder& order, const std::string& moved_line);

#endif  // SKINBUILDER_WIZARD_DRIVER_H_
