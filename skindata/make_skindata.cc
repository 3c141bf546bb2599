// make-skindata: writes the skin builder's data folder.
//
//   make-skindata DIR          the full template skin, overlays and previews
//   make-skindata --small DIR  the same names with small images and few
//                              frames, for fast tests
//   make-skindata --windows DIR  (with or without --small) the folder for
//                              the Windows program: without the shell
//                              launchers, which Windows cannot run
//
// DIR receives SkinTemplate (Images and Scripts/Template.txt), the Knobs,
// LockIcons and AltArp overlays, the five preview images, an empty temp
// folder and the mogrify and identify launchers (skindata/launchers.h). The output is the same,
// byte for byte, on every run. Exit status 0 on success, 1 when a file
// cannot be written, 2 on a usage error.
#include <algorithm>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <thread>

#include "skindata/job_runner.h"
#include "skindata/launchers.h"
#include "skindata/layout.h"
#include "skindata/png_writer.h"
#include "skindata/template_script.h"

namespace {

struct Options {
  bool small = false;
  bool windows = false;
  std::string dir;
};

bool parse_options(int argc, char** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg == "--small") {
      options.small = true;
    } else if (arg == "--windows") {
      options.windows = true;
    } else if (options.dir.empty() && !arg.empty() && arg[0] != '-') {
      options.dir = arg;
    } else {
      return false;
    }
  }
  return !options.dir.empty();
}

void write_text(const std::filesystem::path& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  out.close();
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

unsigned worker_count() {
  return std::clamp(std::thread::hardware_concurrency(), 1u, 8u);
}

void generate(const Options& options) {
  JobList jobs = all_image_jobs(Scale{options.small});
  prepare_folders(options.dir, jobs);
  run_jobs(options.dir, jobs, worker_count());
  write_text(std::filesystem::path(options.dir) / "SkinTemplate/Scripts/Template.txt",
             template_script_text());
  if (!options.windows) write_launchers(options.dir);
  std::printf("make-skindata: %zu images written to %s\n", jobs.size(), options.dir.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!parse_options(argc, argv, options)) {
    std::fprintf(stderr, "usage: make-skindata [--small] [--windows] DIR\n");
    return 2;
  }
  try {
    init_png_writer(argv[0]);
    generate(options);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "make-skindata: %s\n", e.what());
    return 1;
  }
  return 0;
}
