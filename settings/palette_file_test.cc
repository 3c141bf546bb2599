#include "settings/palette_file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "tests/test_support.h"

namespace {

PaletteRead read_text(const std::string& text, const std::string& file_name) {
  return read_palette_bytes(text.data(), text.size(), file_name);
}

std::string hex(const PaletteColor& color) {
  char text[8];
  std::snprintf(text, sizeof text, "%02x%02x%02x", color.red, color.green, color.blue);
  return text;
}

// The five colours as CS1 CS2 CS3 CS4 SEL.
std::string colors_of(const PaletteRead& read) {
  std::string text;
  for (const PaletteColor& color : read.palette.colors)
    text += (text.empty() ? "" : " ") + hex(color);
  return text;
}

// Expects a usable palette of this name, format and colours.
void expect_palette(const PaletteRead& read, const char* name, PaletteFormat format,
                    const char* colors) {
  ASSERT_TRUE(read.usable) << read.reason;
  EXPECT_EQ(name, read.palette.name);
  EXPECT_EQ(format, read.palette.format);
  EXPECT_EQ(colors, colors_of(read));
}

const char kFlatScheme[] =
    "# Harbour Dusk, made up for these tests\n"
    "scheme: \"Harbour Dusk\"\n"
    "author: \"Tess Varo (https://example.org/tess)\"\n"
    "base00: \"1b1d24\"\nbase01: \"252832\"\nbase02: 31353f\nbase03: '5c6170'\n"
    "base04: \"8b90a0\"\nbase05: \"c4c8d4\"\nbase06: \"dde0e8\"\nbase07: \"f2f3f7\"\n"
    "base08: \"d9545d\"\n"
    "base09: \"e5894a\"  # orange\n"
    "base0A: \"e0c06a\"\nbase0B: \"7fbf6a\"\n"
    "base0C: #5FB8C2\n"
    "base0d: \"5a8fd8\"\nbase0E: \"a77ad0\"\nbase0F: \"b06a4f\"\n";

TEST(PaletteFileTest, Base16SchemesInBothFormsGiveTheirMeaningfulColours) {
  expect_palette(read_text(kFlatScheme, "harbour-dusk.yaml"), "Harbour Dusk",
                 PaletteFormat::kBase16, "5a8fd8 7fbf6a a77ad0 5fb8c2 e5894a");
  // The newer form, as saved by an editor on Windows: a byte order mark and
  // CRLF line endings.
  const char newer[] =
      "\xEF\xBB\xBFsystem: \"base16\"\r\nname: \"Quarry Light\"\r\nauthor: \"Ilse Moran\"\r\n"
      "variant: \"light\"\r\npalette:\r\n"
      "  base00: \"#f4f1ea\"\r\n  base01: \"#e6e1d6\"\r\n  base02: \"#d3ccbd\"\r\n"
      "  base03: \"#a39a88\"\r\n  base04: \"#7a7263\"\r\n  base05: \"#4d473d\"\r\n"
      "  base06: \"#36312a\"\r\n  base07: \"#221f1a\"\r\n  base08: \"#b8433b\"\r\n"
      "  base09: \"#c2702a\"\r\n  base0A: \"#a8871c\"\r\n  base0B: \"#5d8a2e\"\r\n"
      "  base0C: \"#2f8a86\"\r\n  base0D: \"#3566a8\"\r\n  base0E: \"#7d4fa3\"\r\n"
      "  base0F: \"#8f5a3c\"\r\n";
  expect_palette(read_text(newer, "Presets/quarry.yml"), "Quarry Light", PaletteFormat::kBase16,
                 "3566a8 5d8a2e 7d4fa3 2f8a86 c2702a");
  // Without base09 the selection is base0A; without a name, the file's.
  std::string unnamed = kFlatScheme;
  unnamed.erase(unnamed.find("scheme:"), unnamed.find("author:") - unnamed.find("scheme:"));
  unnamed.erase(unnamed.find("base09:"), unnamed.find("base0A:") - unnamed.find("base09:"));
  expect_palette(read_text(unnamed, "C:\\Themes\\harbour.dusk.yaml"), "harbour.dusk",
                 PaletteFormat::kBase16, "5a8fd8 7fbf6a a77ad0 5fb8c2 e0c06a");
}

TEST(PaletteFileTest, Base24SchemesAreToldApart) {
  std::string scheme = std::string(kFlatScheme) +
                       "base10: \"15171d\"\nbase11: \"0f1116\"\nbase12: \"ff6b73\"\n"
                       "base13: \"f2d488\"\nbase14: \"9ad98a\"\nbase15: \"80d4de\"\n"
                       "base16: \"7eaaf0\"\nbase17: \"c49ae8\"\n";
  PaletteRead read = read_text(scheme, "dusk24.yaml");
  expect_palette(read, "Harbour Dusk", PaletteFormat::kBase24,
                 "5a8fd8 7fbf6a a77ad0 5fb8c2 e5894a");
  EXPECT_STREQ("base24", palette_format_label(read.palette.format));
}

TEST(PaletteFileTest, PywalColoursJsonGivesTheTerminalColours) {
  const char json[] =
      "{\n"
      "    \"wallpaper\": \"/home/tess/Pictures/\\\"dunes\\\" \\u00e9t\\u00e9.jpg\",\n"
      "    \"alpha\": \"100\",\n"
      "    \"checksum\": [12, -3.5e2, true, false, null, {\"nested\": []}],\n"
      "    \"special\": {\"background\": \"#16130f\", \"foreground\": \"#e8dcc8\","
      " \"cursor\": \"#e8dcc8\"},\n"
      "    \"colors\": {\n"
      "        \"color0\": \"#16130f\", \"color1\": \"#a8553a\", \"color2\": \"#7c8f4e\",\n"
      "        \"color3\": \"#c9953f\", \"color4\": \"#4f6f8f\", \"color5\": \"#8a5a7a\",\n"
      "        \"color6\": \"#5a8f86\", \"color7\": \"#e8dcc8\", \"color8\": \"#5e5548\",\n"
      "        \"color9\": \"#a8553a\", \"color10\": \"#7c8f4e\", \"color11\": \"#c9953f\",\n"
      "        \"color12\": \"#4f6f8f\", \"color13\": \"#8a5a7a\", \"color14\": \"#5a8f86\",\n"
      "        \"color15\": \"#e8dcc8\"\n"
      "    }\n"
      "}\n";
  expect_palette(read_text(json, "/home/tess/.cache/wal/colors.json"), "colors",
                 PaletteFormat::kPywal, "4f6f8f 7c8f4e 8a5a7a 5a8f86 c9953f");
}

TEST(PaletteFileTest, ListsSkipTheBackgroundShadesAndKeepFileOrder) {
  const char gimp[] =
      "GIMP Palette\nName: Reed Marsh\nColumns: 4\n#\n# invented for the tests\n"
      " 20  22  24\tInk\n240 238 232\tPaper\n 74 120  88\tReed\n128 128 128\tMid grey\n"
      "196  94  62\tRust\n 66 104 160 Lake blue\n 0 0 0\n218 176  64\tOchre\n 90  60 120\n";
  expect_palette(read_text(gimp, "reed.gpl"), "Reed Marsh", PaletteFormat::kGimp,
                 "4a7858 808080 c45e3e 4268a0 dab040");
  const char list[] =
      "\xEF\xBB\xBF// Clay Studio\r\n#1A1A1A\r\n#f5f5f5\r\n\r\n#c65\r\n3f7d9a  Lake\r\n; spare\r\n"
      "# favourites below\r\n#8a5fb0\r\n#E2B04A\r\n#4fa86b sage\r\n#123456\r\n";
  expect_palette(read_text(list, "clay studio.txt"), "clay studio", PaletteFormat::kHexList,
                 "cc6655 3f7d9a 8a5fb0 e2b04a 4fa86b");
}

TEST(PaletteFileTest, NamesArePrintableAndShort) {
  std::string gimp = "GIMP Palette\nName: \x1b[2J" + std::string(80, 'x') +
                     "\n1 2 200\n200 1 2\n2 200 1\n200 200 1\n1 200 200\n";
  PaletteRead read = read_text(gimp, "a.gpl");
  ASSERT_TRUE(read.usable) << read.reason;
  EXPECT_EQ("?[2J" + std::string(kPaletteNameSize - 4, 'x'), read.palette.name);
}

TEST(PaletteFileTest, FilesThatCannotBeUsedSayWhy) {
  const std::string five = "#aa3322\n#33aa22\n#2233aa\n#aaaa22\n#22aaaa\n";
  std::string deep = "{\"colors\": {}, \"x\": " + std::string(40, '[');
  struct Case {
    std::string bytes;
    const char* file_name;
    const char* reason;
  } cases[] = {
      {"", "a.txt", "the file is empty"},
      {std::string(kPaletteReadLimit + 1, '#'), "a.txt", "larger than 1 MiB"},
      {std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), "a.hex", "not a text file"},
      {"\xFF\xFE#\0a\0", "a.txt", "UTF-16 text; save it as UTF-8"},
      {"Some notes about my themes.\n" + five, "notes.txt", "not a palette file"},
      {"title: My theme\ncolors: many\n", "theme.yaml", "no base00 to base0F keys"},
      {"scheme: \"Empty\"\nauthor: \"Nobody\"\n", "x.txt", "no base00 to base0F keys"},
      {"base0B: 112233\nbase0D: \"zz1234\"\n", "x.yaml", "base0D is not a colour: \"zz1234\""},
      {"base0B: 112233\nbase0E: 112233\nbase0C: 112233\nbase09: 112233\n", "x.yaml",
       "base0D is missing"},
      {"base0D: 1\nbase0B: 1\nbase0E: 1\nbase0C: 1\n", "x.yaml", "base0D is not a colour: \"1\""},
      {"{\"colors\": {\"color4\": \"#4f6f8f\", \"color2\": \"#7c", "colors.json",
       "the JSON ends too early"},
      {"{\"colors\": {}}\n}", "colors.json", "not valid JSON (line 2)"},
      {"{\"colors\": {\"color1\": \"a\tb\"}}", "colors.json", "not valid JSON (line 1)"},
      {"{\"colors\": {\"color4\": \"#12345g\"}}", "c.json", "color4 is not a colour: \"#12345g\""},
      {"{\"colors\": {\"color4\": \"#123456\"}}", "c.json", "color2 is missing"},
      {"{\"special\": {\"colors\": {}}}", "c.json", "no \"colors\" object"},
      {deep, "c.json", "JSON nested deeper than 32 levels"},
      {"[1, 2]", "c.json", "not a JSON object"},
      {"GIMP Palette\n10 20 30\n300 0 0 Too red\n", "a.gpl",
       "line 3 is not a colour: \"300 0 0 Too red\""},
      {"Name: Forgot the header\n10 20 30\n", "a.gpl", "no \"GIMP Palette\" first line"},
      {"GIMP Palette\n0 0 0\n255 255 255\n200 0 0\n0 200 0\n0 0 200\n", "a.gpl",
       "only 3 colours besides near-black and near-white greys; 5 are needed"},
      {"GIMP Palette\nName: None\n", "a.gpl", "no colours"},
      {"#aa3322\n#33aa2\n", "a.hex", "line 2 is not a colour code: \"#33aa2\""},
      {five + "#" + std::string(40, 'f') + "\n", "a.hex",
       "line 6 is not a colour code: \"#fffffffffffffffffffffff...\""},
  };
  for (const Case& c : cases) {
    PaletteRead read = read_text(c.bytes, c.file_name);
    EXPECT_FALSE(read.usable) << c.reason;
    EXPECT_EQ(c.reason, read.reason);
  }
}

TEST(PaletteFileTest, ApplyingSetsTheFiveColoursAndTheMulticolourDesign) {
  SkinSettings settings = design_settings(kStandardSingle);
  settings.knob_style = 7;
  PaletteRead read = read_text(kFlatScheme, "dusk.yaml");
  apply_palette(read.palette, settings);
  EXPECT_EQ(kCustomMulti, settings.design_choice);
  EXPECT_EQ(0x5a, settings.cs1.red);
  EXPECT_EQ(0xbf, settings.cs2.green);
  EXPECT_EQ(0xd0, settings.cs3.blue);
  EXPECT_EQ(0x5f, settings.cs4.red);
  EXPECT_EQ(0xe5, settings.sel_red);
  EXPECT_EQ(0x89, settings.sel_green);
  EXPECT_EQ(0x4a, settings.sel_blue);
  EXPECT_EQ(7, settings.knob_style);
}

TEST(PaletteFileTest, CandidatesGoByExtension) {
  for (const char* name : {"a.yaml", "B.YML", "colors.json", "x.Gpl", "list.txt", "lospec.hex"}) {
    EXPECT_TRUE(is_palette_candidate(name)) << name;
  }
  for (const char* name : {"Ocean-v11b5.kvl", "yaml", "a.yaml.bak", "notes.md", ".hex.png"}) {
    EXPECT_FALSE(is_palette_candidate(name)) << name;
  }
}

class PaletteFileReadTest : public ScratchFolderTest {};

TEST_F(PaletteFileReadTest, OnlyRegularFilesUpToTheLimitAreRead) {
  write_file("dusk.yaml", kFlatScheme);
  expect_palette(read_palette_file("dusk.yaml"), "Harbour Dusk", PaletteFormat::kBase16,
                 "5a8fd8 7fbf6a a77ad0 5fb8c2 e5894a");
  write_file("big.txt", "#aa3322\n" + std::string(kPaletteReadLimit, '\n'));
  EXPECT_EQ("larger than 1 MiB", read_palette_file("big.txt").reason);
  std::filesystem::create_directory("folder.json");
  EXPECT_EQ("not a regular file", read_palette_file("folder.json").reason);
  EXPECT_EQ("no such file, or no access to it", read_palette_file("missing.gpl").reason);
}

}  // namespace
