// For tests: a fresh temporary folder that is the working folder while one
// test runs, and small helpers to lay out and read files in it (POSIX).
#ifndef SKINBUILDER_PLATFORM_TEST_FOLDER_H_
#define SKINBUILDER_PLATFORM_TEST_FOLDER_H_

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

class TempFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/skinbuilder-test-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    folder_ = pattern;
    previous_ = std::filesystem::current_path();
    ASSERT_EQ(chdir(folder_.c_str()), 0);
  }
  void TearDown() override {
    ASSERT_EQ(chdir(previous_.c_str()), 0);
    std::filesystem::remove_all(folder_);
  }
  std::string folder_;
  std::string previous_;
};

// Writes a file, making the folders above it.
inline void write_file(const std::string& path, const std::string& text) {
  std::filesystem::path file(path);
  if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path());
  std::ofstream(path, std::ios::binary) << text;
}

inline std::string read_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// The names in a folder, sorted; none when it does not exist.
inline std::vector<std::string> names_in(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code failure;
  for (const auto& entry : std::filesystem::directory_iterator(folder, failure)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

#endif  // SKINBUILDER_PLATFORM_TEST_FOLDER_H_
