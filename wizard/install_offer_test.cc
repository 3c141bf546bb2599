#include "wizard/install_offer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/environment.h"
#include "platform/file_system.h"
#include "platform/plugin_folders.h"
#include "platform/shell.h"
#include "tests/test_support.h"

namespace {

namespace fs = std::filesystem;

int run_line(const char* line) {
  return run_shell_line(line);
}

// A skin in the working folder, a home without plug-ins, and the Themes
// folders that SKINBUILDER_THEMES names.
class InstallOfferTest : public WorkingFolderTest {
 protected:
  InstallOfferTest() {
    write_file("My Skin/Images/Controls/CS1Env.png", "image");
    write_file("My Skin/Scripts/Zebra2.txt", "script");
    fs::create_directories("home");
  }
  // Makes the folders and names them, in that order.
  void name_themes_folders(const std::vector<std::string>& names) {
    std::string list;
    for (const std::string& name : names) {
      fs::create_directories(name);
      list += (list.empty() ? "" : std::string(1, folder_list_separator())) + absolute(name);
    }
    set_environment_variable("SKINBUILDER_THEMES", list.c_str());
  }
  static std::string absolute(const std::string& name) { return path_text(fs::absolute(name)); }
  static std::string shown(const std::string& name) { return shown_path(absolute(name)); }

  ScopedVariable home_{"HOME", absolute("home").c_str()};
  ScopedVariable no_prefix_{"WINEPREFIX", nullptr};
  ScopedVariable themes_{"SKINBUILDER_THEMES", nullptr};
};

TEST_F(InstallOfferTest, OffersEachFolderFoundAndInstallsIntoTheOneChosen) {
  CommandRecorder runner(run_line);
  feed("\n");
  EXPECT_TRUE(offer_install("My Skin"));
  EXPECT_EQ("", printed()) << "nothing found: nothing said or asked";

  name_themes_folders({"One/Themes", "Two/Themes"});
  feed("\n3\n");
  EXPECT_TRUE(offer_install("My Skin"));
  EXPECT_TRUE(offer_install("My Skin"));
  const std::string menu = "Would you like to install this skin into the synthesizer?:\n\n"
                           "1: No (default)\n2: " +
                           shown("One/Themes") + "\n3: " + shown("Two/Themes") + "\n: ";
  EXPECT_EQ(menu + menu + "The skin is now in " + shown("Two/Themes/My Skin") +
                "; the synthesizer shows it in its theme menu.\n\n",
            printed());
  EXPECT_TRUE(names_in("One/Themes").empty());
  EXPECT_TRUE(tree_content("My Skin") == tree_content("Two/Themes/My Skin"));
}

TEST_F(InstallOfferTest, WithoutQuestionsInstallsOnlyIntoASingleFolder) {
  CommandRecorder runner(run_line);
  feed("");
  EXPECT_FALSE(install_without_questions("My Skin"));
  name_themes_folders({"One/Themes", "Two/Themes"});
  EXPECT_FALSE(install_without_questions("My Skin"));
  EXPECT_EQ(
      "Not installed: no Themes folder of the synthesizer was found (SKINBUILDER_THEMES can name "
      "one); the skin is in the working folder.\n"
      "Not installed: 2 Themes folders of the synthesizer were found; choose one in the wizard, "
      "or move the My Skin folder by hand.\n",
      printed());
  EXPECT_TRUE(names_in("One/Themes").empty());
  name_themes_folders({"One/Themes"});
  EXPECT_EQ("The skin is now in " + shown("One/Themes/My Skin") +
                "; the synthesizer shows it in its theme menu.\n",
            stdout_of([] { EXPECT_TRUE(install_without_questions("My Skin")); }));
  EXPECT_TRUE(tree_content("My Skin") == tree_content("One/Themes/My Skin"));
}

}  // namespace
