#include "assembly/previous_skin.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/test_support.h"

namespace {

namespace fs = std::filesystem;

class PreviousSkinTest : public ScratchFolderTest {
 protected:
  PreviousSkinTest() {
    fs::create_directories("skindata/temp");
    write_file("Old Skin/Images/Controls/CS1Env.png", "old image");
    write_file("Old Skin/Scripts/Zebra2.txt", "old script");
    write_file("Notes/thesis.txt", "years of work");
  }
  // What the build under way would have made by now.
  static void make_half_skin() { write_file("Old Skin/Images/Controls/CS1Env.png", "half"); }
};

TEST_F(PreviousSkinTest, IsKeptAsideUntilTheNewSkinIsKeptOrPutBack) {
  auto old = tree_content("Old Skin");
  ASSERT_TRUE(begin_skin_build("Old Skin"));
  EXPECT_FALSE(fs::exists("Old Skin"));
  EXPECT_TRUE(old == tree_content("skindata/temp/previous/Old Skin"));
  make_half_skin();
  EXPECT_EQ("Old Skin is as it was before this build.\n",
            stdout_of([] { restore_previous_skin(); }));
  EXPECT_TRUE(old == tree_content("Old Skin"));
  EXPECT_FALSE(fs::exists("skindata/temp/previous"));

  ASSERT_TRUE(begin_skin_build("Old Skin"));
  make_half_skin();
  keep_new_skin();
  EXPECT_EQ("half", read_file("Old Skin/Images/Controls/CS1Env.png"));
  EXPECT_FALSE(fs::exists("skindata/temp/previous"));

  // A first build has nothing to put back: the half-made folder goes.
  ASSERT_TRUE(begin_skin_build("New Skin"));
  write_file("New Skin/Images/x.png", "half");
  EXPECT_EQ("The half-made New Skin was removed.\n", stdout_of([] { restore_previous_skin(); }));
  EXPECT_FALSE(fs::exists("New Skin"));
}

TEST_F(PreviousSkinTest, WhatIsNotASkinIsNeverTouched) {
  EXPECT_EQ(ExistingFolder::kSkin, existing_folder("old skin"));  // found in any case
  EXPECT_EQ(ExistingFolder::kNone, existing_folder("Nothing"));
  EXPECT_EQ(ExistingFolder::kOther, existing_folder("Notes"));
  write_file("Just a file", "");
  EXPECT_EQ(ExistingFolder::kOther, existing_folder("Just a file"));
  EXPECT_EQ(nullptr, name_taken_by_other_folder("Old Skin"));
  EXPECT_STREQ(
      "There is a folder or file named Notes here that is not a skin; please choose "
      "another name.",
      name_taken_by_other_folder("Notes"));

  std::string said = stdout_of([] { EXPECT_FALSE(begin_skin_build("Notes")); });
  EXPECT_EQ(
      "\nA folder or file named Notes is in the way: it is not a skin (it has no Images and "
      "Scripts folders). Move or rename it, then build again.\n",
      said);
  EXPECT_EQ("years of work", read_file("Notes/thesis.txt"));

  // A skin kept aside by a build that never ended is not overwritten.
  write_file("skindata/temp/previous/Old Skin/Images/kept.png", "kept");
  said = stdout_of([] { EXPECT_FALSE(begin_skin_build("Old Skin")); });
  EXPECT_NE(std::string::npos, said.find("still holds a skin kept aside")) << said;
  EXPECT_EQ("old script", read_file("Old Skin/Scripts/Zebra2.txt"));
  EXPECT_EQ("kept", read_file("skindata/temp/previous/Old Skin/Images/kept.png"));
}

}  // namespace
