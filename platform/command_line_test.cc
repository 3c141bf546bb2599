#include "platform/command_line.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> texts(const CommandStage& stage) {
  std::vector<std::string> result;
  for (const CommandWord& word : stage.words) result.push_back(word.text);
  return result;
}

TEST(CommandLineTest, ReadsTheProgramsCommandForms) {
  CommandLine clone = parse_command_line(
      R"(xcopy /y /q /e ".\My Skin\Images\Animations\KVL-CS1Knob-Bi"  ".\My Skin\Images\Animations\KVL-CS2Knob-Bi\" >NUL)");
  ASSERT_EQ(clone.stages.size(), 1u);
  EXPECT_EQ(texts(clone.stages[0]),
            (std::vector<std::string>{"xcopy", "/y", "/q", "/e",
                                      R"(.\My Skin\Images\Animations\KVL-CS1Knob-Bi)",
                                      R"(.\My Skin\Images\Animations\KVL-CS2Knob-Bi\)"}));
  EXPECT_EQ(clone.stages[0].words[4].typed, R"(".\My Skin\Images\Animations\KVL-CS1Knob-Bi")");
  ASSERT_EQ(clone.stages[0].redirections.size(), 1u);
  EXPECT_EQ(clone.stages[0].redirections[0].stream, 1);
  EXPECT_EQ(clone.stages[0].redirections[0].target, "NUL");

  CommandLine clear = parse_command_line(R"(rmdir /S /Q ".\Korvel Dazo Blue" 1>NUL 2>NUL)");
  ASSERT_EQ(clear.stages.size(), 1u);
  EXPECT_EQ(texts(clear.stages[0]).back(), R"(.\Korvel Dazo Blue)");
  ASSERT_EQ(clear.stages[0].redirections.size(), 2u);
  EXPECT_EQ(clear.stages[0].redirections[0].stream, 1);
  EXPECT_EQ(clear.stages[0].redirections[1].stream, 2);
  EXPECT_EQ(clear.stages[0].redirections[1].target, "NUL");

  CommandLine measure = parse_command_line(
      R"(.\skindata\identify -verbose ".\S k\Images\Other\CS1Sample.png" | findstr # > .\skindata\temp\CS1info.txt)");
  ASSERT_EQ(measure.stages.size(), 2u);
  EXPECT_TRUE(measure.stages[0].redirections.empty());
  EXPECT_EQ(texts(measure.stages[1]), (std::vector<std::string>{"findstr", "#"}));
  ASSERT_EQ(measure.stages[1].redirections.size(), 1u);
  EXPECT_EQ(measure.stages[1].redirections[0].target, R"(.\skindata\temp\CS1info.txt)");
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

  CommandLine quoted = parse_command_line(R"(findstr "a|b" < "in file.txt")");
  ASSERT_EQ(quoted.stages.size(), 1u);
  EXPECT_EQ(texts(quoted.stages[0]), (std::vector<std::string>{"findstr", "a|b"}));
  EXPECT_EQ(quoted.stages[0].redirections[0].stream, 0);
  EXPECT_EQ(quoted.stages[0].redirections[0].target, "in file.txt");

  EXPECT_TRUE(is_null_device("NUL"));
  EXPECT_TRUE(is_null_device("nul"));
  EXPECT_TRUE(is_null_device("Nul:"));
  EXPECT_FALSE(is_null_device("NULL"));
  EXPECT_FALSE(is_null_device("NUL.txt"));
}

TEST(CommandLineTest, ToleratesOrRefusesMalformedLines) {
  CommandLine empty = parse_command_line("  ");
  EXPECT_TRUE(empty.stages.empty());
  EXPECT_EQ(empty.error, "");

  CommandLine unclosed = parse_command_line(R"(del ".\My Skin\a b.txt >NUL)");
  ASSERT_EQ(unclosed.stages.size(), 1u);
  EXPECT_EQ(texts(unclosed.stages[0]),
            (std::vector<std::string>{"del", R"(.\My Skin\a b.txt >NUL)"}));
  EXPECT_TRUE(unclosed.stages[0].redirections.empty());

  EXPECT_EQ(parse_command_line("| findstr #").error, "| was unexpected at this time.");
  EXPECT_EQ(parse_command_line("tool |").error, "| was unexpected at this time.");
  EXPECT_EQ(parse_command_line("tool || other").error, "| was unexpected at this time.");
  EXPECT_EQ(parse_command_line("tool >").error, "The syntax of the command is incorrect.");
  EXPECT_EQ(parse_command_line("tool 2> | x").error, "The syntax of the command is incorrect.");
  EXPECT_TRUE(parse_command_line("tool >").stages.empty());
}

}  // namespace
