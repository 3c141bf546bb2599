// The image passes spread over several tool processes give the same skin,
// byte for byte, and the same console output as one process per command.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "tests/e2e_support.h"

namespace fs = std::filesystem;

namespace {

std::string custom_answers(const std::string& advanced_options) {
  std::string answers = "4\n";
  for (int i = 0; i < 15; ++i) answers += "\n";  // the five colour groups
  answers += "2\n10\n-20\n0\n50\n" + advanced_options + "\n";
  for (int i = 0; i < 16; ++i) answers += "\n";  // preview, name, styles, save
  return answers;
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
// commands name their one file in skindata.)
size_t spread_starts(const std::string& workspace) {
  std::string log = read_file(workspace + "/skindata/starts.log");
  size_t count = 0;
  for (size_t start = 0, end; start < log.size(); start = end + 1) {
    end = log.find('\n', start);
    std::string file = log.substr(start, end - start);
    if (file.find('*') == std::string::npos && file.find("/skindata/") == std::string::npos) {
      ++count;
    }
  }
  return count;
}

struct Build {
  std::string workspace;
  WizardRun run;
};

std::map<std::string, std::string> tree_content(const std::string& folder) {
  std::map<std::string, std::string> content;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    std::string relative = fs::relative(entry.path(), folder).string();
    content[relative] = entry.is_regular_file() ? read_file(entry.path().string()) : "<folder>";
  }
  return content;
}

size_t occurrences(const std::string& text, const std::string& part) {
  size_t count = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

class ParallelBuild : public ::testing::Test {
 protected:
  void SetUp() override {
    if (small_skindata().empty()) GTEST_SKIP() << "make-skindata is not built";
  }
  void TearDown() override {
    for (const std::string& folder : workspaces_) fs::remove_all(folder);
  }

  // A build in a fresh workspace with SKINBUILDER_JOBS set for the program.
  Build build_with_jobs(const char* jobs, const std::string& answers) {
    Build build;
    build.workspace = make_workspace();
    workspaces_.push_back(build.workspace);
    log_tool_starts(build.workspace);
    const char* before = getenv("SKINBUILDER_JOBS");
    std::string kept = before != nullptr ? before : "";
    setenv("SKINBUILDER_JOBS", jobs, 1);
    build.run = run_wizard_in(build.workspace, answers);
    if (before != nullptr) {
      setenv("SKINBUILDER_JOBS", kept.c_str(), 1);
    } else {
      unsetenv("SKINBUILDER_JOBS");
    }
    return build;
  }

 private:
  std::vector<std::string> workspaces_;
};

TEST_F(ParallelBuild, GivesTheSameSkinAsOneProcessPerCommand) {
  std::string answers = custom_answers("");
  Build one = build_with_jobs("1", answers);
  Build three = build_with_jobs("3", answers);
  ASSERT_EQ(one.run.exit_code, 0) << one.run.output;
  ASSERT_EQ(three.run.exit_code, 0) << three.run.output;
  EXPECT_EQ(three.run.output, one.run.output);
  EXPECT_EQ(0u, spread_starts(one.workspace));
  EXPECT_GT(spread_starts(three.workspace), 10u);  // commands were spread

  std::string skin = "/Korvel Dazo Custom";
  std::map<std::string, std::string> expected = tree_content(one.workspace + skin);
  std::map<std::string, std::string> got = tree_content(three.workspace + skin);
  ASSERT_GT(expected.size(), 400u);
  ASSERT_EQ(got.size(), expected.size());
  for (const auto& [path, bytes] : expected) {
    auto found = got.find(path);
    ASSERT_NE(found, got.end()) << path;
    EXPECT_TRUE(found->second == bytes) << path << " differs";
  }
  // The adjustments did change the images: the comparison is not between
  // two untouched copies of the template.
  std::string template_pane = read_file(one.workspace +
                                        "/skindata/SkinTemplate/Images/Panes/"
                                        "Background-Z2.png");
  EXPECT_NE(expected.at("Images/Panes/Background-Z2.png"), template_pane);
}

TEST_F(ParallelBuild, AnOptionTheToolRefusesIsReportedOncePerCommand) {
  std::string answers = custom_answers("-nosuchoption");
  Build one = build_with_jobs("1", answers);
  Build three = build_with_jobs("3", answers);
  ASSERT_EQ(one.run.exit_code, 0) << one.run.output;
  ASSERT_EQ(three.run.exit_code, 0) << three.run.output;
  size_t complaints = occurrences(one.run.output, "-nosuchoption");
  EXPECT_GE(complaints, 62u) << one.run.output;  // each of the 62 global commands
  EXPECT_EQ(occurrences(three.run.output, "-nosuchoption"), complaints);
  EXPECT_EQ(three.run.output, one.run.output);
  EXPECT_GT(spread_starts(three.workspace), 10u);
}

}  // namespace
