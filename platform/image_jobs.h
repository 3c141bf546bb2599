// Image-tool commands spread over every processor, on every system.
//
// A command ".\skindata\mogrify OPTIONS ".\skin\Images\Panes\*.png"" makes
// the tool treat the files of the wildcard one after another, on one
// processor. Here the interpreter expands the wildcard itself, to exactly the
// files the tool would take, and runs several tool processes at once, each
// with the same program and options followed by a contiguous run of those
// files. The command still ends before the interpreter returns, and what it
// leaves is what one process would leave:
//   - every file is treated exactly once, by the same tool with the same
//     options, so the files come out byte for byte the same;
//   - each process's output is kept aside and written out when all have
//     ended, in the order of the files; what every process printed alike
//     before its files (an option the tool refuses) is written once;
//   - a wildcard that matches one file or only a few small ones runs in the
//     program through ImageMagick's library (platform/image_library.h) when
//     it is built in, is the tool's version, and the command's output is not
//     redirected, since the tool's start-up would cost more than the work;
//   - a wildcard that matches no file, SKINBUILDER_JOBS=1, or anything the
//     tool might read differently from a plain list of files (other file
//     arguments, patterns beyond '*' and '?', -write) runs the command
//     unchanged in one process, as before, so the tool speaks for itself.
// The processes get MAGICK_THREAD_LIMIT=1: they already fill the processors,
// and the tool's own threads would only compete with them. A run's files
// stay within what one Windows command line holds.
//
// The tool's wildcards are not cmd's: on this system ImageMagick matches '*'
// and '?' with letter case, '*' takes leading dots too, "*.*" wants a dot,
// every entry but a folder counts, and the files go in the order of their
// names compared without letter case (ties keep the folder's order). On
// Windows names are found in any case whatever the pattern; the skin's
// names are written in the case of its files, so both take the same files.
#ifndef SKINBUILDER_PLATFORM_IMAGE_JOBS_H_
#define SKINBUILDER_PLATFORM_IMAGE_JOBS_H_

#include <cstdint>
#include <string>
#include <vector>

#include "platform/image_tools.h"
#include "platform/launcher.h"

struct ImageFile {
  std::string path;  // as the tool would name it: the wildcard's folder, "/", the name
  std::uint64_t size = 0;
};

// A contiguous run of files, handed to one tool process.
struct FileRun {
  size_t first = 0;
  size_t count = 0;
};

// The number of tool processes for one command: SKINBUILDER_JOBS when it is
// a whole number of at least 1, else the processors this process may use.
int image_job_count();

// Whether a file name matches the tool's wildcard (only '*' and '?').
bool tool_wildcard_match(const std::string& pattern, const std::string& name);

// The files the tool takes for a path like "./skin/Images/Panes/*.png", in
// its order. Empty when it takes none, or when the path is not one that this
// module expands (see above); the command then runs unchanged.
std::vector<ImageFile> expand_tool_wildcard(const std::string& path);

// Splits the files into contiguous runs of about even weight (a file weighs
// its size plus a small cost of its own): one run for a light command or a
// single process, else at least as many runs as processes and, for a heavy
// command, up to four times as many, so that a process that ends early can
// take another while the slow ones finish; a run whose paths would not fit
// one Windows command line is split. Every file is in exactly one run, and
// the runs follow the order of the files.
std::vector<FileRun> partition_files(const std::vector<ImageFile>& files, int processes);

// The order in which runs are started: the heaviest first, so that the last
// to end is a light one.
std::vector<size_t> start_order(const std::vector<ImageFile>& files,
                                const std::vector<FileRun>& runs);

// What several processes printed, written as one: the lines that every
// process began with alike once (all of it when all printed the same), then
// the rest of each text in turn.
std::string joined_output(const std::vector<std::string>& texts);

// Runs a mogrify command line with the tool found for it (words: the line's
// words after the tool, the image path last) as described above. Returns
// the tool's exit code (the first that is not 0), or -1 when the tool
// cannot be started.
int run_image_tool(const ImageTool& tool, const std::vector<std::string>& words,
                   const StandardStreams& streams);

#endif  // SKINBUILDER_PLATFORM_IMAGE_JOBS_H_
