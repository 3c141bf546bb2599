#include "assembly/build_state.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/test_support.h"

namespace {

TEST(BuildState, ReadsBackOnlyWhatItWrites) {
  for (BuildStage stage : {BuildStage::kKeepingAside, BuildStage::kBuilding,
                           BuildStage::kRestoring, BuildStage::kDiscarding}) {
    for (bool kept : {false, true}) {
      BuildState written{stage, kept, "My Skin 2.0 (dark)"};
      BuildState read;
      ASSERT_TRUE(parse_build_state(build_state_text(written), read));
      EXPECT_EQ(stage, read.stage);
      EXPECT_EQ(kept, read.kept);
      EXPECT_EQ("My Skin 2.0 (dark)", read.skin_name);
    }
  }
  const std::string good = build_state_text({BuildStage::kBuilding, true, "Skin"});
  BuildState untouched{BuildStage::kDiscarding, false, "Before"};
  for (const std::string& bytes : {
           std::string(),
           good.substr(0, good.size() - 1),  // cut short: no final line break
           good + "more\n",
           "skinbuilder build state 2" + good.substr(good.find('\n')),  // another version
           std::string("skinbuilder build state 1\nbuilt\nkept\nSkin\n"),
           std::string("skinbuilder build state 1\nbuilding\nyes\nSkin\n"),
           std::string("skinbuilder build state 1\r\nbuilding\r\nkept\r\nSkin\r\n"),
           // A name the next run would remove or move must stay in the
           // working folder.
           std::string("skinbuilder build state 1\nbuilding\nnew\n..\n"),
           std::string("skinbuilder build state 1\nbuilding\nnew\n../../home\n"),
           std::string("skinbuilder build state 1\nbuilding\nnew\nC:\\Users\n"),
           std::string("skinbuilder build state 1\nbuilding\nnew\n\n"),
           std::string("skinbuilder build state 1\nbuilding\nnew\nSk\0in\n", 40),
           std::string("skinbuilder build state 1\nbuilding\nnew\n") + std::string(256, 'a') + "\n",
       }) {
    SCOPED_TRACE(bytes);
    EXPECT_FALSE(parse_build_state(bytes, untouched));
  }
  EXPECT_EQ("Before", untouched.skin_name);
}

TEST(BuildState, IsFoundAsTheFileSays) {
  ScratchFolder folder;
  std::filesystem::create_directories("skindata/temp");
  BuildState state;
  EXPECT_EQ(StateFound::kNone, read_build_state(state));
  std::error_code failure;
  ASSERT_TRUE(record_build_state({BuildStage::kRestoring, true, "Skin"}, failure));
  EXPECT_EQ(StateFound::kKnown, read_build_state(state));
  EXPECT_EQ(BuildStage::kRestoring, state.stage);
  EXPECT_EQ(std::vector<std::string>({"build-state.txt"}), names_in("skindata/temp"));

  write_file("skindata/temp/build-state.txt", std::string(1 << 20, 'x'));
  EXPECT_EQ(StateFound::kUnknown, read_build_state(state));
  clear_build_state();
  std::filesystem::create_directory("skindata/temp/build-state.txt");
  EXPECT_EQ(StateFound::kUnknown, read_build_state(state));
  std::filesystem::remove("skindata/temp/build-state.txt");

  // Where it cannot be written, it says so.
  std::filesystem::remove_all("skindata/temp");
  EXPECT_FALSE(record_build_state({BuildStage::kBuilding, false, "Skin"}, failure));
  EXPECT_TRUE(failure);
}

}  // namespace
