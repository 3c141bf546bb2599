// What a user meets off the happy path, through the real binary: a working
// folder that lacks something, a full disk, a folder of the skin's name
// that is not a skin, Ctrl-C at a question, two builds at once, answers
// saved on Windows (failing tools: faulty_tool_test.cc; Ctrl-C in a build:
// crash_recovery_test.cc). Each ends with a short true message and the
// right exit status, and nothing of the user's is lost.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "tests/test_support.h"

namespace fs = std::filesystem;

namespace {

const char kFinish[] = "\n\nPress ENTER to finish.\n";

using StartUpCheck = EndToEndTest;

TEST_F(StartUpCheck, AMissingPieceIsToldBeforeAnyQuestionAndNothingIsCreated) {
  struct Case {
    const char* what;
    void (*spoil)(const std::string& workspace);
    const char* message;
  } cases[] = {
      {"no template",
       [](const std::string& ws) { fs::remove_all(ws + "/skindata/SkinTemplate/Scripts"); },
       "skindata/SkinTemplate is missing or incomplete (it needs Images and "
       "Scripts/Template.txt): put back the skindata folder the program came with."},
      {"no ImageMagick",
       [](const std::string& ws) {
         wrap_tool(ws, "identify", "echo 'identify: ImageMagick is not installed' >&2\nexit 127\n");
       },
       "ImageMagick is not installed: install it (on Debian or Ubuntu: sudo apt-get install "
       "imagemagick), then start the program again."},
      {"temp is a file",
       [](const std::string& ws) {
         fs::remove_all(ws + "/skindata/temp");
         write_file(ws + "/skindata/temp", "");
       },
       "skindata/temp is not a folder: remove or rename that file, then start the program "
       "again."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Workspace workspace;
    fs::remove_all(workspace.path() + "/skindata/temp");
    c.spoil(workspace.path());
    auto before = tree_content(workspace.path());
    WizardRun run = run_wizard_in(workspace.path(), "1\n");
    EXPECT_EQ(1, run.exit_code);
    EXPECT_EQ(c.message + std::string(kFinish), run.output);
    EXPECT_TRUE(before == tree_content(workspace.path()));
  }
  // With everything else there, a missing skindata\temp is made and the run goes on.
  Workspace workspace;
  fs::remove_all(workspace.path() + "/skindata/temp");
  WizardRun run = run_wizard_in(workspace.path(), "1\n");
  EXPECT_EQ(0, run.exit_code) << run.output;
  EXPECT_TRUE(fs::is_directory(workspace.path() + "/skindata/temp"));
}

TEST_F(StartUpCheck, AFolderWithoutWriteAccessIsToldAtOnce) {
  Workspace workspace;
  command_output("chmod -R a-w '" + workspace.path() + "'");
  // root may write anywhere: the program then runs as nobody.
  std::string as_user = command_output("id -u") == "0\n" ? "setpriv --reuid=65534 --regid=65534 "
                                                           "--clear-groups "
                                                         : "";
  std::string output =
      run_script(workspace.path(), "echo 1 | " + as_user + "\"$BIN\"\necho \"exit $?\"\n");
  command_output("chmod -R u+w '" + workspace.path() + "'");
  EXPECT_EQ(
      "This folder cannot be written to (no write access): start the program in a folder of your "
      "own, for example a copy of this one, then start it again." +
          std::string(kFinish) + "exit 1\n",
      output);
}

using FailedBuild = EndToEndTest;

TEST_F(FailedBuild, AFullDiskIsNamedAndThePreviousSkinIsKept) {
  SmallDisk disk;
  if (!disk.mounted()) GTEST_SKIP() << "a small tmpfs cannot be mounted here (it needs root)";
  fs::create_directories(disk.path() + "/Presets");
  fs::copy(small_skindata(), disk.path() + "/skindata", fs::copy_options::recursive);
  std::string skin = disk.path() + "/Korvel Dazo Blue";
  ASSERT_EQ(0, run_wizard_in(disk.path(), "1\n").exit_code);
  auto previous = tree_content(skin);
  disk.shrink_to_leave(1500 * 1024);
  WizardRun run = run_wizard_in(disk.path(), "1\n");
  EXPECT_EQ(1, run.exit_code);
  EXPECT_NE(std::string::npos, run.output.find("The skin could not be built: no space left on "
                                               "the disk.\n- "))
      << run.output;
  EXPECT_NE(std::string::npos, run.output.find("Korvel Dazo Blue is as it was before this build."));
  EXPECT_EQ(std::string::npos, run.output.find("Access"));
  EXPECT_EQ(std::string::npos, run.output.find("ready"));
  EXPECT_TRUE(previous == tree_content(skin));
}

using FolderInTheWay = EndToEndTest;

TEST_F(FolderInTheWay, IsNeverReplaced) {
  Workspace workspace;
  write_file(workspace.path() + "/Korvel Dazo Blue/thesis.txt", "years of work");
  write_file(workspace.path() + "/MyStuff/thesis.txt", "more work");
  auto before = names_in(workspace.path());
  WizardRun standard = run_wizard_in(workspace.path(), "1\n");
  EXPECT_EQ(1, standard.exit_code);
  EXPECT_TRUE(ends_with(standard.output,
                        ": \nA folder or file named Korvel Dazo Blue is in the way: it is not a "
                        "skin (it has no Images and Scripts folders). Move or rename it, then "
                        "build again.\n\nPress ENTER to finish.\n"))
      << standard.output;
  EXPECT_EQ(before, names_in(workspace.path()));
  EXPECT_EQ("years of work", read_file(workspace.path() + "/Korvel Dazo Blue/thesis.txt"));

  // A typed name is refused like any unusable name, and asked again.
  WizardRun custom =
      run_wizard_in(workspace.path(), "3\n" + std::string(8, '\n') + "MyStuff\nFresh\n");
  EXPECT_EQ(0, custom.exit_code) << custom.output;
  EXPECT_NE(std::string::npos, custom.output.find("(Default = Korvel Dazo Custom)\n: There is a "
                                                  "folder or file named MyStuff here that is not "
                                                  "a skin; please choose another name.\n(Default"));
  EXPECT_EQ("more work", read_file(workspace.path() + "/MyStuff/thesis.txt"));
  EXPECT_TRUE(fs::is_directory(workspace.path() + "/Fresh/Images"));
}

using Interruption = EndToEndTest;

TEST_F(Interruption, AtAStyleQuestionRemovesTheHalfMadeFolder) {
  Workspace workspace;
  std::string output =
      run_script(workspace.path(),
                 "(printf '3\\n\\n\\n\\n\\n\\n\\n\\n\\nHalf\\n'; wait_for done) | setsid \"$BIN\" "
                 "> out.txt 2>&1 &\n"
                 "for i in $(seq 600); do grep -q 'knob style' out.txt && break; sleep 0.05; done\n"
                 "[ -d Half/Images ] && echo 'folder made'\n"
                 "kill -TERM -- -$!\ntouch done\n"
                 "wait $!\necho \"exit $?\"\ntail -n 1 out.txt\nrm out.txt done\n");
  EXPECT_EQ("folder made\nexit 143\nInterrupted. The half-made Half was removed.\n", output);
  EXPECT_FALSE(fs::exists(workspace.path() + "/Half"));
}

using ConcurrentBuilds = EndToEndTest;

TEST_F(ConcurrentBuilds, TheSecondWaitsForTheFirstAndBothSkinsAreWhole) {
  Workspace reference, workspace;
  ASSERT_EQ(0, run_wizard_in(reference.path(), "2\n").exit_code);
  slow_first_image_command(workspace.path(), 2);
  std::string output = run_script(workspace.path(),
                                  "printf '2\\n' | \"$BIN\" > first.txt 2>&1 &\n"
                                  "wait_for skindata/temp/marker\n"
                                  "printf '2\\n' | \"$BIN\" > second.txt 2>&1\n"
                                  "echo \"second $?\"\nwait $!\necho \"first $?\"\n"
                                  "grep -c 'waiting' first.txt second.txt\n"
                                  "grep -c 'now ready' first.txt second.txt\n"
                                  "rm first.txt second.txt\n");
  EXPECT_EQ("second 0\nfirst 0\nfirst.txt:0\nsecond.txt:1\nfirst.txt:1\nsecond.txt:1\n", output);
  std::string skin = "/Korvel Dazo Colorized";
  EXPECT_TRUE(tree_content(reference.path() + skin) == tree_content(workspace.path() + skin));
}

// Answers saved by a Windows editor end their lines in "\r\n".
TEST(WindowsAnswers, GiveTheSameRunAsPlainOnes) {
  if (small_skindata().empty()) GTEST_SKIP() << "make-skindata is not built";
  std::string answers = "4\n1\n2\n3\n" + std::string(12, '\n') + "1\n\nMy Own\n3\n2\n2\n" +
                        std::string(6, '\n') + "2\n\n";
  std::string windows;
  for (char c : answers) windows += c == '\n' ? std::string("\r\n") : std::string(1, c);
  Workspace plain, crlf;
  WizardRun one = run_wizard_in(plain.path(), answers);
  WizardRun two = run_wizard_in(crlf.path(), windows);
  EXPECT_EQ(0, two.exit_code) << two.output;
  EXPECT_EQ(one.output, two.output);
  EXPECT_NE(std::string::npos, two.output.find("Preset saved as Presets\\My Own-v11b5.kvl."));
  EXPECT_TRUE(tree_content(plain.path() + "/My Own") == tree_content(crlf.path() + "/My Own"));
  EXPECT_EQ(read_file(plain.path() + "/Presets/My Own-v11b5.kvl"),
            read_file(crlf.path() + "/Presets/My Own-v11b5.kvl"));
}

}  // namespace
