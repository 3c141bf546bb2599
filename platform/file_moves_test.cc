#include "platform/file_moves.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/test_support.h"

namespace {

namespace fs = std::filesystem;

TEST(FileMoves, ALinkIsToldFromTheFolderItPointsTo) {
  ScratchFolder folder;
  fs::create_directory("Real");
  write_file("file.txt", "");
  std::string target = "unchanged";
  EXPECT_FALSE(is_link("Real", target));
  EXPECT_EQ("", target);
  EXPECT_FALSE(is_link("file.txt", target));
  EXPECT_FALSE(is_link("Nothing", target));
  std::error_code failure;
  fs::create_directory_symlink(fs::absolute("Real"), "Linked", failure);
  if (failure) GTEST_SKIP() << "no symbolic links here: " << failure.message();
  EXPECT_TRUE(is_link("Linked", target));
  EXPECT_TRUE(fs::equivalent(target, "Real"));
  fs::remove("Real");
  EXPECT_TRUE(is_link("Linked", target));  // leading nowhere, still a link
}

TEST(FileMoves, AWholeWriteReplacesTheFileOrLeavesIt) {
  ScratchFolder folder;
  std::error_code failure;
  ASSERT_TRUE(write_file_whole("state.txt", "first", failure)) << failure.message();
  ASSERT_TRUE(write_file_whole("state.txt", "second", failure)) << failure.message();
  EXPECT_EQ("second", read_file("state.txt"));
  EXPECT_EQ(std::vector<std::string>{"state.txt"}, names_in("."));
  fs::create_directory("folder.txt");
  EXPECT_FALSE(write_file_whole("folder.txt", "third", failure));
  EXPECT_TRUE(failure);
  EXPECT_TRUE(fs::is_directory("folder.txt"));
  EXPECT_EQ(std::vector<std::string>({"folder.txt", "state.txt"}), names_in("."));
}

}  // namespace
