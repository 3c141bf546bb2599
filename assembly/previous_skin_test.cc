#include "assembly/previous_skin.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "assembly/build_state.h"
#include "platform/file_system.h"
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
  SkinBuild build = begin_skin_build("Old Skin");
  ASSERT_TRUE(build.active);
  EXPECT_FALSE(fs::exists("Old Skin"));
  EXPECT_TRUE(old == tree_content("skindata/temp/previous/Old Skin"));
  BuildState state;
  ASSERT_EQ(StateFound::kKnown, read_build_state(state));
  EXPECT_EQ(BuildStage::kBuilding, state.stage);
  EXPECT_TRUE(state.kept);
  make_half_skin();
  EXPECT_EQ("Old Skin is as it was before this build.\n",
            stdout_of([&] { restore_previous_skin(build); }));
  EXPECT_TRUE(old == tree_content("Old Skin"));
  EXPECT_FALSE(fs::exists("skindata/temp/previous"));

  build = begin_skin_build("Old Skin");
  ASSERT_TRUE(build.active);
  make_half_skin();
  keep_new_skin(build);
  EXPECT_EQ("half", read_file("Old Skin/Images/Controls/CS1Env.png"));
  EXPECT_FALSE(fs::exists("skindata/temp/previous"));

  // A first build has nothing to put back: the half-made folder goes.
  build = begin_skin_build("New Skin");
  ASSERT_TRUE(build.active);
  write_file("New Skin/Images/x.png", "half");
  EXPECT_EQ("The half-made New Skin was removed.\n",
            stdout_of([&] { restore_previous_skin(build); }));
  EXPECT_FALSE(fs::exists("New Skin"));
}

TEST_F(PreviousSkinTest, WhatIsNotASkinIsNeverTouched) {
  EXPECT_EQ(ExistingFolder::kSkin, existing_folder("old skin"));  // found in any case
  EXPECT_EQ(ExistingFolder::kNone, existing_folder("Nothing"));
  EXPECT_EQ(ExistingFolder::kOther, existing_folder("Notes"));
  write_file("Just a file", "");
  EXPECT_EQ(ExistingFolder::kOther, existing_folder("Just a file"));
  EXPECT_EQ("", name_taken_by_other_folder("Old Skin"));
  EXPECT_EQ(
      "There is a folder or file named Notes here that is not a skin; please choose "
      "another name.",
      name_taken_by_other_folder("Notes"));

  std::string said = stdout_of([] { EXPECT_FALSE(begin_skin_build("Notes").active); });
  EXPECT_EQ(
      "\nA folder or file named Notes is in the way: it is not a skin (it has no Images and "
      "Scripts folders). Move or rename it, then build again.\n",
      said);
  EXPECT_EQ("years of work", read_file("Notes/thesis.txt"));

  // A skin kept aside by a build that left no state (an older version's)
  // is not overwritten, nor the skin folder: both are named.
  write_file("skindata/temp/previous/Old Skin/Images/kept.png", "kept");
  write_file("skindata/temp/build-state.txt", "skinbuilder build state 0\n");
  EXPECT_EQ("", stdout_of([] { finish_build_cut_short(); }));
  said = stdout_of([] { EXPECT_FALSE(begin_skin_build("Old Skin").active); });
  EXPECT_EQ("\n" + shown_path("skindata/temp/previous/Old Skin") +
                " holds a skin that an earlier build kept aside and never put back, and Old Skin "
                "here may be what that build made: keep the one you want as Old Skin, move the "
                "other elsewhere, then build again.\n",
            said);
  EXPECT_EQ("old script", read_file("Old Skin/Scripts/Zebra2.txt"));
  EXPECT_EQ("kept", read_file("skindata/temp/previous/Old Skin/Images/kept.png"));
  // The folder in the way may be what that build was making.
  write_file("skindata/temp/previous/Notes/Images/kept.png", "kept");
  said = stdout_of([] { EXPECT_FALSE(begin_skin_build("Notes").active); });
  EXPECT_EQ(0u, said.find("\n" + shown_path("skindata/temp/previous/Notes") + " holds a skin"))
      << said;
}

// What a build killed at each of its steps leaves, and what the next run
// makes of it. The state is what the build had recorded by then.
TEST_F(PreviousSkinTest, ABuildCutShortIsFinishedByTheNextRun) {
  auto old = tree_content("Old Skin");
  fs::rename("Old Skin", "Old");
  struct Case {
    const char* what;
    BuildState state;
    bool skin_made, kept_there;
    const char* said;
    bool old_back;  // else the skin folder is left as it was
  } cases[] = {
      {"killed while building", {BuildStage::kBuilding, true, "Old Skin"}, true, true,
       "A build of Old Skin was cut short earlier: Old Skin is as it was before that build.\n\n",
       true},
      {"killed while putting back", {BuildStage::kRestoring, true, "Old Skin"}, true, true,
       "A build of Old Skin was cut short earlier: Old Skin is as it was before that build.\n\n",
       true},
      {"killed just after putting back", {BuildStage::kRestoring, true, "Old Skin"}, false, false,
       "A build of Old Skin was cut short earlier: Old Skin is as it was before that build.\n\n",
       false},
      {"killed just after the move aside", {BuildStage::kKeepingAside, true, "Old Skin"}, false,
       true,
       "A build of Old Skin was cut short earlier: Old Skin is as it was before that build.\n\n",
       true},
      {"killed while copying aside", {BuildStage::kKeepingAside, true, "Old Skin"}, false, true, "",
       false},
      {"killed while discarding", {BuildStage::kDiscarding, true, "Old Skin"}, true, true, "",
       false},
      {"kept skin moved back by the user", {BuildStage::kBuilding, true, "Old Skin"}, false, false,
       "", false},
      {"first build", {BuildStage::kBuilding, false, "Old Skin"}, true, false,
       "A build of Old Skin was cut short earlier: its half-made folder was removed.\n\n", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    fs::remove_all("Old Skin");
    fs::remove_all("skindata/temp");
    fs::create_directories("skindata/temp/discarded/Old Skin/Images");  // a discard cut short
    bool partial_copy = std::string(c.what) == "killed while copying aside";
    fs::create_directories("skindata/temp/previous");
    if (c.kept_there) fs::copy("Old", "skindata/temp/previous/Old Skin", fs::copy_options::recursive);
    if (c.kept_there && (partial_copy || c.state.stage == BuildStage::kDiscarding)) {
      fs::remove_all("skindata/temp/previous/Old Skin/Scripts");
    }
    if (c.skin_made) write_file("Old Skin/Images/Controls/CS1Env.png", "half");
    if (partial_copy || (!c.skin_made && !c.kept_there)) {
      fs::copy("Old", "Old Skin", fs::copy_options::recursive);
    }
    auto skin_before = fs::exists("Old Skin") ? tree_content("Old Skin") : decltype(old)();
    std::error_code failure;
    ASSERT_TRUE(record_build_state(c.state, failure));

    EXPECT_EQ(c.said, stdout_of([] { finish_build_cut_short(); }));
    if (c.old_back) {
      EXPECT_TRUE(old == tree_content("Old Skin"));
    } else if (c.state.kept) {
      EXPECT_TRUE(skin_before == tree_content("Old Skin"));
    } else {
      EXPECT_FALSE(fs::exists("Old Skin"));
    }
    EXPECT_EQ(std::vector<std::string>{"build.lock"}, names_in("skindata/temp"));
  }
}

TEST_F(PreviousSkinTest, ALinkIsCalledALinkAndNeverFollowed) {
  std::error_code failure;
  fs::create_directory_symlink(fs::absolute("Old Skin"), "Linked", failure);
  if (failure) GTEST_SKIP() << "no symbolic links here: " << failure.message();
  auto pointed_at = tree_content("Old Skin");
  std::string target = fs::read_symlink("Linked").string();
  EXPECT_EQ(ExistingFolder::kLink, existing_folder("Linked"));
  EXPECT_EQ("Linked here is a link to " + target +
                ", not a folder of its own; please choose another name.",
            name_taken_by_other_folder("Linked"));
  EXPECT_EQ("\nLinked here is a link to " + target +
                ", not a folder of its own: the build does not replace it or what it points to. "
                "Move or rename the link, then build again.\n",
            stdout_of([] { EXPECT_FALSE(begin_skin_build("Linked").active); }));
  EXPECT_TRUE(fs::is_symlink("Linked"));
  EXPECT_TRUE(pointed_at == tree_content("Old Skin"));
}

}  // namespace
