#include "platform/image_tools.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "tests/test_support.h"

namespace {

using Words = std::vector<std::string>;
using ImageToolsTest = ScratchFolderTest;

TEST(ImageTools, NamesTheTwoToolsInAnyCase) {
  EXPECT_EQ(image_tool_named(".\\SkinData\\MOGRIFY"), ImageToolKind::kMogrify);
  EXPECT_EQ(image_tool_named(".\\skindata\\identify"), ImageToolKind::kIdentify);
  for (const char* other : {"mogrify", ".\\skindata\\mogrify.exe", ".\\other\\identify", ""}) {
    EXPECT_EQ(image_tool_named(other), ImageToolKind::kNone) << other;
  }
}

// skindata first, then magick, then the tool by its own name; what was
// not found in skindata takes the options the launchers would add.
TEST_F(ImageToolsTest, FindsTheToolsWhereAUserHasThem) {
  ScopedVariable path("PATH", (folder_.path() + "/bin").c_str());
  ScopedVariable version("STAND_IN_VERSION", nullptr);
  install_stand_in("skindata/mogrify");
  install_stand_in("bin/mogrify");
  install_stand_in("bin/magick");
  ImageTool tool = find_image_tool(ImageToolKind::kMogrify);
  EXPECT_TRUE(tool.in_skindata);
  EXPECT_EQ(tool.found_as, shown_path("skindata/mogrify"));
  EXPECT_EQ(image_tool_command(tool, {"-quality", "80"}), (Words{tool.program, "-quality", "80"}));

  std::filesystem::remove_all("skindata");
  tool = find_image_tool(ImageToolKind::kMogrify);
  EXPECT_EQ(tool.found_as.rfind("magick at ", 0), 0u) << tool.found_as;
  EXPECT_EQ(image_tool_command(tool, {"x.png"}),
            (Words{tool.program, "mogrify", "-define", "png:exclude-chunk=date,time", "x.png"}));
  tool = find_image_tool(ImageToolKind::kIdentify);
  EXPECT_EQ(image_tool_command(tool, {"x.png"}), (Words{tool.program, "identify", "x.png"}));

  std::filesystem::remove(tool.program);
  tool = find_image_tool(ImageToolKind::kMogrify);
  EXPECT_EQ(tool.found_as.rfind("mogrify at ", 0), 0u) << tool.found_as;
  EXPECT_EQ(image_tool_command(tool, {"x.png"}),
            (Words{tool.program, "-define", "png:exclude-chunk=date,time", "x.png"}));
  EXPECT_FALSE(find_image_tool(ImageToolKind::kIdentify).found());
}

// Version 7 keeps transparency only when told to treat the colour channels
// alone; the tool's own answer to -version decides, wherever it was found.
TEST_F(ImageToolsTest, ImageMagick7GetsTheOptionsThatKeepTransparency) {
  for (const char* version : {"7.0.8-58 Q16 x64 2019-08-10", "6.9.11-60 Q16 x86_64"}) {
    ScopedVariable said("STAND_IN_VERSION", version);
    bool seven = version[0] == '7';
    // A new program file: the version is asked again.
    install_stand_in("skindata/mogrify");
    std::filesystem::path program = find_image_tool(ImageToolKind::kMogrify).program;
    std::filesystem::last_write_time(
        program, std::filesystem::last_write_time(program) + std::chrono::hours(seven ? 1 : 2));
    ImageTool tool = find_image_tool(ImageToolKind::kMogrify);
    EXPECT_EQ(tool.version, "ImageMagick " + std::string(version));
    EXPECT_EQ(tool.major_version, seven ? 7 : 6);
    Words line = {"-modulate", "110,120,85", "-brightness-contrast", "0x-30", "-sharpen",
                  "1",         "x.png"};
    Words expected = {tool.program};
    if (seven) {
      // Each operation acts on the colours only and is cut off as 6 would;
      // the user's own options act on the channels they would by default.
      for (Words operation :
           {Words{"-modulate", "110,120,85"}, Words{"-brightness-contrast", "0x-30"}}) {
        expected.insert(expected.end(), {"-channel", "RGB", operation[0], operation[1]});
        expected.insert(expected.end(),
                        {"-evaluate", "max", "0", "-evaluate", "min", "100%", "+channel"});
      }
      expected.insert(expected.end(), {"-sharpen", "1", "x.png"});
    } else {
      expected.insert(expected.end(), line.begin(), line.end());
    }
    EXPECT_EQ(image_tool_command(tool, line), expected);
  }
}

TEST(ImageTools, ReadsTheVersionLineOnly) {
  int major = -1;
  EXPECT_EQ(version_from_text("Version: ImageMagick 7.0.8-58 Q16 x64 2019-08-10\r\nCopyright: x\n",
                              &major),
            "ImageMagick 7.0.8-58 Q16 x64 2019-08-10");
  EXPECT_EQ(major, 7);
  EXPECT_EQ(version_from_text(
                "Copyright\nVersion: ImageMagick 6.9.11-60 Q16 https://imagemagick.org", &major),
            "ImageMagick 6.9.11-60 Q16");
  EXPECT_EQ(major, 6);
  for (const char* text : {"", "Version: GraphicsMagick 1.3", "  Version: ImageMagick 7",
                           "mogrify: ImageMagick is not installed\n"}) {
    EXPECT_EQ(version_from_text(text, &major), "") << text;
    EXPECT_EQ(major, 0);
  }
  version_from_text("Version: ImageMagick 99999999999999999999", &major);
  EXPECT_EQ(major, 9999);  // read no further than it matters
}

}  // namespace
