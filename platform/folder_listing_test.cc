#include "platform/folder_listing.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "tests/test_support.h"

namespace {

using FolderListingTest = ScratchFolderTest;

TEST_F(FolderListingTest, ListsMatchingNamesInFolderOrder) {
  for (const char* name : {"Korvel Dazo Custom-v11b5.kvl", "b-V11B5.KVL", "c-v11b4.kvl",
                           "d-v11b5.kvl.bak", "notes.txt", "z-v11b5.kvl"}) {
    write_file(std::string("Presets/") + name, "");
  }
  // The names that match, in the order the folder holds them (the standard
  // library reads it as the listing does: readdir, or FindFirstFileW).
  const std::set<std::string> matching = {"Korvel Dazo Custom-v11b5.kvl", "b-V11B5.KVL",
                                          "z-v11b5.kvl"};
  std::vector<std::string> expected;
  for (const auto& entry : std::filesystem::directory_iterator("Presets")) {
    std::string name = entry.path().filename().string();
    if (matching.count(name) != 0) expected.push_back(name);
  }
  ASSERT_EQ(expected.size(), 3u);
  EXPECT_EQ(list_matching_names("Presets", "*-v11b5.kvl"), expected);
  EXPECT_EQ(list_matching_names(R"(.\presets)", "*-v11b5.kvl"), expected);
  EXPECT_EQ(list_matching_names("./PRESETS/", "*-V11B5.KVL"), expected);
  EXPECT_TRUE(list_matching_names("Missing", "*-v11b5.kvl").empty());
  EXPECT_TRUE(list_matching_names("Presets", "*.none").empty());
}

}  // namespace
