#include "color/nearest_passing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tests/test_support.h"

namespace {

constexpr Rgb kTemplate = {89, 153, 238};
constexpr SampledColour kBackground = {true, {0x26, 0x26, 0x26}};

SkinLook look_of(float brightness = 0.0f, float contrast = 0.0f) {
  SkinSettings settings;
  init_settings(settings);
  if (brightness != 0.0f || contrast != 0.0f) settings.global_adjust = 2;
  settings.global_brightness = brightness;
  settings.global_contrast = contrast;
  return skin_look_of(settings, kTemplate);
}

bool reads_well(Rgb shown) {
  return reads_on_background(shown, kBackground.colour) && labels_read_on(shown);
}

double distance(Rgb one, Rgb two) {
  return ciede2000(srgb_to_lab(one), srgb_to_lab(two));
}

std::string text_of(Rgb c) {
  return std::to_string(c.red) + "," + std::to_string(c.green) + "," + std::to_string(c.blue);
}

// The nearest passing colour of the asked hue, checked against every
// fourth typed colour of that hue at the template's brightness: none of
// those that pass lies nearer the asked one, and where none is found, none
// of them passes. Nearness is in the typed amounts, as the global
// adjustments darken and flatten both alike.
TEST(NearestPassingTest, FindsThePassingColourNearestTheAskedOne) {
  const Rgb asked[] = {
      {221, 221, 221}, {60, 216, 134}, {233, 173, 92}, {60, 60, 70}, {255, 255, 0}};
  int found_count = 0;
  for (float brightness : {0.0f, 20.0f}) {
    SkinLook look = look_of(brightness, brightness);
    for (const Rgb& colour : asked) {
      SectionFind find = nearest_passing_section(look, {colour, kBackground, nullptr, 1.0});
      found_count += find.found;
      if (find.found) {
        EXPECT_TRUE(reads_well(find.predicted)) << text_of(find.predicted);
        EXPECT_TRUE(near_in_hue(colour, find.typed)) << text_of(find.typed);
        EXPECT_EQ(text_of(find.predicted), text_of(predicted_colour(look, find.typed)));
        EXPECT_EQ(238, std::max({find.typed.red, find.typed.green, find.typed.blue}));
        // Without global adjustments, asking for the colour to try gets
        // about it: the images' brightness is its own.
        if (brightness == 0.0f) {
          EXPECT_LT(distance(find.typed, find.predicted), 1.5);
        }
      }
      for (int channel = 0; channel < 3; ++channel) {
        for (int a = 0; a <= 238; a += 4) {
          for (int b = 0; b <= 238; b += 4) {
            Rgb typed = {a, b, 0};
            int* amounts[3] = {&typed.red, &typed.green, &typed.blue};
            *amounts[2] = *amounts[channel];
            *amounts[channel] = 238;
            if (!near_in_hue(colour, typed) || !reads_well(predicted_colour(look, typed))) continue;
            ASSERT_TRUE(find.found) << text_of(colour) << ": " << text_of(typed) << " passes";
            EXPECT_GE(distance(colour, typed), distance(colour, find.typed) - 0.5)
                << text_of(colour) << ": " << text_of(typed) << " is nearer than "
                << text_of(find.typed);
          }
        }
      }
    }
  }
  EXPECT_GE(found_count, 7);  // the green has none at the template's brightness
}

TEST(NearestPassingTest, NoneWhereNoColourOfTheModelPasses) {
  // Darkened to a tenth, nothing stands out on the dark background.
  SectionFind find =
      nearest_passing_section(look_of(-90.0f), {{0, 0, 255}, kBackground, nullptr, 1.0});
  EXPECT_FALSE(find.found);
  // Without the background check the same skin has colours that pass.
  EXPECT_TRUE(nearest_passing_section(look_of(-90.0f), {{0, 0, 255}, {}, nullptr, 1.0}).found);
  // A narrow band still counts: darkened and flattened, only some hues pass.
  find =
      nearest_passing_section(look_of(-40.0f, -30.0f), {{255, 255, 0}, kBackground, nullptr, 1.0});
  ASSERT_TRUE(find.found);
  EXPECT_TRUE(reads_well(find.predicted)) << text_of(find.predicted);
}

TEST(NearestPassingTest, KeepsClearOfTheSelectionAndMovesTheSelectionClear) {
  SkinLook look = look_of();
  SectionFind free = nearest_passing_section(look, {{221, 221, 221}, kBackground, nullptr, 1.0});
  ASSERT_TRUE(free.found);
  Rgb selection = free.predicted;
  SectionFind clear =
      nearest_passing_section(look, {{221, 221, 221}, kBackground, &selection, 1.0});
  ASSERT_TRUE(clear.found);
  EXPECT_TRUE(selection_stands_out(selection, clear.predicted));
  EXPECT_TRUE(reads_well(clear.predicted));

  Rgb shown[] = {{0xEE, 0xB0, 0x5D}, {0x42, 0xEE, 0x93}, {0xD8, 0x63, 0x3E}};
  Rgb moved;
  ASSERT_TRUE(nearest_distinct_selection({0xD8, 0x63, 0x3E}, shown, 3, moved));
  for (const Rgb& colour : shown) EXPECT_TRUE(selection_stands_out(moved, colour));
  EXPECT_LT(distance(moved, {0xD8, 0x63, 0x3E}), 13.0) << text_of(moved);
  // A selection already clear of every colour stays as it is.
  ASSERT_TRUE(nearest_distinct_selection({0, 0, 0}, shown, 3, moved));
  EXPECT_EQ("0,0,0", text_of(moved));
}

ReadabilityColours measured_palette(const SkinLook& look, const Rgb asked[4], Rgb selection) {
  ReadabilityColours colours = {};
  colours.section_count = 4;
  colours.background = kBackground;
  colours.selection = selection;
  for (int n = 0; n < 4; ++n) colours.sections[n] = {true, predicted_colour(look, asked[n])};
  return colours;
}

// The tool as the model says it works, at any global brightness.
ConfirmColour by_model_of(const SkinLook& look) {
  return {
      [look](int, Rgb typed, float brightness) {
        return SampledColour{true, predicted_colour(look_at_brightness(look, brightness), typed)};
      },
      [look](float brightness) {
        return SampledColour{
            true, globally_adjusted(look_at_brightness(look, brightness), kBackground.colour)};
      }};
}

// The report once every suggestion is typed, as the model says it looks.
std::string report_after_typing(const SkinLook& look, const Rgb asked[4],
                                const ReadabilityColours& helped) {
  Rgb typed[4];
  Rgb selection = helped.selection;
  for (int n = 0; n < 4; ++n) {
    const SectionHelp& help = helped.help[n];
    typed[n] = help.colour.kind == TryKind::kTry ? help.colour.colour : asked[n];
    if (help.selection.kind == TryKind::kTry) selection = help.selection.colour;
  }
  SkinLook typed_look = look;
  SampledColour background = kBackground;
  if (helped.brightness.suggested) {
    typed_look = look_at_brightness(look, helped.brightness.value);
    background.colour = globally_adjusted(typed_look, kBackground.colour);
  }
  ReadabilityColours after = measured_palette(typed_look, typed, selection);
  after.background = background;
  return stdout_of([&] { print_readability_report(after); });
}

// The default multicolour palette: three sections fail their labels.
const Rgb kDefaults[4] = {{87, 151, 236}, {233, 173, 92}, {60, 216, 134}, {221, 221, 221}};

TEST(NearestPassingTest, ColoursKeepTheirHueOrTheBrightnessMoves) {
  Rgb background = kBackground.colour;
  for (float now : {0.0f, -10.0f}) {
    SkinLook look = look_of(now);
    ReadabilityColours colours = measured_palette(look, kDefaults, {216, 99, 62});
    suggest_palette(&look, kDefaults, background, by_model_of(look), colours);
    // No green near the effects' carries white labels at the template's
    // brightness: the whole skin is darkened instead, a little.
    ASSERT_TRUE(colours.brightness.suggested) << now;
    EXPECT_EQ(now, colours.brightness.now);
    EXPECT_LT(colours.brightness.value, now);
    EXPECT_GE(colours.brightness.value, now - 40.0f);
    EXPECT_TRUE(colours.help[2].no_near_colour);
    EXPECT_EQ(TryKind::kNothing, colours.help[0].colour.kind);
    for (int n = 1; n < 4; ++n) {
      const ColourToTry& help = colours.help[n].colour;
      if (!section_colour_fails(colours, n + 1)) continue;  // the orange reads well at -10
      ASSERT_TRUE(help.kind == TryKind::kTry || help.kind == TryKind::kBrightness) << n;
      if (help.kind == TryKind::kTry) {
        EXPECT_TRUE(near_in_hue(kDefaults[n], help.colour)) << n;
      }
    }
    EXPECT_EQ("Colours read well.\n", report_after_typing(look, kDefaults, colours));
    std::string report = stdout_of([&] { print_readability_report(colours); });
    EXPECT_NE(
        std::string::npos,
        report.find("; no colour near it reads well at this brightness: try global brightness "))
        << report;
    EXPECT_EQ(now != 0.0f, report.find(" instead of -10") != std::string::npos) << report;
  }
  // A violet that only just stands out on the background would not on a
  // darker skin, and no lighter one carries white labels on the green: the
  // skin is darkened all the same, and the violets, which read well now,
  // get a lighter violet there on lines of their own.
  SkinLook plain = look_of();
  Rgb violet = {0, 0, 238};
  while (!reads_well(predicted_colour(plain, violet))) ++violet.red;
  const Rgb tight[4] = {violet, violet, kDefaults[2], violet};
  ReadabilityColours colours = measured_palette(plain, tight, {0, 0, 0});
  suggest_palette(&plain, tight, background, by_model_of(plain), colours);
  ASSERT_TRUE(colours.brightness.suggested);
  EXPECT_LT(colours.brightness.value, 0.0f);
  for (int n : {0, 1, 3}) {
    ASSERT_EQ(TryKind::kTry, colours.help[n].colour.kind) << n;
    EXPECT_TRUE(near_in_hue(violet, colours.help[n].colour.colour)) << n;
  }
  EXPECT_EQ("Colours read well.\n", report_after_typing(plain, tight, colours));
  std::string report = stdout_of([&] { print_readability_report(colours); });
  char line[128];
  std::snprintf(line, sizeof line,
                "GENERATORS: %s reads well at this brightness; at global brightness %g, try ",
                hex_of(predicted_colour(plain, violet)).digits,
                static_cast<double>(colours.brightness.value));
  EXPECT_EQ(0u, report.find(line)) << report;
  EXPECT_EQ(1u, count_of(report, "EFFECTS: white labels on 42EE93 buttons 1.5:1")) << report;

  // Flattened towards middle grey, no colour stands out on the background
  // at any brightness: the lines say so, and no colour of another hue is
  // offered.
  SkinLook flat = look_of(0.0f, -60.0f);
  colours = measured_palette(flat, kDefaults, {0, 0, 0});
  colours.background.colour = globally_adjusted(flat, background);
  suggest_palette(&flat, kDefaults, background, by_model_of(flat), colours);
  EXPECT_FALSE(colours.brightness.suggested);
  EXPECT_EQ(4u, count_of(stdout_of([&] { print_readability_report(colours); }),
                         "hard to see (aim for 3:1 or more); no colour near it reads well at any "
                         "global brightness\n"));

  // Where a colour of the hue reads well, it is offered, and no brightness.
  SkinLook look = plain;
  const Rgb blues[4] = {{87, 151, 236}, {200, 220, 255}, {87, 151, 236}, {87, 151, 236}};
  colours = measured_palette(look, blues, {216, 99, 62});
  suggest_palette(&look, blues, background, by_model_of(look), colours);
  EXPECT_FALSE(colours.brightness.suggested);
  ASSERT_EQ(TryKind::kTry, colours.help[1].colour.kind);
  EXPECT_TRUE(near_in_hue(blues[1], colours.help[1].colour.colour));
  EXPECT_EQ("Colours read well.\n", report_after_typing(look, blues, colours));
}

TEST(NearestPassingTest, TheSelectionIsPlacedAmongTheColoursToTry) {
  SkinLook look = look_of();
  ConfirmColour by_model = by_model_of(look);
  Rgb background = kBackground.colour;
  const Rgb* defaults = kDefaults;

  // The selection on the generators' colour, which itself passes: only the
  // selection moves.
  Rgb selection = predicted_colour(look, defaults[0]);
  ReadabilityColours colours = measured_palette(look, defaults, selection);
  suggest_palette(&look, defaults, background, by_model, colours);
  EXPECT_EQ(TryKind::kNothing, colours.help[0].colour.kind);
  EXPECT_EQ(TryKind::kTry, colours.help[0].selection.kind);
  EXPECT_EQ("Colours read well.\n", report_after_typing(look, defaults, colours));

  // The selection on a failing colour: moving that colour may be enough.
  selection = predicted_colour(look, defaults[3]);
  colours = measured_palette(look, defaults, selection);
  suggest_palette(&look, defaults, background, by_model, colours);
  TryKind selection_help = colours.help[3].selection.kind;
  EXPECT_TRUE(selection_help == TryKind::kSectionFixes || selection_help == TryKind::kTry);
  EXPECT_EQ("Colours read well.\n", report_after_typing(look, defaults, colours));
  EXPECT_NE(std::string::npos, stdout_of([&] { print_readability_report(colours); }).find("try "));
}

TEST(NearestPassingTest, NothingUnconfirmedIsSuggested) {
  SkinLook look = look_of();
  const Rgb asked[4] = {{87, 151, 236}, {87, 151, 236}, {87, 151, 236}, {221, 221, 221}};
  int calls = 0;
  // A tool that always shows white: no prediction holds.
  ConfirmColour white = {[&](int, Rgb, float) {
                           ++calls;
                           return SampledColour{true, {255, 255, 255}};
                         },
                         [](float) { return kBackground; }};
  Rgb background = kBackground.colour;
  ReadabilityColours colours = measured_palette(look, asked, {0, 0, 0});
  suggest_palette(&look, asked, background, white, colours);
  EXPECT_GE(calls, 2);  // margins widen until another colour is found to try
  EXPECT_LE(calls, 3);
  EXPECT_EQ(TryKind::kUnconfirmed, colours.help[3].colour.kind);
  EXPECT_EQ(
      "GLOBALS: white labels on EEEDED buttons 1.2:1, hard to read (aim for 2:1 or more); no "
      "colour to try could be confirmed with the image tool\n",
      stdout_of([&] { print_readability_report(colours); }));

  // Darkened to a tenth, no colour reads well at that brightness; a
  // lighter one is worked out, and not confirmed either.
  SkinLook dark = look_of(-90.0f);
  colours = measured_palette(dark, asked, {0, 0, 0});
  calls = 0;
  suggest_palette(&dark, asked, background, white, colours);
  EXPECT_GE(calls, 1);
  EXPECT_FALSE(colours.brightness.suggested);
  EXPECT_EQ(TryKind::kUnconfirmed, colours.help[0].colour.kind);

  // Without the template's colour no section colour is predicted, while the
  // selection is still placed among the measured colours.
  colours = measured_palette(look, asked, predicted_colour(look, asked[0]));
  suggest_palette(nullptr, asked, background, white, colours);
  EXPECT_EQ(TryKind::kUnconfirmed, colours.help[3].colour.kind);
  EXPECT_EQ(TryKind::kTry, colours.help[0].selection.kind);
}

}  // namespace
