// A working folder deeper than the system's longest path: POSIX looks the
// program's paths up from the working folder, so the skin is built as in
// any other folder (Windows counts the whole path: wizard/skin_paths.h).
#include <gtest/gtest.h>

#include <string>

#include "tests/test_support.h"

namespace {

using DeepFolder = EndToEndTest;

#ifndef _WIN32
// The folder is made, filled and removed by the shell's tools, which reach
// it step by step; the test's own file functions take whole paths.
TEST_F(DeepFolder, BuildsLikeAnyOther) {
  ScratchFolder scratch(false);
  std::string name(200, 'd');
  std::string output = command_output(
      "cd '" + scratch.path() + "' && for i in $(seq 21); do mkdir " + name + " && cd -P " + name +
      "; done && [ $(pwd | wc -c) -gt 4096 ] && cp -r '" + small_skindata() +
      "' skindata && mkdir Presets && printf '1\\n' | '" + SKINBUILDER_BIN +
      "' > out.txt 2>&1; echo \"exit $?\"; grep -c 'Your skin is now ready.' out.txt; "
      "ls 'Korvel Dazo Blue/Scripts'; cd '" + scratch.path() + "' && rm -rf " + name);
  EXPECT_EQ("exit 0\n1\nZebra2.txt\nZebraHZ.txt\n", output);
}
#endif

}  // namespace
