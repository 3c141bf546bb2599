#include "scripts/placeholder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/paths.h"
#include "tests/test_support.h"

namespace {

constexpr const char* kScript = ".\\Skin\\Scripts\\Template.txt";

TEST(PlaceholderTest, ReplacesEveryMatchOnceAndLiterally) {
  ScratchFolder folder;
  write_file(kScript, "a HEXCS1SBARBRT b\nHEXCS1 hexcs1 HEXCS1\nSBARWID|SBARWID\n");
  // The value holds the placeholder itself: it is not scanned again.
  replace_placeholder(kScript, "HEXCS1", "<HEXCS1>");
  EXPECT_EQ(read_text_file(kScript), "a <HEXCS1>SBARBRT b\n<HEXCS1> hexcs1 <HEXCS1>\nSBARWID|SBARWID\n");
  replace_placeholder(kScript, "SBARWID", "");
  replace_placeholder(kScript, "ALT Custom", "unused");
  EXPECT_EQ(read_text_file(kScript), "a <HEXCS1>SBARBRT b\n<HEXCS1> hexcs1 <HEXCS1>\n|\n");
  // A value from a hostile listing file: "$" sequences would insert the
  // match or the text around it; they go in as they stand.
  write_file(kScript, "x HEXCS2 y HEXCS2\n");
  replace_placeholder(kScript, "HEXCS2", "$`$'$&$1$$");
  EXPECT_EQ(read_text_file(kScript), "x $`$'$&$1$$ y $`$'$&$1$$\n");
  EXPECT_FALSE(std::filesystem::exists("Skin/Scripts/Template.txt.new"));
}

TEST(PlaceholderTest, MissingAndUnreadableFiles) {
  ScratchFolder folder;
  std::filesystem::create_directories("Skin/Scripts");
  replace_placeholder(".\\Skin\\Scripts\\Zebra2.txt", "ZCODE", "Z2");
  EXPECT_TRUE(std::filesystem::exists("Skin/Scripts/Zebra2.txt"));
  EXPECT_EQ(read_file(".\\Skin\\Scripts\\Zebra2.txt"), "");

  // No folder: nothing is created anywhere.
  replace_placeholder(".\\Other\\Scripts\\Zebra2.txt", "ZCODE", "Z2");
  EXPECT_FALSE(std::filesystem::exists("Other"));

  // A path that exists but cannot be read as a file stays as it was.
  std::filesystem::create_directories("Skin/Scripts/Folder.txt/inside");
  EXPECT_EQ(stdout_of([] { replace_placeholder(".\\Skin\\Scripts\\Folder.txt", "ZCODE", "Z2"); }),
            "Cannot read " + shown_relative("Skin\\Scripts\\Folder.txt") + "; left as it is.\n");
  EXPECT_TRUE(std::filesystem::is_directory("Skin/Scripts/Folder.txt/inside"));
}

}  // namespace
