// What a build leaves when it is interrupted, or cannot clean up after
// itself (killed, the power lost), and what the next run makes of it; a
// skindata\temp on another file system than the skin. Through the real
// binary, POSIX only (the faults are made with shell tools).
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/test_support.h"

namespace fs = std::filesystem;

namespace {

const char kColorized[] = "Korvel Dazo Colorized";

// Starts the program with the answers in its own process group, waits for
// the marker of slow_first_image_command and sends the group the signal:
// Ctrl-C's, or a KILL as a power loss would stop it, after which nothing
// of the program runs.
std::string signal_at_first_image_command(const std::string& workspace, const char* answers,
                                          const char* signal = "KILL") {
  fs::remove(workspace + "/skindata/temp/marker");
  fs::remove(workspace + "/skindata/mogrify-real.slowed");
  return run_script(workspace, std::string("export SKINBUILDER_JOBS=1\n") + "printf '" +
                                   answers + "' | setsid \"$BIN\" > out.txt 2>&1 &\n" +
                                   "wait_for skindata/temp/marker\n"
                                   "kill -" + signal + " -- -$!\n"
                                   "{ wait $!; } 2>/dev/null\necho \"exit $?\"\n"
                                   "cat out.txt\nrm out.txt\n");
}

using CrashRecovery = EndToEndTest;

TEST_F(CrashRecovery, AnInterruptedBuildPutsBackThePreviousSkinAndAKilledOneTheNextRun) {
  Workspace workspace;
  std::string skin = workspace.path() + "/" + kColorized;
  std::string kept = workspace.path() + "/skindata/temp/previous/" + kColorized;
  ASSERT_EQ(0, run_wizard_in(workspace.path(), "2\n").exit_code);
  auto previous = tree_content(skin);
  slow_first_image_command(workspace.path(), 30);

  // Ctrl-C reaches the program, which stops its tools (they run in process
  // groups of their own) and puts the previous skin back.
  std::string interrupted = signal_at_first_image_command(workspace.path(), "2\\n", "INT");
  EXPECT_EQ(0u, interrupted.find("exit 130\n")) << interrupted;
  EXPECT_TRUE(ends_with(interrupted,
                        "Modifying colors for Korvel Dazo Colorized.\n"
                        "Interrupted. Korvel Dazo Colorized is as it was before this build.\n"))
      << interrupted;
  EXPECT_TRUE(previous == tree_content(skin));
  EXPECT_FALSE(fs::exists(workspace.path() + "/skindata/temp/previous"));

  std::string killed = signal_at_first_image_command(workspace.path(), "2\\n");
  ASSERT_EQ(0u, killed.find("exit 137\n")) << killed;
  EXPECT_TRUE(previous == tree_content(kept));
  EXPECT_FALSE(previous == tree_content(skin));  // half-made

  // The next run puts it back before its first question, then its own
  // build, a first one, is killed too.
  killed = signal_at_first_image_command(workspace.path(), "1\\n");
  EXPECT_NE(std::string::npos,
            killed.find("the preset.\n\nA build of Korvel Dazo Colorized was cut short earlier: "
                        "Korvel Dazo Colorized is as it was before that build.\n\n1: STANDARD"))
      << killed;
  EXPECT_TRUE(previous == tree_content(skin));
  EXPECT_FALSE(fs::exists(kept));
  ASSERT_TRUE(fs::is_directory(workspace.path() + "/Korvel Dazo Blue/Images"));

  WizardRun next = run_wizard_in(workspace.path(), "2\n");
  EXPECT_EQ(0, next.exit_code);
  EXPECT_NE(std::string::npos,
            next.output.find("\nA build of Korvel Dazo Blue was cut short earlier: its half-made "
                             "folder was removed.\n\n1: STANDARD"))
      << next.output;
  EXPECT_FALSE(fs::exists(workspace.path() + "/Korvel Dazo Blue"));
  EXPECT_TRUE(previous == tree_content(skin));
  EXPECT_FALSE(fs::exists(workspace.path() + "/skindata/temp/build-state.txt"));
  EXPECT_FALSE(fs::exists(workspace.path() + "/skindata/temp/previous"));
}

// The previous skin is discarded after the new one passed its check; the
// program is killed by strace when it comes to remove one of its files.
TEST_F(CrashRecovery, ADiscardCutShortIsFinishedWithoutAWord) {
  if (command_output("command -v strace").empty()) GTEST_SKIP() << "strace is not installed";
  Workspace workspace, reference;
  std::string skin = workspace.path() + "/" + kColorized;
  ASSERT_EQ(0, run_wizard_in(workspace.path(), "2\n").exit_code);
  auto built = tree_content(skin);  // each build of a design makes the same skin
  std::string trash_file = std::string("./skindata/temp/discarded/") + kColorized +
                           "/Scripts/Zebra2.txt";
  std::string killed = run_script(
      workspace.path(), "(printf '2\\n' | strace -o /dev/null -P '" + trash_file +
                            "' -e trace=unlink -e inject=unlink:signal=KILL \"$BIN\" >/dev/null "
                            "2>&1) 2>/dev/null\necho \"exit $?\"\n");
  ASSERT_EQ("exit 137\n", killed);
  EXPECT_TRUE(fs::exists(workspace.path() + "/" + trash_file));
  EXPECT_NE(std::string::npos,
            read_file(workspace.path() + "/skindata/temp/build-state.txt").find("\ndiscarding\n"));

  WizardRun next = run_wizard_in(workspace.path(), "1\n");
  EXPECT_EQ(0, next.exit_code);
  EXPECT_EQ(run_wizard_in(reference.path(), "1\n").output, next.output);
  EXPECT_FALSE(fs::exists(workspace.path() + "/skindata/temp/discarded"));
  EXPECT_FALSE(fs::exists(workspace.path() + "/skindata/temp/previous"));
  EXPECT_FALSE(fs::exists(workspace.path() + "/skindata/temp/build-state.txt"));
  EXPECT_TRUE(built == tree_content(skin));
}

// skindata/temp made a link to a folder on another file system.
void move_temp_to(const std::string& workspace, const std::string& folder) {
  fs::remove_all(workspace + "/skindata/temp");
  fs::create_directories(folder);
  fs::create_directory_symlink(folder, workspace + "/skindata/temp");
}

TEST_F(CrashRecovery, AcrossFileSystemsThePreviousSkinIsCopiedAsideAndBack) {
  OtherFileSystemFolder other;
  if (other.path().empty()) GTEST_SKIP() << "no second file system at /dev/shm";
  Workspace workspace, reference;
  move_temp_to(workspace.path(), other.path() + "/temp");
  std::string skin = workspace.path() + "/" + kColorized;
  WizardRun first = run_wizard_in(workspace.path(), "2\n");
  ASSERT_EQ(0, first.exit_code);
  auto previous = tree_content(skin);

  // A good run reads and ends as it does on one file system.
  WizardRun again = run_wizard_in(workspace.path(), "2\n");
  EXPECT_EQ(0, again.exit_code);
  EXPECT_EQ(run_wizard_in(reference.path(), "2\n").output, again.output);
  EXPECT_TRUE(previous == tree_content(skin));
  EXPECT_FALSE(fs::exists(other.path() + "/temp/previous"));

  // A failed build copies it back.
  wrap_tool(workspace.path(), "mogrify",
            "[ \"$1\" = -version ] && exec \"$real\" \"$@\"\nexit 1\n");
  WizardRun failed = run_wizard_in(workspace.path(), "2\n");
  EXPECT_EQ(1, failed.exit_code);
  EXPECT_TRUE(ends_with(failed.output,
                        "Korvel Dazo Colorized is as it was before this build.\n\n"
                        "Press ENTER to finish.\n"))
      << failed.output;
  EXPECT_TRUE(previous == tree_content(skin));
  EXPECT_FALSE(fs::exists(other.path() + "/temp/previous"));
}

// The copy aside fills the other disk: the skin stays where it was, whole,
// and no part of the copy is left.
TEST_F(CrashRecovery, ACopyAsideThatDoesNotFitChangesNothing) {
  SmallDisk disk;
  if (!disk.mounted()) GTEST_SKIP() << "a small tmpfs cannot be mounted here (it needs root)";
  Workspace workspace;
  move_temp_to(workspace.path(), disk.path() + "/temp");
  std::string skin = workspace.path() + "/" + kColorized;
  ASSERT_EQ(0, run_wizard_in(workspace.path(), "2\n").exit_code);
  auto previous = tree_content(skin);
  disk.shrink_to_leave(1024 * 1024);
  WizardRun run = run_wizard_in(workspace.path(), "2\n");
  EXPECT_EQ(1, run.exit_code);
  EXPECT_TRUE(ends_with(run.output,
                        ": \nKorvel Dazo Colorized could not be kept aside while the new skin is "
                        "built (no space left on the disk); nothing was changed.\n\nPress ENTER "
                        "to finish.\n"))
      << run.output;
  EXPECT_TRUE(previous == tree_content(skin));
  EXPECT_FALSE(fs::exists(disk.path() + "/temp/previous"));
  EXPECT_FALSE(fs::exists(disk.path() + "/temp/build-state.txt"));
}

}  // namespace
