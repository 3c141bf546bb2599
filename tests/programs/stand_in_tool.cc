// A stand-in for the programs that command lines start, for the tests of
// the interpreter on every system (a shell script would do on POSIX only).
// Tests copy it under the name of the program it stands for, and its name
// says what it does:
//   mogrify   notes each run in calls.log ("LIMIT|arguments", LIMIT being
//             MAGICK_THREAD_LIMIT or "none"), complains about an option on
//             standard error and prints "treated PATH" for each argument
//             that is a path in the working folder;
//   identify  prints a verbose report of which only some lines hold "#",
//             the first of them a colour, as in ImageMagick's (so that a
//             skin built with the stand-ins measures #5898EC);
//   tool      ends with the exit status its first argument gives;
//   hang      sleeps until it is stopped, as a tool that never returns,
//             once it has written its process id to the file hang.running;
//   stubborn  the same (stubborn.running), but ignores Ctrl-C and SIGTERM
//             (and SIGHUP where there is one), so only a kill ends it;
//   anything else prints its arguments, one per line.
// Asked for -version, each prints "Version: ImageMagick " and the value of
// STAND_IN_VERSION when that is set, and nothing else.
//
// With STAND_IN_FAULT set, mogrify and identify are instead faulty versions
// of the real tool, which they find beside them under their own path with
// "-real" after it and hand every run over to (POSIX only), -version too:
//   mogrify   transparent  the images come out fully transparent
//             opaque       their transparency is removed
//             grey         their colour is taken out
//             unchanged    nothing is handed over: the images stay as they are
//             fail         nothing is handed over: "mogrify: no luck" on
//                          standard error, exit status 1
//   identify  warn-hash    a warning holding '#' comes before the report
//             bad-code     the report's only colour is #GGHHII
//   either    hang, stubborn  acts as the stand-in of that name
// A fault of the other tool hands the run over unchanged.
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <process.h>
#else
#include <unistd.h>
#endif

namespace {

std::string base_name(const char* path) {
  std::string name = path;
  size_t separator = name.find_last_of("/\\");
  if (separator != std::string::npos) name = name.substr(separator + 1);
  size_t dot = name.rfind('.');
  if (dot != std::string::npos && dot > 0) name = name.substr(0, dot);
  return name;
}

std::string joined(int argc, char** argv) {
  std::string text;
  for (int i = 1; i < argc; ++i) text += (i > 1 ? " " : "") + std::string(argv[i]);
  return text;
}

int act_as_mogrify(int argc, char** argv) {
  const char* limit = std::getenv("MAGICK_THREAD_LIMIT");
  if (std::FILE* log = std::fopen("calls.log", "ab")) {
    std::fprintf(log, "%s|%s\n", limit != nullptr ? limit : "none", joined(argc, argv).c_str());
    std::fclose(log);
  }
  std::fprintf(stderr, "mogrify: unrecognized option -x\n");
  for (int i = 1; i < argc; ++i) {
    if (std::string(argv[i]).compare(0, 2, "./") == 0) std::printf("treated %s\n", argv[i]);
  }
  return 0;
}

int act_as_identify(int argc, char** argv) {
  std::printf("Image: %s\n", argc > 2 ? argv[2] : "");
  std::printf("  Colors: 1\n");
  std::printf("      100: (88,152,236) #5898EC srgb(88,152,236)\n");
  std::printf("  # arguments: %s\n", joined(argc, argv).c_str());
  return 0;
}

// Runs the real tool in this process's place, with the options put in
// before the last argument (mogrify's files).
int hand_over(int argc, char** argv, const std::vector<std::string>& options) {
#ifdef _WIN32
  (void)argc;
  (void)options;
  std::fprintf(stderr, "%s: a faulty tool hands over to the real one on POSIX only\n", argv[0]);
  return 1;
#else
  std::vector<std::string> words = {std::string(argv[0]) + "-real"};
  words.insert(words.end(), argv + 1, argv + argc);
  words.insert(words.end() - (argc > 1 ? 1 : 0), options.begin(), options.end());
  std::vector<char*> arguments;
  for (std::string& word : words) arguments.push_back(word.data());
  arguments.push_back(nullptr);
  std::fflush(stdout);
  execv(arguments[0], arguments.data());
  std::perror(arguments[0]);
  return 127;
#endif
}

[[noreturn]] void sleep_forever(const std::string& name);
void ignore_interruptions();

int act_with_fault(const std::string& name, const std::string& fault, int argc, char** argv) {
  bool version = argc == 2 && std::string(argv[1]) == "-version";
  if (version) return hand_over(argc, argv, {});
  if (name == "mogrify" && fault == "transparent") {
    return hand_over(argc, argv, {"-channel", "A", "-evaluate", "set", "0", "+channel"});
  }
  if (name == "mogrify" && fault == "opaque") return hand_over(argc, argv, {"-alpha", "off"});
  if (name == "mogrify" && fault == "grey") return hand_over(argc, argv, {"-colorspace", "Gray"});
  if (name == "mogrify" && fault == "unchanged") return 0;
  if (name == "mogrify" && fault == "fail") {
    std::fprintf(stderr, "mogrify: no luck\n");
    return 1;
  }
  if (fault == "stubborn") ignore_interruptions();
  if (fault == "hang" || fault == "stubborn") sleep_forever(fault);
  if (name == "identify" && fault == "warn-hash") {
    std::printf("identify: warning: frame #1 in memory ignored\n");
  }
  if (name == "identify" && fault == "bad-code") {
    std::printf("Image: %s\n  Colors: 1\n      100: (88,152,236) #GGHHII srgb(88,152,236)\n",
                argv[argc - 1]);
    return 0;
  }
  return hand_over(argc, argv, {});
}

[[noreturn]] void sleep_forever(const std::string& name) {
  if (std::FILE* marker = std::fopen((name + ".running").c_str(), "wb")) {
    std::fprintf(marker, "%ld\n", static_cast<long>(getpid()));
    std::fclose(marker);
  }
  for (;;) std::this_thread::sleep_for(std::chrono::hours(1));
}

void ignore_interruptions() {
  std::signal(SIGINT, SIG_IGN);
  std::signal(SIGTERM, SIG_IGN);
#ifdef SIGHUP
  std::signal(SIGHUP, SIG_IGN);
#endif
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
  // Lines end in "\n" alone, as the real tools write them.
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
#endif
  std::string name = base_name(argv[0]);
  const char* fault = std::getenv("STAND_IN_FAULT");
  if (fault != nullptr && (name == "mogrify" || name == "identify")) {
    return act_with_fault(name, fault, argc, argv);
  }
  if (argc == 2 && std::string(argv[1]) == "-version") {
    if (const char* version = std::getenv("STAND_IN_VERSION")) {
      std::printf("Version: ImageMagick %s\n", version);
    }
    return 0;
  }
  if (name == "mogrify") return act_as_mogrify(argc, argv);
  if (name == "identify") return act_as_identify(argc, argv);
  if (name == "tool") return argc > 1 ? std::atoi(argv[1]) : 0;
  if (name == "stubborn") ignore_interruptions();
  if (name == "hang" || name == "stubborn") sleep_forever(name);
  for (int i = 1; i < argc; ++i) std::printf("%s\n", argv[i]);
  return 0;
}
