// Skin check benchmark (bench/skin_check.sh builds and runs it): the build's
// check of a finished skin (check_skin_images), run in a working folder that
// holds a generated skindata and the skin a real build made there, with the
// settings of the design that built it. Prints, over the runs given, the
// fastest and the median wall time of one whole check and the median
// processor time of all its threads, and what it counted.
//
//   skin_check_bench DESIGN "SKIN NAME" RUNS
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

#include "assembly/skin_check.h"
#include "settings/skin_settings.h"

namespace {

struct Took {
  double wall = 0;
  double processor = 0;  // every thread's
};

Took one_check(const SkinSettings& settings, ImageCheck* check) {
  std::clock_t processor_start = std::clock();
  auto start = std::chrono::steady_clock::now();
  *check = check_skin_images(settings);
  std::chrono::duration<double> wall = std::chrono::steady_clock::now() - start;
  return Took{wall.count(), static_cast<double>(std::clock() - processor_start) / CLOCKS_PER_SEC};
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: skin_check_bench DESIGN \"SKIN NAME\" RUNS\n");
    return 2;
  }
  SkinSettings settings;
  init_settings(settings);
  settings.design_choice = std::atoi(argv[1]);
  apply_design_defaults(settings);
  set_skin_name(settings, argv[2]);
  int runs = std::max(1, std::atoi(argv[3]));
  std::vector<double> walls, processors;
  ImageCheck check;
  for (int run = 0; run < runs; ++run) {
    Took took = one_check(settings, &check);
    walls.push_back(took.wall);
    processors.push_back(took.processor);
  }
  std::printf("check: %d images, %d failed, %d with changed transparency\n", check.promised,
              check.failed(), check.transparency_changed);
  std::printf(
      "check wall: fastest %.3f s, median %.3f s; processor time: median %.3f s (%d runs)\n",
      *std::min_element(walls.begin(), walls.end()), median(walls), median(processors), runs);
  return check.failed() == 0 ? 0 : 1;
}
