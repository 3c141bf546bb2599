#include "assembly/skin_install.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "platform/file_system.h"
#include "platform/paths.h"
#include "platform/shell.h"
#include "tests/test_support.h"

namespace {

namespace fs = std::filesystem;

int record_and_run(const char* line) {
  recorded_commands().push_back(line);
  return run_shell_line(line);
}

// The copy runs, then fails: as a disk that fills up midway.
int copy_fails_midway(const char* line) {
  int status = record_and_run(line);
  return std::string(line).rfind("xcopy", 0) == 0 ? 4 : status;
}

// A working folder with a skin, and a Themes folder by its absolute path.
class SkinInstallTest : public ScratchFolderTest {
 protected:
  SkinInstallTest() : themes_(path_text(fs::absolute("Synth/Support/Themes"))) {
    write_file("My Skin/Images/Controls/CS1Env.png", "new image");
    write_file("My Skin/Scripts/Zebra2.txt", "new script");
    fs::create_directories("My Skin/Images/Empty");
    fs::create_directories(themes_);
  }
  void put_older_theme() {
    write_file(themes_ + "/My Skin/Images/Controls/CS1Env.png", "old image");
    write_file(themes_ + "/My Skin/Scripts/Zebra2.txt", "old script");
  }
  std::string installed_as() const { return shown_path(themes_ + "/My Skin"); }
  std::string xcopy_line() const {
    return "xcopy /y /q /e \".\\My Skin\" \"" + windows_form(themes_ + "/.My Skin.installing") +
           "\\\" >NUL";
  }
  std::string rmdir_line(const char* name) const {
    return "rmdir /S /Q \"" + windows_form(themes_ + "/" + name) + "\" 1>NUL 2>NUL";
  }

  std::string themes_;
};

TEST_F(SkinInstallTest, CopiesTheWholeSkinAndReplacesAnOlderOneOnlyWhenTheCopyIsComplete) {
  CommandRecorder recorder(record_and_run);
  EXPECT_EQ("The skin is now in " + installed_as() +
                "; the synthesizer shows it in its theme menu.\n",
            stdout_of([&] { EXPECT_TRUE(install_skin("My Skin", themes_)); }));
  EXPECT_EQ(std::vector<std::string>{xcopy_line()}, recorded_commands());
  EXPECT_TRUE(tree_content("My Skin") == tree_content(themes_ + "/My Skin"));
  EXPECT_EQ(std::vector<std::string>{"My Skin"}, names_in(themes_));

  recorded_commands().clear();
  write_file(themes_ + "/My Skin/Scripts/Old only.txt", "old");
  write_file("My Skin/Scripts/Zebra2.txt", "newer script");
  EXPECT_EQ("The skin is now in " + installed_as() +
                ", in place of the older one; the synthesizer shows it in its theme menu.\n",
            stdout_of([&] { EXPECT_TRUE(install_skin("My Skin", themes_)); }));
  EXPECT_EQ((std::vector<std::string>{xcopy_line(), rmdir_line(".My Skin.previous")}),
            recorded_commands());
  EXPECT_TRUE(tree_content("My Skin") == tree_content(themes_ + "/My Skin"));
  EXPECT_EQ(std::vector<std::string>{"My Skin"}, names_in(themes_));
  EXPECT_TRUE(fs::is_directory("My Skin/Scripts")) << "the working folder's copy stays";
}

TEST_F(SkinInstallTest, NeverTouchesAFolderFileOrLinkOfThatNameThatIsNotASkin) {
  CommandRecorder recorder(record_and_run);
  write_file(themes_ + "/My Skin/notes.txt", "mine");
  const std::string not_a_skin =
      "Not installed: " + installed_as() +
      " is not a skin (it has no Images and Scripts folders), and it is left as it is.\n";
  EXPECT_EQ(not_a_skin, stdout_of([&] { EXPECT_FALSE(install_skin("My Skin", themes_)); }));
  EXPECT_EQ(std::vector<std::string>{"notes.txt"}, names_in(themes_ + "/My Skin"));
  fs::remove_all(themes_ + "/My Skin");
  write_file(themes_ + "/My Skin", "a file");
  EXPECT_EQ(not_a_skin, stdout_of([&] { EXPECT_FALSE(install_skin("My Skin", themes_)); }));
  EXPECT_EQ("a file", read_file(themes_ + "/My Skin"));
  fs::remove(themes_ + "/My Skin");
  std::error_code no_links;
  fs::create_directory_symlink(fs::absolute("My Skin"), themes_ + "/My Skin", no_links);
  if (!no_links) {
    EXPECT_EQ("Not installed: " + installed_as() + " is a link, and it is left as it is.\n",
              stdout_of([&] { EXPECT_FALSE(install_skin("My Skin", themes_)); }));
  }
  EXPECT_TRUE(recorded_commands().empty());
  EXPECT_TRUE(fs::is_regular_file("My Skin/Scripts/Zebra2.txt"));
}

// An install cut short left the older theme aside and half a copy; this
// one fails too: the older theme ends where it was, and nothing else stays.
TEST_F(SkinInstallTest, AFailedCopyLeavesTheThemesFolderAsItWas) {
  put_older_theme();
  auto older = tree_content(themes_ + "/My Skin");
  fs::rename(themes_ + "/My Skin", themes_ + "/.My Skin.previous");
  write_file(themes_ + "/.My Skin.installing/Images/half.png", "half");
  CommandRecorder recorder(copy_fails_midway);
  EXPECT_EQ("Cannot install into " + shown_path(themes_) +
                " (the copy failed): it is as it was; move the My Skin folder there by hand.\n",
            stdout_of([&] { EXPECT_FALSE(install_skin("My Skin", themes_)); }));
  EXPECT_TRUE(older == tree_content(themes_ + "/My Skin"));
  EXPECT_EQ(std::vector<std::string>{"My Skin"}, names_in(themes_));
  EXPECT_EQ((std::vector<std::string>{rmdir_line(".My Skin.installing"), xcopy_line(),
                                      rmdir_line(".My Skin.installing")}),
            recorded_commands());
}

}  // namespace
