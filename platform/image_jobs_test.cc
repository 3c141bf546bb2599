#include "platform/image_jobs.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <unistd.h>
#endif

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "tests/test_support.h"

namespace {

const char kJobs[] = "SKINBUILDER_JOBS";

using ImageJobsTest = ScratchFolderTest;

#ifndef _WIN32  // symbolic links, and the system's ImageMagick to compare with
// A valid 1x1 PNG, so that ImageMagick itself can be asked what it takes.
const char kTinyPng[] =
    "\x89PNG\r\n\x1a\n\x00\x00\x00\rIHDR\x00\x00\x00\x01\x00\x00\x00\x01\x08\x06\x00\x00\x00"
    "\x1f\x15\xc4\x89\x00\x00\x00\nIDATx\x9c\x63\x00\x01\x00\x00\x05\x00\x01\r\n-\xb4\x00\x00"
    "\x00\x00IEND\xae\x42`\x82";

std::string tiny_png() {
  return std::string(kTinyPng, sizeof kTinyPng - 1);
}

std::vector<std::string> paths_of(const std::vector<ImageFile>& files) {
  std::vector<std::string> paths;
  for (const ImageFile& file : files) paths.push_back(file.path);
  return paths;
}

// The files ImageMagick's identify takes for a wildcard, in its order.
std::vector<std::string> identify_takes(const std::string& pattern) {
  return lines_of(
      command_output("/usr/bin/identify -format '%i\\n' '" + pattern + "' 2>/dev/null"));
}

TEST_F(ImageJobsTest, ExpandsAWildcardToTheFilesTheToolTakes) {
  for (const char* name : {"b.png", "A.png", "a2.png", "C.PNG", "_x.png", ".hidden.png", "10.png",
                           "9.png", "noext", "x.y.png", "sp ace.png"}) {
    write_file(std::string("Skin/Images/") + name, tiny_png());
  }
  std::filesystem::create_directories("Skin/Images/folder.png");
  symlink("b.png", "Skin/Images/link.png");

  // Letter case counts, '*' takes a leading dot, a folder never counts,
  // names go in order without regard to case.
  std::vector<std::string> expected;
  for (const char* name : {".hidden.png", "10.png", "9.png", "_x.png", "A.png", "a2.png", "b.png",
                           "link.png", "sp ace.png", "x.y.png"}) {
    expected.push_back(std::string("./Skin/Images/") + name);
  }
  EXPECT_EQ(paths_of(expand_tool_wildcard("./Skin/Images/*.png")), expected);
  std::vector<std::string> with_dot = paths_of(expand_tool_wildcard("./Skin/Images/*.*"));
  EXPECT_EQ(with_dot.size(), expected.size() + 1);  // C.PNG; never "noext"
  if (access("/usr/bin/identify", X_OK) == 0) {
    EXPECT_EQ(identify_takes("./Skin/Images/*.png"), expected);
    EXPECT_EQ(identify_takes("./Skin/Images/*.*"), with_dot);
  }
  EXPECT_EQ(expand_tool_wildcard("./Skin/Images/*.png")[0].size, tiny_png().size());

  // Paths left to the tool itself: no match, no folder, other patterns,
  // no wildcard at all.
  for (const char* path : {"./Skin/Images/*.gif", "./Skin/folder*.png", "./Nowhere/*.png",
                           "./Skin/Images/[ab].png", "./Skin/Images/b.png", "./Skin/*/b.png"}) {
    EXPECT_TRUE(expand_tool_wildcard(path).empty()) << path;
  }
}
#endif

TEST(ImageJobs, MatchesLikeTheTool) {
  EXPECT_TRUE(tool_wildcard_match("a*b*c", "axxbyyc"));
  EXPECT_FALSE(tool_wildcard_match("a*b*c", "axxbyy"));
  EXPECT_TRUE(tool_wildcard_match("?.png", "\xc3\xa9.png"));  // one character, two bytes
}

std::vector<ImageFile> files_of_sizes(const std::vector<std::uint64_t>& sizes) {
  std::vector<ImageFile> files;
  for (size_t i = 0; i < sizes.size(); ++i) files.push_back(ImageFile{std::to_string(i), sizes[i]});
  return files;
}

// Every file in exactly one run, the runs in file order.
void expect_covering(const std::vector<FileRun>& runs, size_t count) {
  size_t next = 0;
  for (const FileRun& run : runs) {
    EXPECT_EQ(run.first, next);
    EXPECT_GT(run.count, 0u);
    next = run.first + run.count;
  }
  EXPECT_EQ(next, count);
}

std::uint64_t run_size(const std::vector<ImageFile>& files, const FileRun& run) {
  std::uint64_t size = 0;
  for (size_t i = run.first; i < run.first + run.count; ++i) size += files[i].size;
  return size;
}

TEST(ImageJobs, PartitionsIntoContiguousEvenRuns) {
  // Even files: as many runs as processes, none heavier than it must be.
  std::vector<ImageFile> even = files_of_sizes(std::vector<std::uint64_t>(10, 20000));
  std::vector<FileRun> runs = partition_files(even, 3);
  ASSERT_EQ(runs.size(), 3u);
  expect_covering(runs, 10);
  for (const FileRun& run : runs) EXPECT_LE(run.count, 4u);

  // Files that differ a hundredfold: no run much heavier than the heaviest
  // file, which starts first.
  std::vector<std::uint64_t> sizes = {5000, 500000, 6000, 7000, 480000, 4000, 5000, 300000,
                                      8000, 6000,   5000, 9000, 7000,   6000, 5000, 4000};
  std::vector<ImageFile> mixed = files_of_sizes(sizes);
  runs = partition_files(mixed, 2);
  expect_covering(runs, sizes.size());
  EXPECT_GE(runs.size(), 2u);
  EXPECT_LE(runs.size(), 8u);
  for (const FileRun& run : runs) EXPECT_LE(run_size(mixed, run), 520000u);
  std::vector<size_t> order = start_order(mixed, runs);
  ASSERT_EQ(std::set<size_t>(order.begin(), order.end()).size(), runs.size());
  EXPECT_EQ(run_size(mixed, runs[order[0]]), 500000u);

  // A heavy command gets more runs than processes, at most four each.
  std::vector<ImageFile> heavy = files_of_sizes(std::vector<std::uint64_t>(96, 130000));
  runs = partition_files(heavy, 2);
  expect_covering(runs, 96);
  EXPECT_EQ(runs.size(), 8u);

  // Light commands, one process or one file: nothing to split; never more runs than files.
  EXPECT_EQ(partition_files(files_of_sizes({1000, 2000, 1500}), 4).size(), 1u);
  EXPECT_EQ(partition_files(even, 1).size(), 1u);
  EXPECT_EQ(partition_files(files_of_sizes({400000, 300000}), 8).size(), 2u);
}

TEST(ImageJobs, CountsProcessesFromTheEnvironment) {
  ScopedVariable unset(kJobs, nullptr);
  int processors = image_job_count();
  EXPECT_GE(processors, 1);
  for (std::string value : {"0", "-2", "two", "", "3x", "1", "3"}) {
    ScopedVariable jobs(kJobs, value.c_str());
    EXPECT_EQ(image_job_count(), value == "3" ? 3 : value == "1" ? 1 : processors) << value;
  }
}

// The stand-in notes each run (its thread limit and arguments) in
// calls.log, prints a line per file, and complains about an option on
// standard error as the real tool does.
void write_stand_in_tool() {
  install_stand_in("skindata/mogrify");
}

std::vector<std::string> log_lines() {
  return lines_of(read_file("calls.log"));
}

const char kCommand[] =
    R"(.\skindata\mogrify -quality 80 -modulate 100,50,50 ".\My Skin\Images\Panes\*.png")";

TEST_F(ImageJobsTest, SpreadsACommandOverProcessesAndReplaysTheirOutput) {
  write_stand_in_tool();
  std::vector<std::string> names;
  std::string expected_out;
  for (int i = 10; i < 22; ++i) {
    names.push_back("Pane" + std::to_string(i) + ".png");
    write_file("My Skin/Images/Panes/" + names.back(), std::string(20000, 'x'));
    expected_out += "treated ./My Skin/Images/Panes/" + names.back() + "\n";
  }
  ScopedVariable jobs(kJobs, "3");
  bool limit_before = getenv("MAGICK_THREAD_LIMIT") != nullptr;
  Printed output = interpret(kCommand);

  // Each file treated once, by three processes that run one thread each,
  // with the options in front of their share of the files.
  std::vector<std::string> calls = log_lines();
  ASSERT_EQ(calls.size(), 3u);
  std::string all_calls;
  for (const std::string& call : calls) {
    EXPECT_EQ(call.rfind("1|-quality 80 -modulate 100,50,50 ./My Skin/Images/Panes/Pane", 0), 0u)
        << call;
    all_calls += call + "\n";
  }
  for (const std::string& name : names) EXPECT_EQ(count_of(all_calls, name), 1u) << name;
  EXPECT_EQ(output.out, expected_out);
  EXPECT_EQ(output.err, "mogrify: unrecognized option -x\n");
  EXPECT_EQ(getenv("MAGICK_THREAD_LIMIT") != nullptr, limit_before);

  // Both streams into one place: the complaint still comes once, first.
  std::remove("calls.log");
  Printed joined = interpret(std::string(kCommand) + " 2>&1");
  EXPECT_EQ(joined.out, "mogrify: unrecognized option -x\n" + expected_out);
  EXPECT_EQ(log_lines().size(), 3u);
}

TEST_F(ImageJobsTest, RunsTheCommandUnchangedWhenNotSpreading) {
  write_stand_in_tool();
  for (int i = 0; i < 6; ++i) {
    write_file("My Skin/Images/Panes/P" + std::to_string(i) + ".png", std::string(20000, 'x'));
  }
  write_file("extra.png", "x");
  {
    ScopedVariable one(kJobs, "1");
    interpret(kCommand);
  }
  ScopedVariable four(kJobs, "4");
  // Nothing matched, another word that could be an image of its own, -write, "-".
  for (const char* arguments : {R"(-quality 80 ".\My Skin\Images\Panes\*.gif")",
                                R"(-quality 80 extra.png ".\My Skin\Images\Panes\*.png")",
                                R"(-write out.png ".\My Skin\Images\Panes\*.png")",
                                R"(- ".\My Skin\Images\Panes\*.png")"}) {
    interpret(std::string(R"(.\skindata\mogrify )") + arguments);
  }
  EXPECT_EQ(log_lines(), (std::vector<std::string>{
                             "none|-quality 80 -modulate 100,50,50 ./My Skin/Images/Panes/*.png",
                             "none|-quality 80 ./My Skin/Images/Panes/*.gif",
                             "none|-quality 80 extra.png ./My Skin/Images/Panes/*.png",
                             "none|-write out.png ./My Skin/Images/Panes/*.png",
                             "none|- ./My Skin/Images/Panes/*.png"}));
  std::filesystem::remove_all("skindata");
  ScopedVariable no_imagemagick("PATH", folder_.path().c_str());
  EXPECT_NE(interpret(kCommand).err.find("'.\\skindata\\mogrify' is not recognized"),
            std::string::npos);
}

}  // namespace
