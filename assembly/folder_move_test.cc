#include "assembly/folder_move.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <system_error>

#include "tests/test_support.h"

namespace {

namespace fs = std::filesystem;

class FolderMoveTest : public ScratchFolderTest {
 protected:
  FolderMoveTest() {
    write_file("Skin/Images/a.png", "image");
    write_file("Skin/Scripts/Zebra2.txt", "script");
    fs::create_directories("Skin/Images/Empty");
    write_file("Outside/thesis.txt", "years of work");
  }
  // A link in the skin to a folder of the user's; false where links cannot
  // be made.
  static bool link_outside() {
    std::error_code failure;
    fs::create_directory_symlink(fs::absolute("Outside"), "Skin/Images/Outside", failure);
    return !failure;
  }
};

TEST_F(FolderMoveTest, RemovesALinkButNotWhatItPointsTo) {
  if (!link_outside()) GTEST_SKIP() << "no symbolic links here";
  std::error_code failure;
  EXPECT_TRUE(remove_tree("Skin", failure));
  EXPECT_FALSE(fs::exists(fs::symlink_status("Skin")));
  EXPECT_EQ("years of work", read_file("Outside/thesis.txt"));
  EXPECT_TRUE(remove_tree("Nothing", failure));
}

// /dev/shm is a file system of its own on most Linux systems.
TEST_F(FolderMoveTest, AcrossFileSystemsCopiesThenRemovesOnlyWhenTheCopyIsAgreed) {
  OtherFileSystemFolder other;
  if (other.path().empty()) GTEST_SKIP() << "no second file system at /dev/shm";
  bool linked = link_outside();
  auto original = tree_content("Skin");
  std::string to = other.path() + "/Skin";
  std::error_code failure;
  bool asked = false;
  auto refuse = [&](std::error_code& refused) {
    asked = true;
    EXPECT_TRUE(original == tree_content(to));  // whole before it is agreed
    refused = std::make_error_code(std::errc::io_error);
    return false;
  };
  EXPECT_FALSE(move_folder("Skin", to, refuse, failure));
  EXPECT_TRUE(asked);
  EXPECT_TRUE(original == tree_content("Skin"));
  EXPECT_FALSE(fs::exists(to));

  auto agree = [](std::error_code&) { return true; };
  EXPECT_TRUE(move_folder("Skin", to, agree, failure)) << failure.message();
  EXPECT_FALSE(fs::exists("Skin"));
  EXPECT_TRUE(original == tree_content(to));
  EXPECT_EQ(linked, fs::is_symlink(to + "/Images/Outside"));
  EXPECT_EQ("years of work", read_file("Outside/thesis.txt"));
}

}  // namespace
