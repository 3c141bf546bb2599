#include "assembly/skin_check.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "tests/test_support.h"

namespace {

// A template of a few images, a knob overlay that replaces one of them
// (named in other letters) and a lock-icon overlay.
class SkinCheckTest : public ScratchFolderTest {
 protected:
  SkinCheckTest() {
    const std::string t = "skindata/SkinTemplate/Images/";
    write_file(t + "Controls/CS1Env.png", png_image(4, 2));
    write_file(t + "Controls/Plain.png", png_image(2, 2));
    write_file(t + "Controls/notes.txt", "not an image");
    write_file(t + "Animations/KVL-CS1Knob-Bi/KVL-CS1Knob-Bi.png", png_image(8, 64));
    write_file(t + "Animations/KVL-CS1Knob-Bi/Other.png", png_image(8, 8));
    write_file(t + "Icons/CS1Lock.png", png_image(3, 3));
    write_file("skindata/Knobs/Massive X Style/Images/Animations/KVL-CS1Knob-Bi/kvl-cs1knob-bi.png",
               png_image(16, 64));
    write_file("skindata/LockIcons/Dot/Images/Icons/CS1Lock.png", png_image(5, 5));
  }

  static std::vector<std::string> paths(const SkinSettings& settings) {
    std::vector<std::string> found;
    for (const PromisedImage& image : promised_images(settings)) found.push_back(image.path);
    return found;
  }
};

TEST_F(SkinCheckTest, TheTemplateOverlaysAndClonesMakeThePromise) {
  SkinSettings single = design_settings(kCustomSingle);
  single.lock_icon_style = 2;
  EXPECT_EQ((std::vector<std::string>{
                "Images\\Animations\\KVL-CS1Knob-Bi\\kvl-cs1knob-bi.png",
                "Images\\Animations\\KVL-CS1Knob-Bi\\Other.png",
                "Images\\Controls\\CS1Env.png",
                "Images\\Controls\\Plain.png",
                "Images\\Icons\\CS1Lock.png",
            }),
            paths(single));
  // The overlay's image is the one promised, at its own size.
  for (const PromisedImage& image : promised_images(single)) {
    if (image.path == "Images\\Icons\\CS1Lock.png") {
      EXPECT_NE(std::string::npos, image.source.find("LockIcons"));
    }
  }

  SkinSettings multi = design_settings(kCustomMulti);
  std::vector<std::string> promised = paths(multi);
  for (const char* clone : {"Images\\Animations\\KVL-CS2Knob-Bi\\KVL-CS2Knob-Bi.png",
                            "Images\\Animations\\KVL-CS4Knob-Bi\\Other.png",
                            "Images\\Controls\\CS2Env.png", "Images\\Icons\\CS4Lock.png"}) {
    EXPECT_NE(promised.end(), std::find(promised.begin(), promised.end(), clone)) << clone;
  }
  EXPECT_EQ(promised.end(),
            std::find(promised.begin(), promised.end(), "Images\\Icons\\CS3Lock.png"));
  EXPECT_EQ(5u + 2 * 3 + 1 + 2, promised.size());  // 3 knob folders, one control, two icons

  // The STANDARD designs lay the default knob overlay only.
  SkinSettings standard = design_settings(kStandardSingle);
  standard.lock_icon_style = 2;
  for (const PromisedImage& image : promised_images(standard)) {
    EXPECT_EQ(std::string::npos, image.source.find("LockIcons")) << image.path;
  }
}

// One image of each kind of trouble; the first in path order is named.
TEST_F(SkinCheckTest, MissingEmptyCutAndResizedImagesAreCounted) {
  SkinSettings settings = design_settings(kCustomMulti);
  set_skin_name(settings, "My Skin");
  for (const PromisedImage& image : promised_images(settings)) {
    write_file(".\\My Skin\\" + image.path, read_file(image.source));
  }
  ImageCheck whole = check_skin_images(settings);
  EXPECT_EQ(14, whole.promised);
  EXPECT_EQ(0, whole.failed());

  write_file(".\\My Skin\\Images\\Controls\\CS2Env.png", "");
  write_file(".\\My Skin\\Images\\Icons\\CS4Lock.png", png_image(5, 5).substr(0, 60));
  write_file(".\\My Skin\\Images\\Controls\\Plain.png", png_image(2, 3));
  std::remove("My Skin/Images/Animations/KVL-CS3Knob-Bi/Other.png");
  ImageCheck check = check_skin_images(settings);
  EXPECT_EQ(1, check.missing);
  EXPECT_EQ(1, check.empty);
  EXPECT_EQ(1, check.damaged);
  EXPECT_EQ(1, check.wrong_size);
  EXPECT_EQ("Images\\Animations\\KVL-CS3Knob-Bi\\Other.png", check.first_problem);
}

// A 4x2 control whose alpha runs from clear to opaque, in the template blue
// or, as a recolouring leaves it, in another colour.
std::string control_png(int alpha_change, const char* colour = "\x58\x98\xec") {
  const int alpha[] = {0, 1, 40, 128, 200, 254, 255, 255};
  std::string rgba;
  for (int a : alpha) {
    int changed = std::max(0, std::min(255, a + alpha_change));
    rgba += std::string(colour, 3) + static_cast<char>(changed);
  }
  return png_image(4, 2, rgba);
}

void set_advanced_options(SkinSettings& settings, const char* options) {
  std::snprintf(settings.advanced_options, sizeof settings.advanced_options, "%s", options);
}

// Colours may change, transparency only by rounding. A CS2 clone is held to
// its CS1 source like the image itself.
TEST_F(SkinCheckTest, ChangedTransparencyFailsUnlessTheAdvancedOptionsMadeIt) {
  write_file("skindata/SkinTemplate/Images/Controls/CS1Env.png", control_png(0));
  SkinSettings settings = design_settings(kCustomMulti);
  set_skin_name(settings, "My Skin");
  for (const PromisedImage& image : promised_images(settings)) {
    write_file(".\\My Skin\\" + image.path, read_file(image.source));
  }
  const std::string controls = ".\\My Skin\\Images\\Controls\\";
  write_file(controls + "CS1Env.png", control_png(1, "\x20\x40\x60"));
  write_file(controls + "CS2Env.png", control_png(-1));
  EXPECT_EQ(0, check_skin_images(settings).failed());

  write_file(controls + "CS1Env.png", control_png(2, "\x20\x40\x60"));
  write_file(controls + "CS2Env.png", control_png(-2));
  ImageCheck check = check_skin_images(settings);
  EXPECT_EQ(2, check.transparency_changed);
  EXPECT_EQ(2, check.failed());
  EXPECT_EQ(0, check.not_written());
  EXPECT_EQ("Images\\Controls\\CS1Env.png", check.first_transparency_change);
  EXPECT_EQ("", check.first_problem);

  // Blank options are no options: a space clears them.
  settings.global_adjust = 2;
  set_advanced_options(settings, " ");
  EXPECT_EQ(2, check_skin_images(settings).transparency_changed);
  set_advanced_options(settings, "-channel A -evaluate set 50%");
  check = check_skin_images(settings);
  EXPECT_EQ(0, check.failed());
  EXPECT_EQ(2, check.transparency_changed_by_options);
  EXPECT_EQ("", check.first_transparency_change);
  settings.global_adjust = 1;  // the options are not run
  EXPECT_EQ(2, check_skin_images(settings).transparency_changed);
}

}  // namespace
