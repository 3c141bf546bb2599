#include "platform/image_library.h"

#include <cstdio>

#include "platform/image_tools.h"

#if defined(SKINBUILDER_IMAGE_LIBRARY)
#include <wand/MagickWand.h>
#endif

#if defined(SKINBUILDER_IMAGE_LIBRARY)

namespace {

void start_library() {
  static bool started = false;
  if (started) return;
  // "mogrify" names the messages as the tool's; the program keeps its own
  // signal handlers.
  MagickCoreGenesis("mogrify", MagickFalse);
  SetClientName("mogrify");
  started = true;
}

std::vector<std::string> command_words(const std::vector<std::string>& line_words) {
  std::vector<std::string> words = {"mogrify"};
  std::string options = kMogrifyOptions;
  for (size_t start = 0; start < options.size();) {
    size_t end = options.find(' ', start);
    if (end == std::string::npos) end = options.size();
    words.push_back(options.substr(start, end - start));
    start = end + 1;
  }
  words.insert(words.end(), line_words.begin(), line_words.end());
  return words;
}

}  // namespace

int image_library_version() {
  return MagickLibVersion >> 8;
}

bool run_mogrify_in_process(const std::vector<std::string>& line_words, int* exit_code) {
  start_library();
  std::vector<std::string> words = command_words(line_words);
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(&word[0]);
  argv.push_back(nullptr);
  std::fflush(stdout);
  ImageInfo* image_info = AcquireImageInfo();
  ExceptionInfo* exception = AcquireExceptionInfo();
  MagickBooleanType status =
      MagickCommandGenesis(image_info, MogrifyImageCommand, static_cast<int>(words.size()),
                           argv.data(), nullptr, exception);
  if (exception->severity != UndefinedException) CatchException(exception);
  DestroyExceptionInfo(exception);
  DestroyImageInfo(image_info);
  std::fflush(stderr);
  *exit_code = status != MagickFalse ? 0 : 1;
  return true;
}

#else

int image_library_version() {
  return 0;
}

bool run_mogrify_in_process(const std::vector<std::string>&, int*) {
  return false;
}

#endif
