#include "wizard/program_options.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "tests/test_support.h"

namespace {

ProgramCall call_of(std::vector<const char*> arguments) {
  arguments.insert(arguments.begin(), "skinbuilder");
  return program_call(static_cast<int>(arguments.size()), arguments.data());
}

ProgramRequest request_of(std::vector<const char*> arguments) {
  return call_of(std::move(arguments)).request;
}

TEST(ProgramOptions, OnlyNoArgumentsStartTheWizard) {
  EXPECT_EQ(ProgramRequest::kWizard, request_of({}));
  EXPECT_EQ(ProgramRequest::kHelp, request_of({"--help"}));
  EXPECT_EQ(ProgramRequest::kHelp, request_of({"/?"}));
  EXPECT_EQ(ProgramRequest::kVersion, request_of({"--version"}));
  for (const char* other : {"", "2", "--HELP", "--version=1", "-", "--help\n"}) {
    EXPECT_EQ(ProgramRequest::kUsageError, request_of({other})) << other;
  }
  EXPECT_EQ(ProgramRequest::kUsageError, request_of({"--help", "--version"}));
}

TEST(ProgramOptions, BuildTakesAFileThenANameAndInstallInAnyOrderOnce) {
  ProgramCall call = call_of({"--build", "wal colors.json", "--install", "--name", "Wal"});
  EXPECT_EQ(ProgramRequest::kBuild, call.request);
  EXPECT_EQ("wal colors.json", call.build.file);
  EXPECT_EQ("Wal", call.build.skin_name);
  EXPECT_TRUE(call.build.install);
  call = call_of({"--build", "a.kvl"});
  EXPECT_EQ(ProgramRequest::kBuild, call.request);
  EXPECT_EQ("", call.build.skin_name);
  EXPECT_FALSE(call.build.install);
  for (std::vector<const char*> wrong : {std::vector<const char*>{"--build"},
                                         {"--build", ""},
                                         {"--build", "a", "--name"},
                                         {"--build", "a", "--name", ""},
                                         {"--build", "a", "--install", "--install"},
                                         {"--build", "a", "--name", "x", "--name", "y"},
                                         {"--build", "a", "b"},
                                         {"--name", "x", "--build", "a"},
                                         {"--install"},
                                         {"--build", "a", "--help"}}) {
    EXPECT_EQ(ProgramRequest::kUsageError, request_of(wrong)) << wrong.size();
  }
}

TEST(ProgramOptions, HelpAndVersionAnswerOnStandardOutputAndUsageErrorsInOneLine) {
  int status = -1;
  std::string version = stdout_of([&] { status = answer_request(ProgramRequest::kVersion); });
  EXPECT_EQ(0, status);
  EXPECT_EQ(1u, lines_of(version).size()) << version;
  EXPECT_EQ(0u, version.find("skinbuilder ")) << version;

  std::string help = stdout_of([&] { status = answer_request(ProgramRequest::kHelp); });
  EXPECT_EQ(0, status);
  EXPECT_EQ(0u, help.find(version)) << help;
  for (const char* needed : {"skindata", "Presets", "ImageMagick 7", "imagemagick", "#3C3C46",
                             "base0D", "color4", "--build FILE"}) {
    EXPECT_NE(std::string::npos, help.find(needed)) << needed;
  }
  for (const std::string& line : lines_of(help)) EXPECT_LE(line.size(), 80u) << line;

  testing::internal::CaptureStderr();
  std::string out = stdout_of([&] { status = answer_request(ProgramRequest::kUsageError); });
  std::string err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(2, status);
  EXPECT_EQ("", out);
  EXPECT_EQ(1u, lines_of(err).size()) << err;
  EXPECT_EQ(0u, err.find("usage: skinbuilder")) << err;
}

}  // namespace
