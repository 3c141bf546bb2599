// The Windows listing is FindFirstFileA's; this checks the other one.
#ifndef _WIN32

#include "platform/folder_listing.h"

#include <dirent.h>

#include "platform/test_folder.h"

namespace {

class FolderListingTest : public TempFolderTest {};

TEST_F(FolderListingTest, ListsMatchingNamesInFolderOrder) {
  for (const char* name : {"Korvel Dazo Custom-v11b5.kvl", "b-V11B5.KVL", "c-v11b4.kvl",
                           "d-v11b5.kvl.bak", "notes.txt", "z-v11b5.kvl"}) {
    write_file(std::string("Presets/") + name, "");
  }
  std::vector<std::string> expected;
  DIR* dir = opendir("Presets");
  ASSERT_NE(dir, nullptr);
  while (const dirent* entry = readdir(dir)) {
    std::string name = entry->d_name;
    if (name.find("-v11b5.kvl") != std::string::npos || name == "b-V11B5.KVL") {
      if (name != "d-v11b5.kvl.bak") expected.push_back(name);
    }
  }
  closedir(dir);
  ASSERT_EQ(expected.size(), 3u);
  EXPECT_EQ(list_matching_names("Presets", "*-v11b5.kvl"), expected);
  EXPECT_EQ(list_matching_names(R"(.\presets)", "*-v11b5.kvl"), expected);
  EXPECT_EQ(list_matching_names("./PRESETS/", "*-V11B5.KVL"), expected);

  EXPECT_TRUE(list_matching_names("Missing", "*-v11b5.kvl").empty());
  EXPECT_TRUE(list_matching_names("Presets", "*.none").empty());
}

}  // namespace

#endif  // _WIN32
