// Palette files in the design menu, and builds without questions from a
// palette or a preset, through the real binary.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "settings/skin_settings.h"
#include "tests/test_support.h"

namespace {

namespace fs = std::filesystem;

// Made-up schemes in the shapes their tools write.
const char kMossNight[] =
    "system: \"base24\"\nname: \"Moss Night\"\nauthor: \"Ilse Moran\"\nvariant: \"dark\"\n"
    "palette:\n"
    "  base00: \"#121613\"\n  base01: \"#1c221d\"\n  base02: \"#2a322b\"\n  base03: \"#4b574d\"\n"
    "  base04: \"#7d8a7f\"\n  base05: \"#c3cdc4\"\n  base06: \"#dbe3dc\"\n  base07: \"#eef3ef\"\n"
    "  base08: \"#c2554d\"\n  base09: \"#c98a3e\"\n  base0A: \"#c7b25a\"\n  base0B: \"#5f9e4f\"\n"
    "  base0C: \"#4e9c94\"\n  base0D: \"#4f7fb8\"\n  base0E: \"#8e68b0\"\n  base0F: \"#9a6448\"\n"
    "  base10: \"#0d100e\"\n  base11: \"#080a08\"\n  base12: \"#e0736b\"\n  base13: \"#e0cd7a\"\n"
    "  base14: \"#7fbe6e\"\n  base15: \"#6dbcb3\"\n  base16: \"#6f9fd6\"\n  base17: \"#ad88cf\"\n";

const char kWal[] =
    "{\n    \"wallpaper\": \"/home/tess/Pictures/harbour.jpg\",\n    \"alpha\": \"100\",\n"
    "    \"special\": {\n        \"background\": \"#0f1418\",\n        \"foreground\": "
    "\"#d8dde2\",\n        \"cursor\": \"#d8dde2\"\n    },\n    \"colors\": {\n"
    "        \"color0\": \"#0f1418\",\n        \"color1\": \"#b5524a\",\n"
    "        \"color2\": \"#6f9a58\",\n        \"color3\": \"#c9a04e\",\n"
    "        \"color4\": \"#4a78b5\",\n        \"color5\": \"#8a5fa8\",\n"
    "        \"color6\": \"#4f9a9e\",\n        \"color7\": \"#d8dde2\",\n"
    "        \"color8\": \"#5a6470\",\n        \"color9\": \"#b5524a\",\n"
    "        \"color10\": \"#6f9a58\",\n        \"color11\": \"#c9a04e\",\n"
    "        \"color12\": \"#4a78b5\",\n        \"color13\": \"#8a5fa8\",\n"
    "        \"color14\": \"#4f9a9e\",\n        \"color15\": \"#d8dde2\"\n    }\n}\n";

const char kKiln[] =
    "GIMP Palette\r\nName: Kiln\r\nColumns: 4\r\n#\r\n 20  18  16\tSoot\r\n"
    "178  84  52\tBrick\r\n210 150  60\tOchre\r\n 96 120  70\tMoss\r\n 70 110 150\tSlate\r\n"
    "150  90 120\tPlum\r\n";

const char kReef[] =
    "// reef, picked from a photo\n#0b1e2d\n#2f8fb3\n#e07a5f\n#81b29a\n#f2cc8f\n#c75\n";

class PaletteRun : public EndToEndTest {
 protected:
  void SetUp() override {
    EndToEndTest::SetUp();
    if (IsSkipped()) return;
    write_file(presets_ + "/moss-night.yaml", kMossNight);
    write_file(presets_ + "/colors.json", kWal);
    write_file(presets_ + "/kiln.gpl", kKiln);
    write_file(presets_ + "/reef.hex", kReef);
    write_file(presets_ + "/broken.yaml", "name: \"Half\"\ncolors: [1, 2]\n");
    write_file(presets_ + "/Mine-v11b5.kvl", record_bytes(design_settings(kCustomSingle)));
  }

  // A build without questions, its input open and never answering; the
  // output ends with the exit status.
  std::string build(const std::string& arguments, const std::string& environment = "") {
    return run_script(workspace_.path(), "mkfifo never\n" + environment + " timeout 300 \"$BIN\" " +
                                             arguments + " 0<>never; echo \"exit $?\"\nrm never\n");
  }

  Workspace workspace_;
  ScratchFolder elsewhere_{false};  // files outside the working folder
  std::string presets_ = workspace_.path() + "/Presets";
};

TEST_F(PaletteRun, PalettesAreListedAfterThePresetsAndBuildWithOrWithoutQuestions) {
  WizardRun run = run_wizard_in(workspace_.path(), "8\n");
  EXPECT_EQ(0, run.exit_code) << run.output;
  EXPECT_NE(std::string::npos,
            run.output.find("broken.yaml cannot be used: no base00 to base0F keys.\n\n"
                            "1: STANDARD: Single color blue (default)\n2: STANDARD: Multicolor\n"
                            "3: CUSTOM: Single color\n4: CUSTOM: Multicolor\n5: PRESET: Mine\n"
                            "6: PALETTE: colors (pywal)\n7: PALETTE: Kiln (GIMP)\n"
                            "8: PALETTE: Moss Night (base24)\n9: PALETTE: reef (hex list)\n: "))
      << run.output;
  // base0D, then base0B as the modulators' colour: every question offers the palette's.
  EXPECT_NE(std::string::npos, run.output.find("(Default = 79): Green amount (0-255) (Default = "
                                               "127): Blue amount (0-255) (Default = 184)"));
  EXPECT_NE(std::string::npos, run.output.find("(Default = 95): Green amount (0-255) (Default = "
                                               "158): Blue amount (0-255) (Default = 79)"));
  EXPECT_NE(std::string::npos, run.output.find("Your skin is now ready.\n\nMove the Moss Night"));

  // The same file from elsewhere, without questions, gives the same skin.
  fs::copy_file(presets_ + "/moss-night.yaml", elsewhere_.path() + "/moss.yaml");
  std::string output = build("--build '" + elsewhere_.path() + "/moss.yaml' --name 'Moss Again'");
  EXPECT_TRUE(ends_with(output, "exit 0\n")) << output;
  EXPECT_NE(std::string::npos, output.find("Move the Moss Again folder")) << output;
  for (const char* asked : {"Red amount", "Press ENTER", "preview", "OVERALL SKIN DESIGN"}) {
    EXPECT_EQ(std::string::npos, output.find(asked)) << asked;
  }
  EXPECT_TRUE(tree_content(workspace_.path() + "/Moss Night") ==
              tree_content(workspace_.path() + "/Moss Again"));
}

TEST_F(PaletteRun, BuildsFromPresetsAndTellsWhatItCannotBuildByItsExitStatus) {
  const std::string outside = elsewhere_.path() + "/";
  write_file(outside + "Copper-v11b5.kvl", record_bytes(design_settings(kCustomMulti)));
  std::string output = build("--build '" + outside + "Copper-v11b5.kvl'");
  EXPECT_TRUE(ends_with(output, "exit 0\n")) << output;
  EXPECT_TRUE(fs::is_directory(workspace_.path() + "/Copper/Scripts"));

  write_file(workspace_.path() + "/old-v11b5.kvl", std::string(2000, '\0'));
  struct Refused {
    const char* arguments;
    const char* said;
  };
  for (Refused refused : {
           Refused{"--build missing.yaml",
                   "missing.yaml cannot be used: no such file, or no access to it.\n"},
           Refused{"--build old-v11b5.kvl",
                   "old-v11b5.kvl cannot be used: it is no preset of this version.\n"},
           Refused{"--build Presets/broken.yaml",
                   "Presets/broken.yaml cannot be used: no base00 to base0F keys.\n"},
           Refused{"--build Presets/Mine-v11b5.kvl --name 'a/b'",
                   "A skin name cannot hold \\ / : * ? \" < > | & % ^ # [ ] or control "
                   "characters.\n"},
       }) {
    EXPECT_EQ(std::string(refused.said) + "exit 1\n", build(refused.arguments))
        << refused.arguments;
  }
  EXPECT_EQ(std::vector<std::string>({"Copper", "Presets", "old-v11b5.kvl", "skindata"}),
            names_in(workspace_.path()));

  // Without a Themes folder the skin is built but not installed; with one,
  // it is installed there.
  output = build("--build Presets/reef.hex --install");
  EXPECT_TRUE(ends_with(output, "is in the working folder.\nexit 1\n")) << output;
  std::string themes = outside + "Themes";
  fs::create_directory(themes);
  output = build("--build Presets/reef.hex --install", "SKINBUILDER_THEMES=" + themes);
  EXPECT_TRUE(ends_with(output, "theme menu.\nexit 0\n")) << output;
  EXPECT_TRUE(tree_content(workspace_.path() + "/reef") == tree_content(themes + "/reef"));
}

}  // namespace
