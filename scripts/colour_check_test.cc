#include "scripts/colour_check.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "color/colour_model.h"
#include "tests/test_support.h"

namespace {

const Rgb kTemplate = {89, 153, 238};  // 5999EE, as the generator draws the sample

std::string hex(Rgb colour) {
  char text[8];
  std::snprintf(text, sizeof text, "%02X%02X%02X", static_cast<unsigned>(colour.red),
                static_cast<unsigned>(colour.green), static_cast<unsigned>(colour.blue));
  return text;
}

Rgb plus(Rgb colour, int red, int green = 0, int blue = 0) {
  return {colour.red + red, colour.green + green, colour.blue + blue};
}

Rgb predicted(const SkinSettings& settings, int section) {
  const SectionColor& typed = section_color(settings, section);
  return predicted_colour(skin_look_of(settings, kTemplate), {typed.red, typed.green, typed.blue});
}

MeasuredSkin measured(const Rgb (&sections)[4]) {
  MeasuredSkin skin = {};
  for (int n = 0; n < 4; ++n) {
    std::snprintf(skin.sections[n].colour, kColourTextSize, "%s", hex(sections[n]).c_str());
    skin.sections[n].measured = true;
  }
  return skin;
}

std::string report(const ColourCheck& check) {
  return stdout_of([&] { print_colour_mismatches(check); });
}

// Design 2's sections as the model predicts them pass, up to the tolerance
// away in any channel; the template's own blue (a tool that left the
// images alone) and grey do not, and each is named with both colours.
TEST(ColourCheckTest, MeasuredSectionsMustLieNearThePrediction) {
  SkinSettings settings = design_settings(kStandardMulti);
  Rgb expected[4];
  for (int n = 1; n <= 4; ++n) expected[n - 1] = predicted(settings, n);
  EXPECT_EQ("EEB05D", hex(expected[1]));
  EXPECT_EQ(0, compare_measured_colours(settings, kTemplate, measured(expected)).count);
  Rgb near[4] = {plus(expected[0], 6, -6, 6), plus(expected[1], -6), expected[2],
                 plus(expected[3], 0, 0, -6)};
  EXPECT_EQ(0, compare_measured_colours(settings, kTemplate, measured(near)).count);
  Rgb off[4] = {plus(expected[0], 7), expected[1], kTemplate, {0x80, 0x80, 0x80}};
  ColourCheck check = compare_measured_colours(settings, kTemplate, measured(off));
  EXPECT_EQ("- GENERATORS colour measured " + hex(plus(expected[0], 7)) + ", expected " +
                hex(expected[0]) + ".\n- EFFECTS colour measured 5999EE, expected " +
                hex(expected[2]) + ".\n- GLOBALS colour measured 808080, expected " +
                hex(expected[3]) + ".\n",
            report(check));
  // What was not measured is told elsewhere; a single-colour design has one section.
  MeasuredSkin unmeasured = measured(off);
  unmeasured.sections[2].measured = false;
  EXPECT_EQ(2, compare_measured_colours(settings, kTemplate, unmeasured).count);
  EXPECT_EQ("- MAIN colour measured EEEEEE, expected 5798EE.\n",
            report(compare_measured_colours(design_settings(kStandardSingle), kTemplate,
                                            measured({{0xEE, 0xEE, 0xEE}, {}, {}, {}}))));
}

// A high global contrast magnifies a step of the recoloured image, and the
// tolerance with it: a grey darkened to the middle of the scale, ten steps
// off, passes at a contrast of +90 (which multiplies a step by nearly 13,
// the brightness by 0.55), not without it.
TEST(ColourCheckTest, ToleranceGrowsWithWhatTheGlobalCommandMagnifies) {
  SkinSettings settings = design_settings(kCustomSingle);
  settings.cs1 = SectionColor{128, 128, 128, 0.0f, 0.0f};
  settings.global_adjust = 2;
  settings.global_brightness = -45.0f;
  for (auto [contrast, mismatches] : {std::pair{0.0f, 1}, std::pair{90.0f, 0}}) {
    settings.global_contrast = contrast;
    Rgb expected = predicted(settings, 1);
    Rgb off = plus(expected, expected.red > 127 ? -10 : 10);
    EXPECT_EQ(mismatches,
              compare_measured_colours(settings, kTemplate, measured({off, {}, {}, {}})).count)
        << contrast << ": " << hex(expected) << " against " << hex(off);
  }
}

// With advanced options only a change from the template's colour is asked
// for, and only where the answers change it (design 4's first section is
// the template blue itself).
TEST(ColourCheckTest, AdvancedOptionsAskOnlyForAChange) {
  SkinSettings settings = design_settings(kCustomMulti);
  settings.global_adjust = 2;
  std::snprintf(settings.advanced_options, sizeof settings.advanced_options, "-depth 16");
  Rgb anything[4] = {kTemplate, {1, 2, 3}, plus(kTemplate, 7), {200, 200, 200}};
  EXPECT_EQ(0, compare_measured_colours(settings, kTemplate, measured(anything)).count);
  Rgb unchanged[4] = {kTemplate, kTemplate, plus(kTemplate, -6, 6), kTemplate};
  EXPECT_EQ(
      "- MODULATORS colour measured 5999EE, the template's own, though your answers change it.\n"
      "- EFFECTS colour measured 539FEE, the template's own, though your answers change it.\n"
      "- GLOBALS colour measured 5999EE, the template's own, though your answers change it.\n",
      report(compare_measured_colours(settings, kTemplate, measured(unchanged))));
  // Blank options are no options.
  std::snprintf(settings.advanced_options, sizeof settings.advanced_options, "  ");
  EXPECT_EQ(3, compare_measured_colours(settings, kTemplate, measured(unchanged)).count);
}

// The template's colour comes from its sample; without one nothing is compared.
TEST_F(ScratchFolderTest, TheTemplateColourIsReadFromItsSample) {
  SkinSettings settings = design_settings(kStandardMulti);
  MeasuredSkin unchanged = measured({kTemplate, kTemplate, kTemplate, kTemplate});
  EXPECT_EQ(0, check_measured_colours(settings, unchanged).count);
  std::string rgba;
  for (int n = 0; n < 4; ++n) rgba += std::string("\x59\x99\xee\xff", 4);
  write_file(".\\skindata\\SkinTemplate\\Images\\Other\\CS1Sample.png", png_image(2, 2, rgba));
  EXPECT_EQ(3, check_measured_colours(settings, unchanged).count);
}

}  // namespace
