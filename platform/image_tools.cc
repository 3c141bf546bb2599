#include "platform/image_tools.h"

#include <filesystem>
#include <map>
#include <system_error>

#include "platform/descriptors.h"
#include "platform/file_system.h"
#include "platform/launcher.h"
#include "platform/paths.h"
#include "platform/wildcard.h"

const char kMogrifyOptions[] = "-define png:exclude-chunk=date,time";
const char kImageMagick7Before[] = "-channel RGB";
const char kImageMagick7After[] = "-evaluate max 0 -evaluate min 100% +channel";

namespace {

std::vector<std::string> words_of(const std::string& text) {
  std::vector<std::string> words;
  for (size_t start = 0; start < text.size();) {
    size_t end = text.find(' ', start);
    if (end == std::string::npos) end = text.size();
    if (end > start) words.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return words;
}

// The whole number a text begins with, read no further than 4 digits.
int leading_number(const std::string& text) {
  int number = 0;
  for (size_t i = 0; i < text.size() && i < 4 && text[i] >= '0' && text[i] <= '9'; ++i) {
    number = number * 10 + (text[i] - '0');
  }
  return number;
}

std::string tool_name(ImageToolKind kind) {
  return kind == ImageToolKind::kMogrify ? "mogrify" : "identify";
}

std::vector<std::string> standard_options(ImageToolKind kind) {
  return kind == ImageToolKind::kMogrify ? words_of(kMogrifyOptions) : std::vector<std::string>();
}

ImageTool in_skindata(ImageToolKind kind) {
  ImageTool tool;
  std::string path = find_path("./skindata/" + executable_file_name(tool_name(kind)));
  if (!is_program_file(path)) return tool;
  tool.program = path;
  tool.found_as = shown_path("skindata/" + tool_name(kind));
  tool.in_skindata = true;
  return tool;
}

std::string find_magick() {
  std::string magick = find_program_in_path("magick");
  if (!magick.empty()) return magick;
  for (const std::string& folder : imagemagick_install_folders()) {
    std::string candidate = join_path(folder, executable_file_name("magick"));
    if (is_program_file(candidate)) return candidate;
  }
  return std::string();
}

ImageTool elsewhere(ImageToolKind kind) {
  ImageTool tool;
  std::string magick = find_magick();
  if (!magick.empty()) {
    tool.program = magick;
    tool.leading = {tool_name(kind)};
    tool.found_as = "magick at " + shown_path(magick);
  } else {
    tool.program = find_program_in_path(tool_name(kind));
    if (!tool.found()) return tool;
    tool.found_as = tool_name(kind) + " at " + shown_path(tool.program);
  }
  std::vector<std::string> options = standard_options(kind);
  tool.leading.insert(tool.leading.end(), options.begin(), options.end());
  return tool;
}

// What -version printed, by program file, for as long as the file stays
// the same.
struct KnownVersion {
  std::uintmax_t size = 0;
  std::filesystem::file_time_type changed;
  std::string version;
  int major_version = 0;
};

std::string version_output(const ImageTool& tool) {
  std::vector<std::string> command = {tool.program};
  if (!tool.in_skindata && tool.leading.size() > 0 && tool.leading[0] == tool_name(tool.kind)) {
    command.push_back(tool.leading[0]);
  }
  command.push_back("-version");
  StandardStreams streams;
  streams.input = open_null_device();
  streams.output = make_scratch_file();
  streams.error = streams.input;
  std::string text;
  if (streams.output >= 0 && run_program(command, streams) >= 0) {
    rewind_descriptor(streams.output);
    text = read_all(streams.output);
  }
  if (streams.output >= 0) close_descriptor(streams.output);
  if (streams.input >= 0) close_descriptor(streams.input);
  return text;
}

void learn_version(ImageTool& tool) {
  static std::map<std::string, KnownVersion> known;
  std::error_code error;
  std::filesystem::path file = fs_path(tool.program);
  KnownVersion now;
  now.size = std::filesystem::file_size(file, error);
  now.changed = std::filesystem::last_write_time(file, error);
  auto found = known.find(tool.program);
  if (found == known.end() || found->second.size != now.size ||
      found->second.changed != now.changed) {
    now.version = version_from_text(version_output(tool), &now.major_version);
    found = known.insert_or_assign(tool.program, now).first;
  }
  tool.version = found->second.version;
  tool.major_version = found->second.major_version;
}

// The line's words for ImageMagick 7's mogrify: each of the program's own
// operations wrapped so that it acts as 6's.
std::vector<std::string> as_imagemagick6(const std::vector<std::string>& words) {
  std::vector<std::string> before = words_of(kImageMagick7Before);
  std::vector<std::string> after = words_of(kImageMagick7After);
  std::vector<std::string> result;
  for (size_t i = 0; i < words.size(); ++i) {
    bool wrapped = (words[i] == "-modulate" || words[i] == "-brightness-contrast") &&
                   i + 1 < words.size();
    if (!wrapped) {
      result.push_back(words[i]);
      continue;
    }
    result.insert(result.end(), before.begin(), before.end());
    result.push_back(words[i]);
    result.push_back(words[++i]);
    result.insert(result.end(), after.begin(), after.end());
  }
  return result;
}

}  // namespace

ImageToolKind image_tool_named(const std::string& word) {
  if (same_name_any_case(word, ".\\skindata\\mogrify")) return ImageToolKind::kMogrify;
  if (same_name_any_case(word, ".\\skindata\\identify")) return ImageToolKind::kIdentify;
  return ImageToolKind::kNone;
}

ImageTool find_image_tool(ImageToolKind kind) {
  ImageTool tool = in_skindata(kind);
  if (!tool.found()) tool = elsewhere(kind);
  tool.kind = kind;
  if (tool.found()) learn_version(tool);
  return tool;
}


std::vector<std::string> image_tool_command(const ImageTool& tool,
                                            const std::vector<std::string>& words) {
  std::vector<std::string> command = {tool.program};
  command.insert(command.end(), tool.leading.begin(), tool.leading.end());
  bool seven = tool.kind == ImageToolKind::kMogrify && tool.major_version == 7;
  std::vector<std::string> own = seven ? as_imagemagick6(words) : words;
  command.insert(command.end(), own.begin(), own.end());
  return command;
}

std::string version_from_text(const std::string& text, int* major_version) {
  const std::string mark = "Version: ImageMagick ";
  *major_version = 0;
  for (size_t start = 0; start < text.size();) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.compare(0, mark.size(), mark) == 0) {
      *major_version = leading_number(line.substr(mark.size()));
      std::string version = line.substr(std::string("Version: ").size());
      return version.substr(0, version.find(" http"));
    }
    start = end + 1;
  }
  return std::string();
}
