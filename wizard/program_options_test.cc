#include "wizard/program_options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/test_support.h"

namespace {

ProgramRequest request_of(std::vector<const char*> arguments) {
  arguments.insert(arguments.begin(), "skinbuilder");
  return program_request(static_cast<int>(arguments.size()), arguments.data());
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

TEST(ProgramOptions, HelpAndVersionAnswerOnStandardOutputAndUsageErrorsInOneLine) {
  int status = -1;
  std::string version = stdout_of([&] { status = answer_request(ProgramRequest::kVersion); });
  EXPECT_EQ(0, status);
  EXPECT_EQ(1u, lines_of(version).size()) << version;
  EXPECT_EQ(0u, version.find("skinbuilder ")) << version;

  std::string help = stdout_of([&] { status = answer_request(ProgramRequest::kHelp); });
  EXPECT_EQ(0, status);
  EXPECT_EQ(0u, help.find(version)) << help;
  for (const char* needed : {"skindata", "Presets", "ImageMagick 7", "imagemagick", "#3C3C46"}) {
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
