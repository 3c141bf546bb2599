#include "wizard/skin_paths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/test_support.h"

namespace {

namespace fs = std::filesystem;

// POSIX counts only the paths below the working folder, which a skin name
// short enough for the commands always fits: tests/deep_folder_test.cc
// builds a skin in a working folder deeper than PATH_MAX. Windows counts
// the working folder too.
#ifdef _WIN32

// The template's deepest image, 71 characters inside the skin folder.
const char kDeepest[] = "Images/Animations/KVL-Btn-EditMasterCS1/KVL-Btn-EditMasterCS1-Small.png";

class SkinPathsTest : public WorkingFolderTest {
 protected:
  // Makes a folder below the current one whose full path is `length`
  // characters long, and works in it with a template.
  void work_in_folder_of_length(size_t length) {
    size_t current = fs::current_path().native().size();
    ASSERT_LT(current + 1, length);
    fs::path below(std::string(length - current - 1, 'w'));
    fs::create_directory(below);
    fs::current_path(below);
    ASSERT_EQ(length, fs::current_path().native().size());
    write_file(std::string("skindata/SkinTemplate/") + kDeepest, "image");
  }
  static std::string problem_of(const SkinSettings& settings) {
    std::string problem = skin_path_problem(settings);
    return problem.empty() ? "fits" : problem;
  }
  static std::string too_long(const std::string& what, size_t length, const char* remedy) {
    return what + " have paths of up to " + std::to_string(length) +
           " characters, more than the 259 the system allows: " + remedy +
           "start the program in a folder nearer the root of the disk.";
  }
};

const char kShorterName[] = "choose a shorter skin name, or ";

// In a working folder of 160 characters the template's deepest image lies
// at 160 + "\skindata\SkinTemplate\" + 71 = 254, within the 259. A skin Ocean
// fits (238), but not once an older Ocean is kept in
// skindata\temp\previous (23 more), nor under a name of 40 characters; 10
// characters deeper the template itself is out of reach.
TEST_F(SkinPathsTest, PathsPastTheSystemsLimitAreToldBeforeTheBuild) {
  work_in_folder_of_length(160);
  SkinSettings settings = design_settings(kStandardMulti);
  set_skin_name(settings, "Ocean");
  EXPECT_EQ("fits", problem_of(settings));
  fs::create_directories("Ocean/Images");
  fs::create_directories("Ocean/Scripts");
  EXPECT_EQ(too_long("The skin's files would", 261, kShorterName), problem_of(settings));
  set_skin_name(settings, std::string(40, 'n').c_str());
  EXPECT_EQ(too_long("The skin's files would", 273, kShorterName), problem_of(settings));
  work_in_folder_of_length(170);
  EXPECT_EQ(too_long("The files in skindata", 264, ""), problem_of(settings));
}

#endif

}  // namespace
