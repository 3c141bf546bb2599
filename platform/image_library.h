// ImageMagick's library inside the program, for image commands too light to
// be worth a process of their own (where the build links it: POSIX).
//
// Starting the image tool costs about 5 ms, more than treating a few small
// images takes; with dozens of such commands in a build, that start-up is
// what the parallel image passes cannot spread. So a light command may run
// here, through the library's own mogrify command (the code the tool runs),
// with the options that the skindata launcher puts first. Messages read as
// the tool's ("mogrify: ...") and go to standard error.
//
// Unlike a tool process, a command run here has no time limit and cannot be
// stopped by an interruption (platform/launcher.h): nothing cuts a library
// call short. Only light commands come here.
//
// The library is the system's ImageMagick 6, linked when the build finds it;
// it stands in for the tool only where the tool says it is the same major
// version, so that pixels match the one-process way.
#ifndef SKINBUILDER_PLATFORM_IMAGE_LIBRARY_H_
#define SKINBUILDER_PLATFORM_IMAGE_LIBRARY_H_

#include <string>
#include <vector>

// The library's major version; 0 when it is not part of this build.
int image_library_version();

// Runs mogrify with the line's words (kMogrifyOptions first, as the tool
// takes them: platform/image_tools.h) in this process. False, running
// nothing, when the library is not part of this build; else *exit_code is
// what the tool would have returned.
bool run_mogrify_in_process(const std::vector<std::string>& words, int* exit_code);

#endif  // SKINBUILDER_PLATFORM_IMAGE_LIBRARY_H_
