// For tests of the question stages: scripted answers, recorded command
// lines and the printed text of one dialogue, and a scratch working folder.
#ifndef SKINBUILDER_WIZARD_DIALOGUE_TEST_SUPPORT_H_
#define SKINBUILDER_WIZARD_DIALOGUE_TEST_SUPPORT_H_

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "assembly/commands.h"
#include "settings/skin_settings.h"
#include "wizard/prompts.h"

inline std::vector<std::string>& recorded_commands() {
  static std::vector<std::string> lines;
  return lines;
}

inline void record_command(const char* line) {
  recorded_commands().push_back(line);
}

// Each test starts from a fresh record; feed() hands in the answers, and
// everything printed until printed() is captured. Commands are recorded,
// never run.
class DialogueTest : public ::testing::Test {
 protected:
  void SetUp() override {
    recorded_commands().clear();
    previous_runner_ = set_command_runner(record_command);
    init_settings(settings_);
  }
  void TearDown() override {
    if (capturing_) printed();
    set_command_runner(previous_runner_);
    set_answer_input(nullptr);
    if (input_ != nullptr) std::fclose(input_);
  }
  void feed(const std::string& answers) {
    if (capturing_) printed();
    if (input_ != nullptr) std::fclose(input_);
    input_ = std::tmpfile();
    ASSERT_NE(input_, nullptr);
    std::fwrite(answers.data(), 1, answers.size(), input_);
    std::rewind(input_);
    set_answer_input(input_);
    testing::internal::CaptureStdout();
    capturing_ = true;
  }
  std::string printed() {
    capturing_ = false;
    return testing::internal::GetCapturedStdout();
  }
  const std::vector<std::string>& commands() const { return recorded_commands(); }

  SkinSettings settings_;

 private:
  FILE* input_ = nullptr;
  bool capturing_ = false;
  CommandRunner previous_runner_ = nullptr;
};

// A fresh empty folder that is the working folder while one test runs.
class WorkingFolderTest : public DialogueTest {
 protected:
  void SetUp() override {
    DialogueTest::SetUp();
    previous_folder_ = std::filesystem::current_path();
    folder_ = std::filesystem::temp_directory_path() /
              ("skinbuilder-dialogue-" +
               std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
    std::filesystem::current_path(folder_);
  }
  void TearDown() override {
    std::filesystem::current_path(previous_folder_);
    std::filesystem::remove_all(folder_);
    DialogueTest::TearDown();
  }
  std::filesystem::path folder_;
  std::filesystem::path previous_folder_;
};

#endif  // SKINBUILDER_WIZARD_DIALOGUE_TEST_SUPPORT_H_
