#include "platform/interpreter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/paths.h"
#include "tests/test_support.h"

namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

std::string not_recognized(const std::string& program) {
  return "'" + program +
         "' is not recognized as an internal or external command,\n"
         "operable program or batch file.\n";
}

const char kFileNotFound[] = "The system cannot find the file specified.\n";
const char kPathNotFound[] = "The system cannot find the path specified.\n";

using InterpreterTest = ScratchFolderTest;

TEST_F(InterpreterTest, ClearsASkinFolder) {
  EXPECT_EQ(interpret(R"(rmdir /S /Q ".\Korvel Dazo Blue" 1>NUL 2>NUL)").both(), "");
  EXPECT_EQ(interpret(R"(rmdir /S /Q ".\Korvel Dazo Blue")").err, kFileNotFound);

  write_file("Korvel Dazo Blue/Images/Controls/CS1EnvA.png", "png");
  EXPECT_EQ(interpret(R"(rmdir /S /Q ".\korvel dazo BLUE" 1>NUL 2>NUL)").both(), "");
  EXPECT_FALSE(fs::exists("Korvel Dazo Blue"));
}

TEST_F(InterpreterTest, CopiesATreeKeepingEmptyFoldersAndOverwriting) {
  write_file("skindata/SkinTemplate/Images/Controls/CS1EnvA.png", "template");
  write_file("skindata/SkinTemplate/Scripts/Template.txt", "script");
  fs::create_directories("skindata/SkinTemplate/Images/Animations/Empty");
  write_file("skindata/Knobs/Massive X Style/Images/Controls/CS1EnvA.png", "knob");

  EXPECT_EQ(interpret(R"(xcopy /y /q /e ".\skindata\SkinTemplate" ".\My Skin\" >NUL)").both(), "");
  EXPECT_EQ(read_file("My Skin/Images/Controls/CS1EnvA.png"), "template");
  EXPECT_EQ(read_file("My Skin/Scripts/Template.txt"), "script");
  EXPECT_TRUE(fs::is_directory("My Skin/Images/Animations/Empty"));

  // The overlay lands on the copy; a destination written in another case
  // reaches the same folders instead of making new ones.
  EXPECT_EQ(
      interpret(R"(xcopy /y /q /e ".\skindata\Knobs\Massive X Style\Images" ".\MY SKIN\images\")")
          .both(),
      "1 File(s) copied\n");
  EXPECT_EQ(read_file("My Skin/Images/Controls/CS1EnvA.png"), "knob");
  EXPECT_EQ(names_in("."), (Names{"My Skin", "skindata"}));
  EXPECT_EQ(names_in("My Skin"), (Names{"Images", "Scripts"}));

  Printed missing = interpret(R"(xcopy /y /q /e ".\skindata\Knobs\No Style\Images" ".\My Skin\")");
  EXPECT_EQ(missing.out, "0 File(s) copied\n");
  EXPECT_EQ(missing.err, "File not found - Images\n");
}

TEST_F(InterpreterTest, ClonesAnAnimationFolderAndRenamesItsImagesByPrefix) {
  const std::string source = "Korvel Dazo Custom/Images/Animations/KVL-CS1Knob-Bi/";
  for (const char* name : {"KVL-CS1Knob-Bi_0001.png", "KVL-CS1Knob-Bi_0002.png",
                           "kvl-cs1knob-bi_0003.PNG", "KVL-CS1Knob-Bi.txt", "Shadow.png"}) {
    write_file(source + name, name);
  }
  const std::string animations = R"(".\Korvel Dazo Custom\Images\Animations\)";
  Printed copied = interpret("xcopy /y /q /e " + animations + "KVL-CS1Knob-Bi\"  " + animations +
                             "KVL-CS2Knob-Bi\\\" >NUL");
  Printed renamed = interpret(
      "ren " + animations + "KVL-CS2Knob-Bi\\KVL-CS1Knob-Bi*.png\"  \"KVL-CS2Knob-Bi*.png\" >NUL");
  EXPECT_EQ(copied.both() + renamed.both(), "");

  // The new name takes the ".png" of the destination, as on Windows.
  EXPECT_EQ(names_in("Korvel Dazo Custom/Images/Animations/KVL-CS2Knob-Bi"),
            (Names{"KVL-CS1Knob-Bi.txt", "KVL-CS2Knob-Bi_0001.png", "KVL-CS2Knob-Bi_0002.png",
                   "KVL-CS2Knob-Bi_0003.png", "Shadow.png"}));
  EXPECT_EQ(
      read_file("Korvel Dazo Custom/Images/Animations/KVL-CS2Knob-Bi/KVL-CS2Knob-Bi_0002.png"),
      "KVL-CS1Knob-Bi_0002.png");
  EXPECT_EQ(names_in(source).size(), 5u);
  EXPECT_EQ(
      interpret("ren " + animations + "KVL-CS3Knob-Bi\\KVL-CS1Knob-Bi*.png\"  \"x*.png\"").err,
      kPathNotFound);
}

TEST_F(InterpreterTest, ClonesImageFilesToTheNewTagInTheSameFolder) {
  write_file("S k/Images/Controls/CS1EnvA.png", "a");
  write_file("S k/Images/Controls/cs1envB.png", "b");
  write_file("S k/Images/Controls/CS1Mod.png", "m");

  EXPECT_EQ(
      interpret(
          R"(xcopy /y /q ".\S k\Images\Controls\CS1Env*"  ".\S k\Images\Controls\CS2Env*" >NUL)")
          .both(),
      "");
  EXPECT_EQ(names_in("S k/Images/Controls"),
            (Names{"CS1EnvA.png", "CS1Mod.png", "CS2EnvA.png", "CS2EnvB.png", "cs1envB.png"}));
  EXPECT_EQ(read_file("S k/Images/Controls/CS2EnvB.png"), "b");

  Printed none =
      interpret(R"(xcopy /y /q ".\S k\Images\Panes\CS1KVL-T*"  ".\S k\Images\Panes\CS4KVL-T*")");
  EXPECT_EQ(none.out, "0 File(s) copied\n");
  EXPECT_EQ(none.err, "File not found - CS1KVL-T*\n");
}

TEST_F(InterpreterTest, CopiesAndDeletesFiles) {
  write_file("skindata/CS1preview.png", "new preview");
  write_file("skindata/temp/CS1preview.png", "old preview");
  EXPECT_EQ(
      interpret(R"(copy /y .\skindata\CS1preview.png .\skindata\temp\CS1preview.png >NUL)").both(),
      "");
  EXPECT_EQ(read_file("skindata/temp/CS1preview.png"), "new preview");

  write_file("My Skin/Scripts/Template.txt", "script");
  const std::string scripts = R"(".\My Skin\Scripts\)";
  EXPECT_EQ(interpret("copy /y " + scripts + "Template.txt\" " + scripts + "Zebra2.txt\"").out,
            "        1 file(s) copied.\n");
  EXPECT_EQ(interpret("del " + scripts + "Template.txt\"").both(), "");
  EXPECT_EQ(names_in("My Skin/Scripts"), Names{"Zebra2.txt"});
  EXPECT_EQ(read_file("My Skin/Scripts/Zebra2.txt"), "script");

  EXPECT_EQ(interpret("copy /y " + scripts + "Template.txt\" " + scripts + "Zebra2.txt\"").both(),
            "        0 file(s) copied.\n" + std::string(kFileNotFound));
}

#ifndef _WIN32  // Wine takes some paths past MAX_PATH and not others
// A copy whose paths are longer than the system takes (here 4121 bytes
// against PATH_MAX) says so, and a tree copy into such a place is not
// taken for a copy into itself.
TEST_F(InterpreterTest, PathsTooLongForTheSystemAreNamedAsSuch) {
  std::string deep;
  for (int i = 0; i < 20; ++i) deep += std::string(200, 'd') + "\\";  // 4020 bytes
  fs::create_directories(local_path(deep));
  write_file("Skin/Images/" + std::string(100, 'i') + ".png", "image");
  std::string long_file = ".\\" + deep + std::string(100, 'f') + ".png";
  Printed copied =
      interpret("copy /y \".\\Skin\\Images\\" + std::string(100, 'i') + ".png\" \"" + long_file + "\"");
  EXPECT_EQ("The filename or extension is too long.\n", copied.err);
  Printed tree = interpret("xcopy /y /q /e \".\\Skin\" \".\\" + deep + "Skin\\\"");
  EXPECT_EQ("The filename or extension is too long.\n", tree.err);
  EXPECT_EQ(Names{"Skin"}, names_in(local_path(deep)));
}
#endif

TEST_F(InterpreterTest, PipesAProgramThroughFindstrIntoAFile) {
  install_stand_in("skindata/identify");
  fs::create_directories("skindata/temp");
  EXPECT_EQ(
      interpret(
          R"(.\skindata\identify -verbose ".\My Skin\Images\Other\CS1Sample.png" | findstr # > .\skindata\temp\CS1info.txt)")
          .both(),
      "");
  EXPECT_EQ(read_file("skindata/temp/CS1info.txt"),
            "      100: (88,152,236) #5898EC srgb(88,152,236)\n"
            "  # arguments: -verbose ./My Skin/Images/Other/CS1Sample.png\n");

  // A target right after ">" and a second run that overwrites the file.
  interpret(R"(.\skindata\identify -verbose plain | findstr Colors >.\skindata\temp\CS1info.txt)");
  EXPECT_EQ(read_file("skindata/temp/CS1info.txt"), "  Colors: 1\n");
  EXPECT_EQ(interpret(R"(.\skindata\identify x | findstr # > .\nowhere\CS1info.txt)").err,
            kPathNotFound);
  EXPECT_FALSE(fs::exists("nowhere"));
}

TEST_F(InterpreterTest, FindsNamesInAnotherLetterCase) {
  write_file("skindata/CS1preview.png", "preview");
  fs::create_directories("skindata/temp");
  install_stand_in("skindata/identify");

  interpret(R"(copy /y .\SKINDATA\cs1PREVIEW.png .\skindata\TEMP\CS1preview.png >NUL)");
  EXPECT_EQ(names_in("skindata/temp"), Names{"CS1preview.png"});
  EXPECT_EQ(interpret(R"(.\SkinData\IDENTIFY a b | FINDSTR /I image)").out, "Image: b\n");
  interpret(R"(DEL .\skindata\temp\cs1preview.PNG)");
  EXPECT_TRUE(names_in("skindata/temp").empty());
}

TEST_F(InterpreterTest, MissingProgramsAndMalformedLinesGiveAMessageOrNothing) {
  ScopedVariable no_imagemagick("PATH", folder_.path().c_str());
  const char* mogrify = R"(.\skindata\mogrify)";
  EXPECT_EQ(interpret(std::string(mogrify) + R"( -modulate 100,62.6,100 ".\S k\*.png")").both(),
            not_recognized(mogrify));
  EXPECT_EQ(interpret(std::string(mogrify) + " x 2>NUL").err, "");
  write_file("skindata/mogrify", "not executable");
  EXPECT_EQ(interpret(std::string(mogrify) + " x").err, not_recognized(mogrify));

  for (const char* line : {"", "   ", "\t"}) {
    EXPECT_EQ(interpret(line).both(), "") << "line: '" << line << "'";
  }
  EXPECT_EQ(interpret("| findstr x").err, "| was unexpected at this time.\n");
  EXPECT_EQ(interpret("copy a.txt >").err, "The syntax of the command is incorrect.\n");
  // An unclosed quote runs to the end of the line, as in cmd.
  write_file("My Skin/a b.txt", "x");
  EXPECT_EQ(interpret(R"(del ".\My Skin\a b.txt)").err, "");
  EXPECT_FALSE(fs::exists("My Skin/a b.txt"));
}

TEST_F(InterpreterTest, ClsAndImagesShowNothingWithoutATerminal) {
  ScopedVariable no_x11("DISPLAY", nullptr);
  ScopedVariable no_wayland("WAYLAND_DISPLAY", nullptr);
  write_file("skindata/temp/CS1preview.png", "not drawn");
  EXPECT_EQ(interpret("cls").both() + interpret(R"(.\skindata\temp\CS1preview.png)").both(), "");
  EXPECT_EQ(interpret(R"(.\skindata\temp\CS2preview.png)").err,
            not_recognized(R"(.\skindata\temp\CS2preview.png)"));
}

// The build counts on each line's exit status, as cmd's errorlevel gives it.
TEST_F(InterpreterTest, EachLineGivesItsExitStatus) {
  install_stand_in("tool");
  write_file("skin/Images/a.png", "png");
  struct Case {
    const char* line;
    bool succeeds;
  } cases[] = {
      {".\\tool 0", true},
      {".\\tool 3", false},
      {".\\tool 0 | findstr x", false},  // a pipe's status is its last stage's
      {".\\tool 3 | findstr #", false},
      {".\\missing -version >NUL 2>NUL", false},
      {"xcopy /y /q /e \".\\skin\" \".\\copy\\\" >NUL", true},
      {"xcopy /y /q \".\\skin\\Images\\none*\"  \".\\skin\\Images\\x*\" >NUL 2>NUL", false},
      {"copy /y .\\skin\\Images\\a.png .\\skin\\Images\\b.png >NUL", true},
      {"copy /y .\\skin\\Images\\z.png .\\skin\\Images\\b.png >NUL 2>NUL", false},
      {"ren \".\\skin\\Images\\b*.png\"  \"c*.png\" >NUL", true},
      {"del \".\\skin\\Images\\none.png\" 2>NUL", false},
      {".\\tool 0 > .\\nowhere\\file.txt 2>NUL", false},  // the output cannot be opened
      {"rmdir /S /Q \".\\copy\" 1>NUL 2>NUL", true},
  };
  for (const Case& c : cases) {
    int status = -1;
    stdout_of([&] { status = interpret_command_line(c.line); });
    EXPECT_EQ(c.succeeds, status == 0) << c.line << " gave " << status;
  }
  int status = -1;
  testing::internal::CaptureStderr();
  status = interpret_command_line(".\\missing");
  testing::internal::GetCapturedStderr();
  EXPECT_EQ(9009, status);  // cmd's status for a program it cannot start
}

}  // namespace
