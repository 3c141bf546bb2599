#include "assembly/themes_folders.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "platform/environment.h"
#include "platform/file_system.h"
#include "platform/paths.h"
#include "platform/plugin_folders.h"
#include "tests/test_support.h"

namespace {

namespace fs = std::filesystem;

#ifndef _WIN32  // the plug-in folders below a home are POSIX's
class ThemesFoldersTest : public ScratchFolderTest {
 protected:
  // Makes <data>/Support/Themes in the scratch folder and returns it.
  std::string themes_in(const std::string& data) {
    std::string themes = folder_.path() + "/" + data + "/Support/Themes";
    fs::create_directories(themes);
    return themes;
  }
  // What is found in the scratch folder: the machine's own system folders
  // are left out.
  std::vector<std::string> found_here() {
    std::vector<std::string> here;
    for (const std::string& folder : find_themes_folders()) {
      if (folder.rfind(folder_.path() + "/", 0) == 0) here.push_back(folder);
    }
    return here;
  }
};

TEST_F(ThemesFoldersTest, FindsNativeWineAndNamedFoldersEachOnceInOrder) {
  std::string native = themes_in("home/.vst/Zebra2.data");
  std::string native_hz = themes_in("home/.vst/ZebraHZ.data");
  std::string nested = themes_in("home/.vst3/u-he/ZebraHZ.data");
  std::string wine = themes_in("home/.wine/drive_c/Program Files/Common Files/VST2/ZebraHZ.data");
  themes_in("home/.lxvst/one/two/Zebra2.data");  // too deep
  themes_in("home/.vst/Other.data");             // another plug-in's
  std::string named = themes_in("Elsewhere");
  // A second route to a folder already found.
  fs::create_directory_symlink(native, "Via link");
  std::string named_list = named + ":" + folder_.path() + "/Via link::" + folder_.path() + "/None";
  ScopedVariable home("HOME", (folder_.path() + "/home").c_str());
  ScopedVariable no_prefix("WINEPREFIX", nullptr);
  ScopedVariable themes("SKINBUILDER_THEMES", named_list.c_str());
  EXPECT_EQ((std::vector<std::string>{native_hz, native, nested, wine, named}), found_here());

  // A Wine prefix of its own takes the place of ~/.wine.
  std::string prefixed = themes_in("prefix/drive_c/Program Files/VSTPlugins/Zebra2.data");
  ScopedVariable prefix("WINEPREFIX", (folder_.path() + "/prefix").c_str());
  EXPECT_EQ((std::vector<std::string>{native_hz, native, nested, prefixed, named}), found_here());
}
#endif

#ifdef _WIN32
// Under Wine the test makes the folder in the prefix's drive_c; what it
// made goes again.
TEST(ThemesFolders, FindsTheDataFolderBelowProgramFiles) {
  std::string vst2 = environment_value("ProgramFiles").value_or("") + "\\Common Files\\VST2";
  std::string data = vst2 + "\\ZebraHZ.data";
  if (is_folder(data)) GTEST_SKIP() << data << " is there already";
  std::string made = is_folder(vst2) ? data : vst2;
  fs::create_directories(fs_path(data + "\\Support\\Themes"));
  ScopedVariable no_themes("SKINBUILDER_THEMES", nullptr);
  std::vector<std::string> found = find_themes_folders();
  std::error_code ignored;
  fs::remove_all(fs_path(made), ignored);
  std::vector<std::string> shown;
  for (const std::string& folder : found) shown.push_back(shown_path(folder));
  EXPECT_NE(shown.end(), std::find(shown.begin(), shown.end(),
                                   "C:\\Program Files\\Common Files\\VST2\\ZebraHZ.data\\Support\\"
                                   "Themes"));
}
#endif

}  // namespace
