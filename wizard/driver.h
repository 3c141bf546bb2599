// The wizard: the program's one fixed sequence of stages.
//
// Greeting and design menu; for the STANDARD designs the build starts at
// once, for the CUSTOM designs and presets the colour questions and the
// preview repeat until the user accepts, then the name and style questions;
// then the build (file structure, recolouring, global adjustments, colour
// measurement and scripts), the closing messages and, for CUSTOM designs,
// the offer to save a preset. Every path ends with the wait for ENTER.
#ifndef SKINBUILDER_WIZARD_DRIVER_H_
#define SKINBUILDER_WIZARD_DRIVER_H_

// Runs the whole dialogue in the current folder; returns the exit code, 0.
int run_wizard();

#endif  // SKINBUILDER_WIZARD_DRIVER_H_
