// The built-in interpreter runs only where cmd.exe does not.
#ifndef _WIN32

#include "platform/interpreter.h"

#include <sys/stat.h>

#include <cstdlib>

#include "platform/test_folder.h"

namespace {

struct Output {
  std::string out;
  std::string err;
};

Output run(const std::string& line) {
  testing::internal::CaptureStdout();
  testing::internal::CaptureStderr();
  interpret_command_line(line.c_str());
  Output output;
  output.out = testing::internal::GetCapturedStdout();
  output.err = testing::internal::GetCapturedStderr();
  return output;
}

bool exists(const std::string& path) {
  return std::filesystem::exists(path);
}

// A stand-in for the image tool: reports its arguments and a few lines of
// which only some hold a "#".
void write_tool(const std::string& path) {
  write_file(path,
             "#!/bin/sh\n"
             "echo \"Image: $2\"\n"
             "echo \"  # arguments: $*\"\n"
             "echo \"  Colors: 1\"\n"
             "echo \"      100: (88,152,236) #5898EC srgb(88,152,236)\"\n"
             "echo \"  Rendering intent: Perceptual\"\n");
  chmod(path.c_str(), 0755);
}

const char kNotRecognized[] =
    " is not recognized as an internal or external command,\n"
    "operable program or batch file.\n";

class InterpreterTest : public TempFolderTest {};

TEST_F(InterpreterTest, ClearsASkinFolder) {
  Output quiet = run(R"(rmdir /S /Q ".\Korvel Dazo Blue" 1>NUL 2>NUL)");
  EXPECT_EQ(quiet.out, "");
  EXPECT_EQ(quiet.err, "");

  EXPECT_EQ(run(R"(rmdir /S /Q ".\Korvel Dazo Blue")").err,
            "The system cannot find the file specified.\n");
  EXPECT_EQ(run(R"(rmdir /S /Q ".\No Such\Folder")").err,
            "The system cannot find the path specified.\n");

  write_file("Korvel Dazo Blue/Images/Controls/CS1EnvA.png", "png");
  write_file("Korvel Dazo Blue/Scripts/Template.txt", "text");
  Output removed = run(R"(rmdir /S /Q ".\korvel dazo BLUE" 1>NUL 2>NUL)");
  EXPECT_EQ(removed.out + removed.err, "");
  EXPECT_FALSE(exists("Korvel Dazo Blue"));
}

TEST_F(InterpreterTest, CopiesATreeKeepingEmptyFoldersAndOverwriting) {
  write_file("skindata/SkinTemplate/Images/Controls/CS1EnvA.png", "template");
  write_file("skindata/SkinTemplate/Scripts/Template.txt", "script");
  std::filesystem::create_directories("skindata/SkinTemplate/Images/Animations/Empty");
  write_file("skindata/Knobs/Massive X Style/Images/Controls/CS1EnvA.png", "knob");

  Output copied = run(R"(xcopy /y /q /e ".\skindata\SkinTemplate" ".\My Skin\" >NUL)");
  EXPECT_EQ(copied.out + copied.err, "");
  EXPECT_EQ(read_file("My Skin/Images/Controls/CS1EnvA.png"), "template");
  EXPECT_EQ(read_file("My Skin/Scripts/Template.txt"), "script");
  EXPECT_TRUE(std::filesystem::is_directory("My Skin/Images/Animations/Empty"));

  // The overlay lands on the copy; a destination written in another case
  // reaches the same folders instead of making new ones.
  Output overlay =
      run(R"(xcopy /y /q /e ".\skindata\Knobs\Massive X Style\Images" ".\MY SKIN\images\")");
  EXPECT_EQ(overlay.out, "1 File(s) copied\n");
  EXPECT_EQ(overlay.err, "");
  EXPECT_EQ(read_file("My Skin/Images/Controls/CS1EnvA.png"), "knob");
  EXPECT_EQ(names_in("."), (std::vector<std::string>{"My Skin", "skindata"}));
  EXPECT_EQ(names_in("My Skin"), (std::vector<std::string>{"Images", "Scripts"}));

  Output missing = run(R"(xcopy /y /q /e ".\skindata\Knobs\No Style\Images" ".\My Skin\Images\")");
  EXPECT_EQ(missing.out, "0 File(s) copied\n");
  EXPECT_EQ(missing.err, "File not found - Images\n");
}

TEST_F(InterpreterTest, ClonesAnAnimationFolderAndRenamesItsImagesByPrefix) {
  const std::string source = "Korvel Dazo Custom/Images/Animations/KVL-CS1Knob-Bi/";
  for (const char* name : {"KVL-CS1Knob-Bi_0001.png", "KVL-CS1Knob-Bi_0002.png",
                           "kvl-cs1knob-bi_0003.PNG", "KVL-CS1Knob-Bi.txt", "Shadow.png"}) {
    write_file(source + name, name);
  }
  Output copied = run(
      R"(xcopy /y /q /e ".\Korvel Dazo Custom\Images\Animations\KVL-CS1Knob-Bi"  ".\Korvel Dazo Custom\Images\Animations\KVL-CS2Knob-Bi\" >NUL)");
  Output renamed = run(
      R"(ren ".\Korvel Dazo Custom\Images\Animations\KVL-CS2Knob-Bi\KVL-CS1Knob-Bi*.png"  "KVL-CS2Knob-Bi*.png" >NUL)");
  EXPECT_EQ(copied.out + copied.err + renamed.out + renamed.err, "");

  // The new name takes the ".png" of the destination, as on Windows.
  EXPECT_EQ(names_in("Korvel Dazo Custom/Images/Animations/KVL-CS2Knob-Bi"),
            (std::vector<std::string>{"KVL-CS1Knob-Bi.txt", "KVL-CS2Knob-Bi_0001.png",
                                      "KVL-CS2Knob-Bi_0002.png", "KVL-CS2Knob-Bi_0003.png",
                                      "Shadow.png"}));
  EXPECT_EQ(
      read_file("Korvel Dazo Custom/Images/Animations/KVL-CS2Knob-Bi/KVL-CS2Knob-Bi_0002.png"),
      "KVL-CS1Knob-Bi_0002.png");
  EXPECT_EQ(names_in(source).size(), 5u);

  EXPECT_EQ(
      run(R"(ren ".\Korvel Dazo Custom\Images\Animations\KVL-CS2Knob-Bi\Nothing*.png"  "Other*.png" >NUL)")
          .err,
      "The system cannot find the file specified.\n");
  EXPECT_EQ(
      run(R"(ren ".\Korvel Dazo Custom\Images\Animations\KVL-CS3Knob-Bi\KVL-CS1Knob-Bi*.png"  "KVL-CS3Knob-Bi*.png" >NUL)")
          .err,
      "The system cannot find the path specified.\n");
}

TEST_F(InterpreterTest, ClonesImageFilesToTheNewTagInTheSameFolder) {
  write_file("S k/Images/Controls/CS1EnvA.png", "a");
  write_file("S k/Images/Controls/cs1envB.png", "b");
  write_file("S k/Images/Controls/CS1Mod.png", "m");
  write_file("S k/Images/Icons/CS1Lock.png", "lock");

  Output quiet =
      run(R"(xcopy /y /q ".\S k\Images\Controls\CS1Env*"  ".\S k\Images\Controls\CS2Env*" >NUL)");
  EXPECT_EQ(quiet.out + quiet.err, "");
  EXPECT_EQ(names_in("S k/Images/Controls"),
            (std::vector<std::string>{"CS1EnvA.png", "CS1Mod.png", "CS2EnvA.png", "CS2EnvB.png",
                                      "cs1envB.png"}));
  EXPECT_EQ(read_file("S k/Images/Controls/CS2EnvB.png"), "b");

  EXPECT_EQ(run(R"(xcopy /y /q ".\S k\Images\Icons\CS1*"  ".\S k\Images\Icons\CS4*")").out,
            "1 File(s) copied\n");
  EXPECT_EQ(read_file("S k/Images/Icons/CS4Lock.png"), "lock");

  Output none =
      run(R"(xcopy /y /q ".\S k\Images\Panes\CS1KVL-T*"  ".\S k\Images\Panes\CS4KVL-T*")");
  EXPECT_EQ(none.out, "0 File(s) copied\n");
  EXPECT_EQ(none.err, "File not found - CS1KVL-T*\n");
}

TEST_F(InterpreterTest, CopiesAndDeletesFiles) {
  write_file("skindata/CS1preview.png", "new preview");
  write_file("skindata/temp/CS1preview.png", "old preview");
  Output preview = run(R"(copy /y .\skindata\CS1preview.png .\skindata\temp\CS1preview.png >NUL)");
  EXPECT_EQ(preview.out + preview.err, "");
  EXPECT_EQ(read_file("skindata/temp/CS1preview.png"), "new preview");

  write_file("My Skin/Scripts/Template.txt", "script");
  EXPECT_EQ(run(R"(copy /y ".\My Skin\Scripts\Template.txt" ".\My Skin\Scripts\Zebra2.txt")").out,
            "        1 file(s) copied.\n");
  Output deleted = run(R"(del ".\My Skin\Scripts\Template.txt")");
  EXPECT_EQ(deleted.out + deleted.err, "");
  EXPECT_EQ(names_in("My Skin/Scripts"), std::vector<std::string>{"Zebra2.txt"});
  EXPECT_EQ(read_file("My Skin/Scripts/Zebra2.txt"), "script");

  EXPECT_EQ(run(R"(del ".\My Skin\Scripts\Template.txt")").err,
            "Could Not Find " + folder_ + "/My Skin/Scripts/Template.txt\n");
  Output missing =
      run(R"(copy /y ".\My Skin\Scripts\Template.txt" ".\My Skin\Scripts\Zebra2.txt")");
  EXPECT_EQ(missing.out, "        0 file(s) copied.\n");
  EXPECT_EQ(missing.err, "The system cannot find the file specified.\n");
  Output no_folder = run(R"(copy /y ".\My Skin\Scripts\Zebra2.txt" ".\Gone\Zebra2.txt")");
  EXPECT_EQ(no_folder.out, "        0 file(s) copied.\n");
  EXPECT_EQ(no_folder.err, "The system cannot find the path specified.\n");

  // Wildcards delete files only; where Windows would ask, nothing goes
  // without /Q.
  write_file("Temp Files/a.tmp", "");
  write_file("Temp Files/B.TMP", "");
  write_file("Temp Files/keep.txt", "");
  std::filesystem::create_directories("Temp Files/sub.tmp");
  run(R"(del ".\Temp Files\*.tmp")");
  EXPECT_EQ(names_in("Temp Files"), (std::vector<std::string>{"keep.txt", "sub.tmp"}));
  EXPECT_EQ(run(R"(del ".\Temp Files")").out, folder_ + "/Temp Files/*, Are you sure (Y/N)? N\n");
  EXPECT_EQ(names_in("Temp Files"), (std::vector<std::string>{"keep.txt", "sub.tmp"}));
  run(R"(del /q ".\temp files")");
  EXPECT_EQ(names_in("Temp Files"), std::vector<std::string>{"sub.tmp"});
}

TEST_F(InterpreterTest, PipesAProgramThroughFindstrIntoAFile) {
  write_tool("skindata/identify");
  std::filesystem::create_directories("skindata/temp");
  Output measured = run(
      R"(.\skindata\identify -verbose ".\My Skin\Images\Other\CS1Sample.png" | findstr # > .\skindata\temp\CS1info.txt)");
  EXPECT_EQ(measured.out + measured.err, "");
  EXPECT_EQ(read_file("skindata/temp/CS1info.txt"),
            "  # arguments: -verbose ./My Skin/Images/Other/CS1Sample.png\n"
            "      100: (88,152,236) #5898EC srgb(88,152,236)\n");

  // A target right after ">" and a second run that overwrites the file.
  run(R"(.\skindata\identify -verbose plain | findstr Colors >.\skindata\temp\CS1info.txt)");
  EXPECT_EQ(read_file("skindata/temp/CS1info.txt"), "  Colors: 1\n");

  EXPECT_EQ(run(R"(.\skindata\identify a b | findstr Image)").out, "Image: b\n");
  EXPECT_EQ(run(R"(.\skindata\identify a b >nul)").out, "");
  Output no_folder = run(R"(.\skindata\identify x | findstr # > .\nowhere\CS1info.txt)");
  EXPECT_EQ(no_folder.err, "The system cannot find the path specified.\n");
  EXPECT_FALSE(exists("nowhere"));
}

TEST_F(InterpreterTest, AMissingProgramIsReportedAndTheRunGoesOn) {
  Output missing = run(
      R"(.\skindata\mogrify -quality 80 -type TrueColorAlpha -modulate 100,62.6,100 ".\S k\Images\Controls\CS1*.png")");
  EXPECT_EQ(missing.out, "");
  EXPECT_EQ(missing.err, std::string("'.\\skindata\\mogrify'") + kNotRecognized);
  EXPECT_EQ(run(R"(.\skindata\mogrify x 2>NUL)").err, "");

  write_file("skindata/mogrify", "not executable");
  EXPECT_EQ(run(R"(.\skindata\mogrify x)").err,
            std::string("'.\\skindata\\mogrify'") + kNotRecognized);
  EXPECT_EQ(run(R"("no such program" x)").err,
            std::string("'\"no such program\"'") + kNotRecognized);

  write_file("a.txt", "a");
  EXPECT_EQ(run(R"(copy /y .\a.txt .\b.txt)").out, "        1 file(s) copied.\n");
}

TEST_F(InterpreterTest, FindsNamesInAnotherLetterCase) {
  write_file("skindata/CS1preview.png", "preview");
  std::filesystem::create_directories("skindata/temp");
  write_tool("skindata/identify");

  run(R"(copy /y .\SKINDATA\cs1PREVIEW.png .\skindata\TEMP\CS1preview.png >NUL)");
  EXPECT_EQ(names_in("skindata/temp"), std::vector<std::string>{"CS1preview.png"});
  EXPECT_EQ(run(R"(.\SkinData\IDENTIFY a b | FINDSTR /I image)").out, "Image: b\n");
  run(R"(DEL .\skindata\temp\cs1preview.PNG)");
  EXPECT_TRUE(names_in("skindata/temp").empty());
}

TEST_F(InterpreterTest, MalformedLinesGiveAMessageOrNothing) {
  for (const char* line : {"", "   ", "\t"}) {
    Output blank = run(line);
    EXPECT_EQ(blank.out + blank.err, "") << "line: '" << line << "'";
  }
  EXPECT_EQ(run("| findstr x").err, "| was unexpected at this time.\n");
  EXPECT_EQ(run("copy a.txt >").err, "The syntax of the command is incorrect.\n");
  EXPECT_EQ(run("ren .\\a.txt").err, "The syntax of the command is incorrect.\n");
  EXPECT_EQ(run("findstr").err, "FINDSTR: Bad command line\n");
  Output xcopy = run("xcopy");
  EXPECT_EQ(xcopy.err, "Invalid number of parameters\n");
  EXPECT_EQ(xcopy.out, "0 File(s) copied\n");
  EXPECT_EQ(run(R"("")").err, std::string("'\"\"'") + kNotRecognized);

  // An unclosed quote runs to the end of the line, as in cmd.
  write_file("My Skin/a b.txt", "x");
  EXPECT_EQ(run(R"(del ".\My Skin\a b.txt)").err, "");
  EXPECT_FALSE(exists("My Skin/a b.txt"));
}

// Unsets a variable for the life of a test and puts it back afterwards.
struct UnsetVariable {
  explicit UnsetVariable(const char* name) : name(name) {
    const char* value = std::getenv(name);
    had_value = value != nullptr;
    if (had_value) saved = value;
    unsetenv(name);
  }
  ~UnsetVariable() {
    if (had_value) setenv(name, saved.c_str(), 1);
  }
  const char* name;
  bool had_value = false;
  std::string saved;
};

TEST_F(InterpreterTest, ClsAndImagesShowNothingWithoutATerminal) {
  UnsetVariable no_x11("DISPLAY");
  UnsetVariable no_wayland("WAYLAND_DISPLAY");
  write_file("skindata/temp/CS1preview.png", "not drawn");

  Output cls = run("cls");
  EXPECT_EQ(cls.out + cls.err, "");
  Output image = run(R"(.\skindata\temp\CS1preview.png)");
  EXPECT_EQ(image.out + image.err, "");
  EXPECT_EQ(run(R"(.\skindata\temp\CS2preview.png)").err,
            std::string("'.\\skindata\\temp\\CS2preview.png'") + kNotRecognized);
}

}  // namespace

#endif  // _WIN32
