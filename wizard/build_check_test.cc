#include "wizard/build_check.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/paths.h"
#include "tests/test_support.h"

namespace {

// Images written wrong and images whose transparency changed each name
// their own first; a change the advanced options made is told after a
// build that passed, and nothing is told without one.
TEST_F(ScratchFolderTest, TransparencyIsReportedApartFromImagesNotWritten) {
  BuildVerdict verdict;
  verdict.images.promised = 454;
  verdict.images.damaged = 2;
  verdict.images.first_problem = "Images\\Panes\\Footer.png";
  verdict.images.transparency_changed = 390;
  verdict.images.first_transparency_change = "Images\\Controls\\CS1EnvA.png";
  verdict.image_tool = "magick at C:\\IM\\magick.exe, ImageMagick 7.0.8-58 Q16 x64";
  EXPECT_FALSE(verdict.passed());
  EXPECT_EQ(
      "The skin could not be built.\n"
      "- 2 of 454 images could not be written (2 damaged; the first is " +
          shown_relative("Images\\Panes\\Footer.png") +
          ").\n- 390 of 454 images changed their transparency (the first is " +
          shown_relative("Images\\Controls\\CS1EnvA.png") +
          ").\nThe image tool was magick at C:\\IM\\magick.exe, ImageMagick 7.0.8-58 Q16 x64.\n",
      stdout_of([&] { print_build_failure(verdict); }));

  BuildVerdict allowed;
  allowed.images.promised = 454;
  EXPECT_EQ("", stdout_of([&] { print_build_notes(allowed); }));
  allowed.images.transparency_changed_by_options = 12;
  EXPECT_TRUE(allowed.passed());
  EXPECT_EQ("With your advanced options, 12 of 454 images changed their transparency.\n\n",
            stdout_of([&] { print_build_notes(allowed); }));
}

}  // namespace
