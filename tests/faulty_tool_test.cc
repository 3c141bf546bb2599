// Image tools that misbehave, through the real binary: tools that fail,
// never return or ignore Ctrl-C, images made transparent, opaque or grey,
// or left as they were, and reports with a warning or a colour that is no
// colour. The build's check, the time limit or the interruption ends the
// build with its report, the previous skin comes through, and no tool is
// left running; a report the measurement can still read builds the same
// skin as a clean one.
//
// Every run with a tool that hangs has an outer limit far above what it
// needs, so that a wait that hangs again fails the test instead of
// holding it.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>

#include "tests/test_support.h"

namespace fs = std::filesystem;

namespace {

constexpr int kOuterLimit = 120;

// The stand-in tool (tests/programs/stand_in_tool.cc) in front of each of
// the workspace's image tools: with STAND_IN_FAULT set it is a faulty
// version of it (a fault it does not know hands every run to the real tool
// unchanged).
void put_stand_ins_before(const std::string& workspace) {
  for (const char* tool : {"mogrify", "identify"}) {
    std::string path = workspace + "/skindata/" + tool;
    fs::rename(path, path + "-real");
    install_stand_in(path);
  }
}

// Whether the stand-in that sleeps as `fault` still runs; it is killed
// then, so that a failing test leaves nothing behind.
bool tool_left_running(const std::string& workspace, const std::string& fault) {
  return command_output("cd '" + workspace + "' && tool=$(cat " + fault +
                        ".running) && kill -0 $tool 2>/dev/null && kill -KILL $tool && echo "
                        "running") == "running\n";
}

using FaultyImageTool = EndToEndTest;

TEST_F(FaultyImageTool, ABuildItSpoilsFailsWithItsReportAndThePreviousSkinIsKept) {
  Workspace workspace;
  std::string skin = workspace.path() + "/Korvel Dazo Colorized";
  ASSERT_EQ(0, run_wizard_in(workspace.path(), "2\n").exit_code);
  auto previous = tree_content(skin);
  put_stand_ins_before(workspace.path());
  ScopedVariable one_process("SKINBUILDER_JOBS", "1");  // every command starts the tool
  const std::string messages = "The tools' own messages are in skindata/temp/tool-messages.txt.\n";
  const struct {
    const char* fault;
    std::string report;  // the lines before the tool's name
    std::string after;   // and after it
  } cases[] = {
      // The tool starts, but cannot treat an image; its own messages stay
      // out of the console.
      {"fail", "- 73 of 73 image commands failed.\n", messages},
      {"transparent",
       "- 678 of 847 images changed their transparency (the first is "
       "Images/Animations/KVL-BotTabs-Z2/KVL-BotTabs-Z2-Dim.png).\n",
       ""},
      {"opaque",
       "- 644 of 847 images changed their transparency (the first is "
       "Images/Animations/KVL-Btn-EditMasterCS1/KVL-Btn-EditMasterCS1-Small.png).\n",
       ""},
      // The globals' light grey stays light grey.
      {"grey",
       "- GENERATORS colour measured 909090, expected 5798EE.\n"
       "- MODULATORS colour measured B7B7B7, expected EEB05D.\n"
       "- EFFECTS colour measured C2C2C2, expected 42EE93.\n",
       ""},
      // The generators' blue is the template's.
      {"unchanged",
       "- MODULATORS colour measured 5999EE, expected EEB05D.\n"
       "- EFFECTS colour measured 5999EE, expected 42EE93.\n"
       "- GLOBALS colour measured 5999EE, expected EEEDED.\n",
       ""},
      // The first image command is stopped; no tool is started again, so
      // no colour is measured either.
      {"hang",
       "- 73 of 73 image commands failed.\n"
       "- The image tool was stopped after 1 second: .\\skindata\\mogrify ... \".\\Korvel Dazo "
       "Colorized\\Images\\Animations\\PrefCloseCS1\\*.*\"\n"
       "- 4 colours could not be measured.\n",
       messages},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.fault);
    ScopedVariable fault("STAND_IN_FAULT", c.fault);
    ScopedVariable limit("SKINBUILDER_TOOL_TIMEOUT",
                         c.fault == std::string("hang") ? "1" : nullptr);
    WizardRun run = run_wizard_in(workspace.path(), "2\n", kOuterLimit);
    EXPECT_EQ(1, run.exit_code);
    EXPECT_TRUE(ends_with(run.output,
                          "Customizing skin scripts Zebra2.txt and ZebraHZ.txt.............Done.\n"
                          "The skin could not be built.\n" +
                              c.report + image_tool_report_line() + c.after +
                              "Korvel Dazo Colorized is as it was before this build.\n\n"
                              "Press ENTER to finish.\n"))
        << run.output;
    EXPECT_EQ(std::string::npos, run.output.find("no luck"));
    EXPECT_EQ(std::string::npos, run.output.find("ready"));
    EXPECT_TRUE(previous == tree_content(skin));
    EXPECT_FALSE(fs::exists(workspace.path() + "/skindata/temp/previous"));
    if (c.fault == std::string("fail")) {
      EXPECT_EQ(73u, count_of(read_file(workspace.path() + "/skindata/temp/tool-messages.txt"),
                              "mogrify: no luck"));
    }
  }
  EXPECT_TRUE(fs::exists(workspace.path() + "/hang.running"));
  EXPECT_FALSE(tool_left_running(workspace.path(), "hang"));

  // A first build that fails leaves no half-made folder behind.
  ScopedVariable fault("STAND_IN_FAULT", "fail");
  WizardRun custom = run_wizard_in(workspace.path(), "3\n" + std::string(8, '\n') + "New\n");
  EXPECT_EQ(1, custom.exit_code);
  EXPECT_NE(std::string::npos, custom.output.find("The half-made New was removed.\n\n"
                                                  "Would you like to save this skin as a preset?"))
      << custom.output;
  EXPECT_FALSE(fs::exists(workspace.path() + "/New"));
}

// The preview ends at the stopped tool and the run with it; the answers
// can still be saved.
TEST_F(FaultyImageTool, AToolThatNeverReturnsEndsThePreview) {
  Workspace workspace;
  put_stand_ins_before(workspace.path());
  ScopedVariable fault("STAND_IN_FAULT", "hang");
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
  EXPECT_FALSE(tool_left_running(workspace.path(), "hang"));
}

// What the tools say on standard error stays off the screen in the preview
// as in the build, and what the program says is as it was.
TEST_F(FaultyImageTool, ThePreviewsToolMessagesGoToTheirFile) {
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

// A Ctrl-C in the build, SIGTERM in the preview, with a tool that ignores
// both: the tool is killed and the program ends as interrupted.
TEST_F(FaultyImageTool, AnInterruptionEndsTheRunEvenWhenTheToolIgnoresIt) {
  Workspace workspace;
  std::string skin = workspace.path() + "/Korvel Dazo Colorized";
  ASSERT_EQ(0, run_wizard_in(workspace.path(), "2\n").exit_code);
  auto previous = tree_content(skin);
  put_stand_ins_before(workspace.path());
  ScopedVariable fault("STAND_IN_FAULT", "stubborn");
  struct Case {
    const char* answers;
    const char* signal;
    const char* told;
  } cases[] = {
      {"2", "INT",
       "exit 130\nInterrupted. Korvel Dazo Colorized is as it was before this build.\n\n"},
      {"3", "TERM", "exit 143\nPreparing preview....\n"},  // the preview asks identify first
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.signal);
    fs::remove(workspace.path() + "/stubborn.running");
    std::string script = "export SKINBUILDER_JOBS=1\n";
    script += "printf '" + std::string(c.answers) + "\\n' | setsid \"$BIN\" > out.txt 2>&1 &\n";
    script += "wait_for stubborn.running\nkill -" + std::string(c.signal) + " -- -$!\n";
    // The program gets the outer limit to end, and is killed after it.
    script += "for i in $(seq " + std::to_string(kOuterLimit * 10) +
              "); do kill -0 $! 2>/dev/null || break; sleep 0.1; done\n";
    script += "kill -KILL -- -$! 2>/dev/null\nwait $!\necho \"exit $?\"\n";
    script += "tail -n 1 out.txt\necho\n";
    EXPECT_EQ(c.told, run_script(workspace.path(), script));
    EXPECT_FALSE(tool_left_running(workspace.path(), "stubborn"));
    EXPECT_TRUE(previous == tree_content(skin));
  }
}

// The colour each 16-bit channel of a listing's first code comes to in 8
// bits, worked out here in floating point.
std::string eight_bit_code(const std::string& listing) {
  size_t hash = listing.find('#');
  if (hash == std::string::npos || listing.size() < hash + 13) return "";
  std::string code;
  for (int channel = 0; channel < 3; ++channel) {
    unsigned long value = std::stoul(listing.substr(hash + 1 + 4 * channel, 4), nullptr, 16);
    char pair[3];
    std::snprintf(pair, sizeof pair, "%02X", static_cast<unsigned>(std::lround(value / 257.0)));
    code += pair;
  }
  return code;
}

TEST_F(FaultyImageTool, OnlyAWellFormedColourIsMeasured) {
  Workspace workspace;
  std::string skin = workspace.path() + "/Korvel Dazo Blue";
  put_stand_ins_before(workspace.path());
  ScopedVariable fault("STAND_IN_FAULT", "none");
  ASSERT_EQ(0, run_wizard_in(workspace.path(), "1\n").exit_code);
  auto clean = tree_content(skin);

  // A warning holding '#' before the histogram changes nothing.
  ScopedVariable warning("STAND_IN_FAULT", "warn-hash");
  WizardRun warned = run_wizard_in(workspace.path(), "1\n");
  EXPECT_EQ(0, warned.exit_code) << warned.output;
  EXPECT_TRUE(clean == tree_content(skin));
  EXPECT_NE(std::string::npos, read_file(skin + "/Scripts/Zebra2.txt").find("= 5798EE\n"));

  ScopedVariable bad_code("STAND_IN_FAULT", "bad-code");
  WizardRun bad = run_wizard_in(workspace.path(), "1\n");
  EXPECT_EQ(1, bad.exit_code);
  EXPECT_TRUE(ends_with(bad.output,
                        "The skin could not be built.\n- 1 colour could not be measured.\n"
                        "Korvel Dazo Blue is as it was before this build.\n\n"
                        "Press ENTER to finish.\n"))
      << bad.output;
  EXPECT_TRUE(clean == tree_content(skin));

  // Advanced options that leave the images at 16 bits: their codes have
  // twelve digits, and the script gets each channel's nearest 8-bit value.
  ScopedVariable real_tool("STAND_IN_FAULT", "none");
  WizardRun deep =
      run_wizard_in(workspace.path(), "3\n200\n40\n40\n\n\n\n2\n\n\n\n\n-depth 16\n\nDeep\n");
  EXPECT_EQ(0, deep.exit_code) << deep.output;
  std::string code = eight_bit_code(read_file(workspace.path() + "/skindata/temp/CS1info.txt"));
  ASSERT_EQ(6u, code.size()) << "no 16-bit code measured";
  EXPECT_NE(std::string::npos,
            read_file(workspace.path() + "/Deep/Scripts/Zebra2.txt").find("= " + code + "\n"))
      << code;
}

}  // namespace
