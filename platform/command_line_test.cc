#include "platform/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> texts(const CommandStage& stage) {
  std::vector<std::string> result;
  for (const CommandWord& word : stage.words) result.push_back(word.text);
  return result;
}

TEST(CommandLineTest, ReadsRedirectionsAsCmdDoes) {
  CommandLine glued = parse_command_line("tool a>out.txt 1 >one.txt 2>&1 >>log");
  ASSERT_EQ(glued.stages.size(), 1u);
  const CommandStage& stage = glued.stages[0];
  EXPECT_EQ(texts(stage), (std::vector<std::string>{"tool", "a", "1"}));
  ASSERT_EQ(stage.redirections.size(), 4u);
  EXPECT_EQ(stage.redirections[0].target, "out.txt");
  EXPECT_EQ(stage.redirections[1].target, "one.txt");
  EXPECT_EQ(stage.redirections[2].stream, 2);
  EXPECT_EQ(stage.redirections[2].joined_with, 1);
  EXPECT_TRUE(stage.redirections[3].append);
  EXPECT_EQ(stage.redirections[3].target, "log");

  CommandLine quoted = parse_command_line(R"(findstr "a|b" | x 1>NUL 2>NUL)");
  ASSERT_EQ(quoted.stages.size(), 2u);
  EXPECT_EQ(texts(quoted.stages[0]), (std::vector<std::string>{"findstr", "a|b"}));
  ASSERT_EQ(quoted.stages[1].redirections.size(), 2u);
  EXPECT_EQ(quoted.stages[1].redirections[1].stream, 2);

  for (const char* null : {"NUL", "nul", "Nul:"}) EXPECT_TRUE(is_null_device(null)) << null;
  EXPECT_FALSE(is_null_device("NULL"));
  EXPECT_FALSE(is_null_device("NUL.txt"));
}

TEST(CommandLineTest, ToleratesOrRefusesMalformedLines) {
  for (const char* line : {"| findstr #", "tool |", "tool || other"}) {
    EXPECT_EQ(parse_command_line(line).error, "| was unexpected at this time.") << line;
  }
  for (const char* line : {"tool >", "tool 2> | x"}) {
    EXPECT_EQ(parse_command_line(line).error, "The syntax of the command is incorrect.") << line;
    EXPECT_TRUE(parse_command_line(line).stages.empty()) << line;
  }
}

}  // namespace
