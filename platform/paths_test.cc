// Paths are translated only where the built-in interpreter runs.
#ifndef _WIN32

#include "platform/paths.h"

#include "platform/native_path.h"
#include "platform/test_folder.h"

namespace {

class PathsTest : public TempFolderTest {};

TEST_F(PathsTest, TranslatesTheInterpretersPaths) {
  EXPECT_EQ(program_argument(R"(.\My Skin\Images\Controls\CS1*.png)"),
            "./My Skin/Images/Controls/CS1*.png");
  EXPECT_EQ(program_argument("-define"), "-define");
  EXPECT_EQ(program_argument(R"(modulate:colorspace=HSB)"), "modulate:colorspace=HSB");
  EXPECT_EQ(program_argument(R"(a\b)"), R"(a\b)");
  EXPECT_EQ(local_path(R"(.\skindata\temp\)"), "./skindata/temp/");
  EXPECT_EQ(folder_of("./a/b.png"), "./a");
  EXPECT_EQ(folder_of("b.png"), ".");
  EXPECT_EQ(name_of("./a/b.png"), "b.png");
  EXPECT_EQ(name_of("./a/"), "");
  EXPECT_EQ(without_final_slash("./a//"), "./a");
  EXPECT_EQ(windows_form("./a/b"), R"(.\a\b)");
}

TEST_F(PathsTest, FindsExistingPartsInAnyCaseAndKeepsTheRest) {
  write_file("Skin Name/Images/Controls/CS1EnvA.png", "x");
  EXPECT_EQ(find_path("./skin name/IMAGES/controls/cs1enva.PNG"),
            "./Skin Name/Images/Controls/CS1EnvA.png");
  EXPECT_EQ(find_path("./SKIN NAME/images/New Folder/new.png"),
            "./Skin Name/Images/New Folder/new.png");
  EXPECT_EQ(find_path("skin name/"), "Skin Name/");
  EXPECT_EQ(find_path(folder_ + "/SKIN NAME"), folder_ + "/Skin Name");
  EXPECT_EQ(program_argument(R"(.\SKIN NAME\images\Controls\CS1*.png)"),
            "./Skin Name/Images/Controls/CS1*.png");
  EXPECT_EQ(native_path(R"(.\skin name\Scripts\Template.txt)"), "./Skin Name/Scripts/Template.txt");

  // The exact name wins where a case-sensitive file system holds both.
  write_file("Skin Name/Images/Controls/cs1enva.png", "y");
  EXPECT_EQ(find_path("./Skin Name/Images/Controls/cs1enva.png"),
            "./Skin Name/Images/Controls/cs1enva.png");

  EXPECT_TRUE(make_folders("./SKIN NAME/images/Animations/KVL-CS2Knob-Bi/"));
  EXPECT_EQ(names_in("."), std::vector<std::string>{"Skin Name"});
  EXPECT_TRUE(is_folder("Skin Name/Images/Animations/KVL-CS2Knob-Bi"));
  write_file("file", "x");
  EXPECT_FALSE(make_folders("./file/sub"));
}

}  // namespace

#endif  // _WIN32
