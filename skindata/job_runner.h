// Drawing and writing the image jobs on all cores.
//
// Jobs are independent (one file each, distinct paths), so workers simply
// take the next job from a shared counter; the files come out the same
// whatever the scheduling. The first failure stops the workers and is
// rethrown to the caller.
#ifndef SKINBUILDER_SKINDATA_JOB_RUNNER_H_
#define SKINBUILDER_SKINDATA_JOB_RUNNER_H_

#include <string>

#include "skindata/layout.h"

// Creates every folder the jobs and extra_folders() need under root.
// Throws std::runtime_error when two jobs name the same file.
void prepare_folders(const std::string& root, const JobList& jobs);
// Runs every job, writing its image under root.
void run_jobs(const std::string& root, const JobList& jobs, unsigned threads);

#endif  // SKINBUILDER_SKINDATA_JOB_RUNNER_H_
