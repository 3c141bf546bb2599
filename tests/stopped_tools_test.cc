// Image tools that never return, or that ignore Ctrl-C, through the real
// binary: the time limit stops them and the run ends with its report; an
// interruption stops them and the run ends as interrupted. The previous
// skin comes through either way, and no tool is left running.
//
// Every run here has an outer limit far above what it needs, so that a
// wait that hangs again fails the test instead of holding it.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/test_support.h"

namespace fs = std::filesystem;

namespace {

constexpr int kOuterLimit = 120;

// The workspace's tool answers -version as the real one (the start-up
// check asks), and otherwise becomes the stand-in of that name
// (tests/programs/stand_in_tool.cc), its process id kept in
// skindata/temp/tool.pid.
void replace_tool(const std::string& workspace, const char* tool, const char* stand_in) {
  install_stand_in(workspace + "/skindata/" + stand_in);
  wrap_tool(workspace, tool,
            "[ \"$1\" = -version ] && exec \"$real\" \"$@\"\n"
            "echo $$ > \"$(dirname \"$0\")/temp/tool.pid\"\n"
            "exec \"$(dirname \"$0\")/" +
                std::string(stand_in) + "\" \"$@\"\n");
}

// Whether the tool started last still runs; it is killed then, so that a
// failing test leaves nothing behind.
bool tool_left_running(const std::string& workspace) {
  return command_output("cd '" + workspace +
                        "' && tool=$(cat skindata/temp/tool.pid) && kill -0 $tool 2>/dev/null "
                        "&& kill -KILL $tool && echo running") == "running\n";
}

using ToolTimeLimit = EndToEndTest;

TEST_F(ToolTimeLimit, AToolThatNeverReturnsFailsTheBuildAndThePreviousSkinIsKept) {
  Workspace workspace;
  std::string skin = workspace.path() + "/Korvel Dazo Colorized";
  ASSERT_EQ(0, run_wizard_in(workspace.path(), "2\n").exit_code);
  auto previous = tree_content(skin);
  replace_tool(workspace.path(), "mogrify", "hang");
  ScopedVariable one_process("SKINBUILDER_JOBS", "1");  // every command starts the tool
  ScopedVariable limit("SKINBUILDER_TOOL_TIMEOUT", "1");
  WizardRun run = run_wizard_in(workspace.path(), "2\n", kOuterLimit);
  EXPECT_EQ(1, run.exit_code);
  EXPECT_TRUE(fs::exists(workspace.path() + "/hang.running"));
  // The first image command is stopped; the tool is not started again.
  EXPECT_NE(std::string::npos,
            run.output.find("The skin could not be built.\n- 73 of 73 image commands failed.\n"
                            "- The image tool was stopped after 1 second: .\\skindata\\mogrify "
                            "... \".\\Korvel Dazo Colorized\\Images\\Animations\\PrefCloseCS1\\*.*"
                            "\"\n"))
      << run.output;
  EXPECT_NE(std::string::npos,
            run.output.find("Korvel Dazo Colorized is as it was before this build.\n"));
  EXPECT_EQ(std::string::npos, run.output.find("ready"));
  EXPECT_TRUE(previous == tree_content(skin));
  EXPECT_FALSE(fs::exists(workspace.path() + "/skindata/temp/previous"));
  EXPECT_FALSE(tool_left_running(workspace.path()));
}

// The preview ends at the stopped tool and the run with it; the answers
// can still be saved.
TEST_F(ToolTimeLimit, AToolThatNeverReturnsEndsThePreview) {
  Workspace workspace;
  replace_tool(workspace.path(), "identify", "hang");
  ScopedVariable limit("SKINBUILDER_TOOL_TIMEOUT", "1");
  WizardRun run = run_wizard_in(workspace.path(), "3\n", kOuterLimit);
  EXPECT_EQ(1, run.exit_code);
  EXPECT_NE(std::string::npos,
            run.output.find("Preparing preview....\nThe preview could not be made.\n"
                            "- The image tool was stopped after 1 second: .\\skindata\\identify "
                            "-verbose .\\skindata\\temp\\DGSample.png | findstr # > "
                            ".\\skindata\\temp\\DGSample.txt\n\n"
                            "Would you like to save this skin as a preset?"))
      << run.output;
  EXPECT_EQ(std::string::npos, run.output.find("satisfied"));
  EXPECT_FALSE(fs::exists(workspace.path() + "/Korvel Dazo Custom"));
  EXPECT_FALSE(tool_left_running(workspace.path()));
}

// What the tools say on standard error stays off the screen in the preview
// as in the build, and what the program says is as it was.
TEST_F(ToolTimeLimit, ThePreviewsToolMessagesGoToTheirFile) {
  Workspace quiet, chatty;
  wrap_tool(chatty.path(), "identify",
            "[ \"$1\" = -version ] || echo 'identify: a warning of the tool' >&2\n"
            "exec \"$real\" \"$@\"\n");
  WizardRun plain = run_wizard_in(quiet.path(), "4\n");
  WizardRun run = run_wizard_in(chatty.path(), "4\n");
  EXPECT_EQ(0, run.exit_code);
  EXPECT_EQ(plain.output, run.output);
  EXPECT_NE(std::string::npos,
            read_file(chatty.path() + "/skindata/temp/tool-messages.txt").find("a warning"));
}

using ToolInterruption = EndToEndTest;

// A Ctrl-C in the build, SIGTERM in the preview, with a tool that ignores
// both: the tool is killed and the program ends as interrupted.
TEST_F(ToolInterruption, EndsTheRunEvenWhenTheToolIgnoresIt) {
  struct Case {
    const char* answers;
    const char* tool;
    const char* signal;
    const char* told;
  } cases[] = {
      {"2", "mogrify", "INT",
       "exit 130\nInterrupted. Korvel Dazo Colorized is as it was before this build.\n\n"},
      {"3", "identify", "TERM", "exit 143\nPreparing preview....\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.signal);
    Workspace workspace;
    std::string skin = workspace.path() + "/Korvel Dazo Colorized";
    ASSERT_EQ(0, run_wizard_in(workspace.path(), "2\n").exit_code);
    auto previous = tree_content(skin);
    replace_tool(workspace.path(), c.tool, "stubborn");
    std::string script = "export SKINBUILDER_JOBS=1\n";
    script += "printf '" + std::string(c.answers) + "\\n' | setsid \"$BIN\" > out.txt 2>&1 &\n";
    script += "wait_for stubborn.running\nkill -" + std::string(c.signal) + " -- -$!\n";
    // The program gets the outer limit to end, and is killed after it.
    script += "for i in $(seq " + std::to_string(kOuterLimit * 10) +
              "); do kill -0 $! 2>/dev/null || break; sleep 0.1; done\n";
    script += "kill -KILL -- -$! 2>/dev/null\nwait $!\necho \"exit $?\"\n";
    script += "tail -n 1 out.txt\necho\n";
    std::string output = run_script(workspace.path(), script);
    EXPECT_EQ(c.told, output);
    EXPECT_FALSE(tool_left_running(workspace.path()));
    EXPECT_TRUE(previous == tree_content(skin));
  }
}

}  // namespace
