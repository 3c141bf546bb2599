#include "platform/shell.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/test_support.h"

namespace {

// The lines below run through the system's interpreter: the built-in one,
// or cmd on Windows. Output captured here is no console.
using ShellTest = ScratchFolderTest;

TEST_F(ShellTest, ClsPrintsNothingAndEachLineEndsBeforeTheNext) {
  EXPECT_EQ(interpret("cls").both(), "");
  write_file("My Skin/a.txt", "text");
  EXPECT_EQ(interpret(R"(copy /y ".\My Skin\a.txt" ".\My Skin\b.txt" >NUL)").both(), "");
  EXPECT_EQ(read_file("My Skin/b.txt"), "text");
  EXPECT_EQ(interpret(R"(del ".\My Skin\a.txt")").both(), "");
  EXPECT_FALSE(std::filesystem::exists("My Skin/a.txt"));
  // A preview line whose image is missing is no image to show: the
  // interpreter reports it as a command it does not know.
  EXPECT_NE(interpret(R"(.\skindata\temp\CS1preview.png)").err, "");
}

}  // namespace
