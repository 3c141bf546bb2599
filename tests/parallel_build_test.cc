// The image passes spread over several tool processes give the same skin,
// byte for byte, and the same console output as one process per command.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "tests/test_support.h"

namespace fs = std::filesystem;

namespace {

// A CUSTOM multicolour run on default colours with global adjustments.
std::string custom_answers(const std::string& advanced_options) {
  return "4\n" + std::string(15, '\n') + "2\n10\n-20\n0\n50\n" + advanced_options + "\n" +
         std::string(16, '\n');  // preview, name, styles, save
}

// Puts a logger in front of the workspace's image tool: every start of it
// adds its last argument to skindata/starts.log.
void log_tool_starts(const std::string& workspace) {
  std::string tool = workspace + "/skindata/mogrify";
  fs::rename(tool, tool + "-logged");
  std::ofstream(tool) << "#!/bin/bash\n"
                         "here=$(dirname \"$0\")\n"
                         "echo \"${@: -1}\" >> \"$here/starts.log\"\n"
                         "exec \"$here/mogrify-logged\" \"$@\"\n";
  chmod(tool.c_str(), 0755);
}

// How many starts of the tool on the skin were given files instead of the
// command's wildcard: the pieces of commands that were spread. (The preview
// commands name their one file in skindata; the start-up check asks for
// the tool's version.)
size_t spread_starts(const std::string& workspace) {
  std::vector<std::string> files = lines_of(read_file(workspace + "/skindata/starts.log"));
  return std::count_if(files.begin(), files.end(), [](const std::string& file) {
    return file.find('*') == std::string::npos && file.find("/skindata/") == std::string::npos &&
           file != "-version";
  });
}

// A build in a new workspace with SKINBUILDER_JOBS set for the program.
WizardRun build_with_jobs(const Workspace& workspace, const char* jobs,
                          const std::string& answers) {
  log_tool_starts(workspace.path());
  ScopedVariable variable("SKINBUILDER_JOBS", jobs);
  return run_wizard_in(workspace.path(), answers);
}

using ParallelBuild = EndToEndTest;

TEST_F(ParallelBuild, GivesTheSameSkinAndOutputAsOneProcessPerCommand) {
  for (const char* options : {"", "-nosuchoption"}) {
    SCOPED_TRACE(options);
    Workspace serial, parallel;
    WizardRun one = build_with_jobs(serial, "1", custom_answers(options));
    WizardRun three = build_with_jobs(parallel, "3", custom_answers(options));
    bool refused = *options != '\0';
    ASSERT_EQ(one.exit_code, refused ? 1 : 0) << one.output;
    ASSERT_EQ(three.exit_code, refused ? 1 : 0) << three.output;
    EXPECT_EQ(three.output, one.output);
    EXPECT_EQ(0u, spread_starts(serial.path()));
    EXPECT_GT(spread_starts(parallel.path()), 10u);  // commands were spread
    if (refused) {
      // Every global command of the build fails, reported once; each
      // reports the option once in the tools' messages, as in the baseline.
      EXPECT_NE(std::string::npos, one.output.find("- 62 of 135 image commands failed.\n"))
          << one.output;
      for (const Workspace* workspace : {&serial, &parallel}) {
        std::string log = read_file(workspace->path() + "/skindata/temp/tool-messages.txt");
        EXPECT_EQ(62u, count_of(log, options)) << log;
      }
      continue;
    }
    std::map<std::string, std::string> expected =
        tree_content(serial.path() + "/Korvel Dazo Custom");
    std::map<std::string, std::string> got = tree_content(parallel.path() + "/Korvel Dazo Custom");
    ASSERT_GT(expected.size(), 400u);
    ASSERT_EQ(got.size(), expected.size());
    for (const auto& [path, bytes] : expected)
      EXPECT_TRUE(got[path] == bytes) << path << " differs";
    // The adjustments did change the images: the comparison is not between
    // two untouched copies of the template.
    EXPECT_NE(expected.at("Images/Panes/Background-Z2.png"),
              read_file(serial.path() + "/skindata/SkinTemplate/Images/Panes/Background-Z2.png"));
  }
}

}  // namespace
