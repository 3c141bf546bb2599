// ImageMagick's library inside the program, for image commands too light to
// be worth a process of their own (POSIX).
//
// Starting the image tool costs about 5 ms, more than treating a few small
// images takes; with dozens of such commands in a build, that start-up is
// what the parallel image passes cannot spread. So a light command may run
// here, through the library's own mogrify command (the code the tool runs),
// with the options that the skindata launcher puts first. Messages read as
// the tool's ("mogrify: ...") and go to standard error.
//
// The library is the system's ImageMagick 6, linked when the build finds it;
// a launcher that found ImageMagick 7 would run another version, so pixels
// match the one-process way only where both are the same (every Debian 12
// system: it has no ImageMagick 7).
#ifndef SKINBUILDER_PLATFORM_IMAGE_LIBRARY_H_
#define SKINBUILDER_PLATFORM_IMAGE_LIBRARY_H_

#include <string>
#include <vector>

// The options every mogrify run takes before the command's own: leaving out
// the time stamps makes two builds of a skin the same bytes. The generator
// writes them into the skindata launcher.
extern const char kMogrifyOptions[];

// Runs mogrify with arguments[1..] in this process. False, running nothing,
// when the library is not part of this build; else *exit_code is what the
// tool would have returned.
bool run_mogrify_in_process(const std::vector<std::string>& arguments, int* exit_code);

#endif  // SKINBUILDER_PLATFORM_IMAGE_LIBRARY_H_
