#include "platform/paths.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "platform/native_path.h"
#include "tests/test_support.h"

namespace {


TEST(Paths, TranslatesOnlyTheInterpretersPaths) {
  EXPECT_EQ(program_argument(R"(.\My Skin\Images\Controls\CS1*.png)"),
            "./My Skin/Images/Controls/CS1*.png");
  EXPECT_EQ(program_argument(R"(modulate:colorspace=HSB)"), "modulate:colorspace=HSB");
  EXPECT_EQ(program_argument(R"(a\b)"), R"(a\b)");
  EXPECT_EQ(local_path(R"(.\skindata\temp\)"), "./skindata/temp/");
}

#ifndef _WIN32  // Windows finds names in any case by itself
using PathsTest = ScratchFolderTest;

TEST_F(PathsTest, FindsExistingPartsInAnyCaseAndKeepsTheRest) {
  write_file("Skin Name/Images/Controls/CS1EnvA.png", "x");
  EXPECT_EQ(find_path("./skin name/IMAGES/controls/cs1enva.PNG"),
            "./Skin Name/Images/Controls/CS1EnvA.png");
  EXPECT_EQ(find_path("./SKIN NAME/images/New Folder/new.png"),
            "./Skin Name/Images/New Folder/new.png");
  EXPECT_EQ(find_path("skin name/"), "Skin Name/");
  EXPECT_EQ(find_path(folder_.path() + "/SKIN NAME"), folder_.path() + "/Skin Name");
  EXPECT_EQ(program_argument(R"(.\SKIN NAME\images\Controls\CS1*.png)"),
            "./Skin Name/Images/Controls/CS1*.png");
  EXPECT_EQ(native_path(R"(.\skin name\Scripts\Template.txt)"), "./Skin Name/Scripts/Template.txt");

  // The exact name wins where a case-sensitive file system holds both.
  std::ofstream("Skin Name/Images/Controls/cs1enva.png") << "y";
  EXPECT_EQ(find_path("./Skin Name/Images/Controls/cs1enva.png"),
            "./Skin Name/Images/Controls/cs1enva.png");
}

#endif

}  // namespace
