#include "color/colour_model.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "color/modulation.h"
#include "tests/test_support.h"

namespace {

struct Adjustments {
  float brightness, contrast, saturation, hue;
};

std::string printed(const char* format, double a, double b = 0, double c = 0, double d = 0) {
  char text[256];
  std::snprintf(text, sizeof text, format, a, b, c, d);
  return text;
}

// The tool's own commands on a copy of the sample, as the build runs them.
std::string commands_for(const std::string& file, Rgb typed, const Adjustments* global) {
  SkinSettings settings;
  init_settings(settings);
  settings.cs1 = SectionColor{typed.red, typed.green, typed.blue, 0.0f, 0.0f};
  compute_modulation(settings);
  SectionArgs section = section_modulate_args(settings.cs1);
  std::string common =
      " && /usr/bin/mogrify -quality 80 -type TrueColorAlpha -define "
      "modulate:colorspace=HSB ";
  std::string line =
      common + printed("-modulate 100,%f,%f ", section.saturation, section.hue) + file;
  if (global == nullptr) return line;
  settings.global_brightness = global->brightness;
  settings.global_contrast = global->contrast;
  settings.global_saturation = global->saturation;
  settings.global_hue = global->hue;
  GlobalArgs args = global_modulate_args(settings);
  return line + common +
         printed("-colorspace sRGB -modulate %f,%f,%f -brightness-contrast 0x%f ", args.brightness,
                 args.saturation, args.hue, args.contrast) +
         file;
}

Rgb predicted_for(Rgb template_colour, Rgb typed, const Adjustments* global) {
  SkinSettings settings;
  init_settings(settings);
  if (global != nullptr) {
    settings.global_adjust = 2;
    settings.global_brightness = global->brightness;
    settings.global_contrast = global->contrast;
    settings.global_saturation = global->saturation;
    settings.global_hue = global->hue;
  }
  return predicted_colour(skin_look_of(settings, template_colour), typed);
}

Rgb rgb_of_hex(const std::string& hex) {
  unsigned r = 0, g = 0, b = 0;
  std::sscanf(hex.c_str(), "%2x%2x%2x", &r, &g, &b);
  return {static_cast<int>(r), static_cast<int>(g), static_cast<int>(b)};
}

// The template's sample recoloured by the real tool for a spread of typed
// colours (primaries, greys, black and white, amounts beyond the scale, hues
// on both sides of the template's), alone and followed by global commands
// (none at all, the ends of every scale): the model is never more than one
// step off in any channel.
TEST(ColourModelTest, PredictsTheImageToolForASpreadOfColours) {
  if (small_skindata().empty() || !std::filesystem::exists("/usr/bin/mogrify"))
    GTEST_SKIP() << "no generated template or no ImageMagick tools";
  const std::string sample = small_skindata() + "/SkinTemplate/Images/Other/CS1Sample.png";
  Rgb template_colour = rgb_of_hex(measured_colour(sample));
  const Rgb typed[] = {{255, 0, 0},    {0, 255, 0},     {0, 0, 255},     {255, 255, 0},
                       {0, 255, 255},  {255, 0, 255},   {87, 151, 236},  {60, 60, 70},
                       {0, 0, 0},      {255, 255, 255}, {128, 128, 128}, {200, 200, 50},
                       {233, 173, 92}, {60, 216, 134},  {12, 34, 56},    {250, 128, 114},
                       {300, -5, 40},  {1, 199, 238},   {140, 20, 200},  {90, 180, 120}};
  const Adjustments globals[] = {{0, 0, 0, 0},       {-20, 0, 0, 0},           {10, -20, 0, 50},
                                 {30, 40, -50, -30}, {-100, 0, 0, 0},          {100, 100, 100, 100},
                                 {0, -100, 0, 0},    {-45.5f, 12.25f, 80, -99}};
  ScratchFolder folder;
  std::string script = "true", files;
  struct Case {
    Rgb typed;
    const Adjustments* global;
  };
  std::vector<Case> cases;
  for (const Rgb& colour : typed) cases.push_back({colour, nullptr});
  for (size_t i = 0; i < std::size(globals); ++i) {
    for (size_t j = i; j < std::size(typed); j += 3) cases.push_back({typed[j], &globals[i]});
  }
  for (size_t i = 0; i < cases.size(); ++i) {
    std::string file = "case" + std::to_string(i) + ".png";
    std::filesystem::copy_file(sample, folder.path() + "/" + file);
    script += commands_for(file, cases[i].typed, cases[i].global);
    files += " " + file;
  }
  std::istringstream measured(
      command_output(script + " && /usr/bin/identify -format '%[hex:p{0,0}]\\n'" + files));
  for (const Case& c : cases) {
    std::string hex;
    ASSERT_TRUE(std::getline(measured, hex));
    Rgb tool = rgb_of_hex(hex);
    Rgb model = predicted_for(template_colour, c.typed, c.global);
    std::string what = std::to_string(c.typed.red) + "," + std::to_string(c.typed.green) + "," +
                       std::to_string(c.typed.blue) + (c.global ? " adjusted" : "");
    EXPECT_LE(std::abs(tool.red - model.red), 1) << what << ": tool " << hex;
    EXPECT_LE(std::abs(tool.green - model.green), 1) << what << ": tool " << hex;
    EXPECT_LE(std::abs(tool.blue - model.blue), 1) << what << ": tool " << hex;
  }
}

TEST(ColourModelTest, ArgumentsAreReadAsTheCommandsPrintThem) {
  const float values[] = {100.855583f, 0.148933f,   -19.0f, 159.744415f, 0.0000005f,
                          0.0000015f,  -0.0000025f, 1e-7f,  123456.789f, 3.0e20f};
  for (float value : values) {
    char text[64];
    std::snprintf(text, sizeof text, "%f", static_cast<double>(value));
    EXPECT_EQ(std::strtod(text, nullptr), as_printed(value)) << text;
  }
  // The step the tool takes in 8 bits: 16-bit results are cut, not rounded.
  EXPECT_EQ(127, modulate_hsb({89, 153, 238}, 100.0, 142.981110, 31.574715).red);
}

}  // namespace
