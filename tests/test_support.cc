#include "tests/test_support.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "platform/child_process.h"
#include "platform/image_tools.h"
#include "platform/native_path.h"
#include "platform/shell.h"
#include "wizard/prompts.h"

namespace fs = std::filesystem;

std::vector<std::string>& recorded_commands() {
  static std::vector<std::string> lines;
  return lines;
}

int record_command(const char* line) {
  recorded_commands().push_back(line);
  return 0;
}

namespace {

// A new folder of a random name; create_directory tells whether it was new.
std::string new_temporary_folder() {
  static std::mt19937_64 draw{std::random_device{}()};
  for (int attempt = 0; attempt < 100; ++attempt) {
    fs::path folder =
        fs::temp_directory_path() / ("skinbuilder-test-" + std::to_string(draw() % 1000000000));
    std::error_code failed;
    if (fs::create_directory(folder, failed)) return folder.string();
  }
  std::abort();
}

}  // namespace

ScratchFolder::ScratchFolder(bool enter) {
  path_ = new_temporary_folder();
  if (enter) previous_ = fs::current_path().string();
  if (enter) fs::current_path(path_);
}

ScratchFolder::~ScratchFolder() {
  if (!previous_.empty()) fs::current_path(previous_);
  std::error_code ignored;
  fs::remove_all(path_, ignored);
}

Printed interpret(const std::string& line) {
  testing::internal::CaptureStderr();
  std::string out = stdout_of([&] { run_shell_line(line.c_str()); });
  return Printed{out, testing::internal::GetCapturedStderr()};
}

DialogueTest::~DialogueTest() {
  if (capturing_) printed();
  set_answer_input(nullptr);
  if (input_ != nullptr) std::fclose(input_);
}

void DialogueTest::feed(const std::string& answers) {
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

std::string DialogueTest::printed() {
  capturing_ = false;
  return testing::internal::GetCapturedStdout();
}

SkinSettings design_settings(int32_t design) {
  SkinSettings settings;
  init_settings(settings);
  settings.design_choice = design;
  apply_design_defaults(settings);
  return settings;
}

std::string record_bytes(const SkinSettings& settings, size_t size) {
  return std::string(reinterpret_cast<const char*>(settings_bytes(settings)), size);
}

void write_file(const std::string& path, const std::string& text) {
  fs::path file = native_path(path.c_str());
  if (file.has_parent_path()) fs::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary) << text;
}

std::string read_file(const std::string& path) {
  std::ostringstream text;
  text << std::ifstream(native_path(path.c_str()), std::ios::binary).rdbuf();
  return text.str();
}

std::string read_text_file(const std::string& path) {
  std::ostringstream text;
  text << std::ifstream(native_path(path.c_str())).rdbuf();
  return text.str();
}

std::string image_tool_report_line() {
  int major = 0;
  return "The image tool was skindata/mogrify, " +
         version_from_text(command_output("/usr/bin/mogrify -version"), &major) + ".\n";
}

void install_stand_in(const std::string& path) {
#ifdef _WIN32
  fs::path program = path + ".exe";
#else
  fs::path program = path;
#endif
  if (program.has_parent_path()) fs::create_directories(program.parent_path());
  std::error_code missing;
  fs::remove(program, missing);  // MinGW's copy_file overwrites nothing
  fs::copy_file(STAND_IN_TOOL_BIN, program);
}

std::vector<std::string> names_in(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code missing;
  for (const auto& entry : fs::directory_iterator(folder, missing)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::map<std::string, std::string> tree_content(const std::string& folder) {
  std::map<std::string, std::string> content;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    // Lexically: a link inside is an entry of its own, not where it leads.
    std::string relative = entry.path().lexically_relative(folder).generic_string();
    content[relative] = entry.is_regular_file() ? read_file(entry.path().string()) : "<folder>";
  }
  return content;
}

std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

size_t count_of(const std::string& text, const std::string& part) {
  size_t count = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

namespace {

std::string& home_of_runs() {
  static ScratchFolder empty_home(false);
  static std::string home = empty_home.path();
  return home;
}

// What every program a test starts sees of the user (WizardHome).
struct IsolatedEnvironment {
  ScopedVariable home{"HOME", home_of_runs().c_str()};
  ScopedVariable wine_prefix{"WINEPREFIX", nullptr};
  ScopedVariable themes{"SKINBUILDER_THEMES", nullptr};
};

}  // namespace

WizardHome::WizardHome(const std::string& folder) : previous_(home_of_runs()) {
  home_of_runs() = folder;
}

WizardHome::~WizardHome() {
  home_of_runs() = previous_;
}

std::string command_output(const std::string& command) {
  IsolatedEnvironment isolated;
  return shell_output(command);
}

std::string measured_colour(const std::string& image, const std::string& identify) {
  std::string line = command_output(identify + " -verbose '" + image + "' | grep -m1 '#'");
  size_t hash = line.find('#');
  return hash == std::string::npos || line.size() < hash + 7 ? "" : line.substr(hash + 1, 6);
}

namespace {

void put_big_endian(std::string& bytes, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) bytes += static_cast<char>((value >> shift) & 0xFF);
}

// Bit by bit, unlike the program's table: an independent check.
std::uint32_t crc32_of(const std::string& bytes) {
  std::uint32_t crc = 0xFFFFFFFFu;
  for (unsigned char byte : bytes) {
    crc ^= byte;
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

void put_chunk(std::string& png, const std::string& type, const std::string& data) {
  put_big_endian(png, static_cast<std::uint32_t>(data.size()));
  png += type + data;
  put_big_endian(png, crc32_of(type + data));
}

// A zlib stream of stored (uncompressed) blocks.
std::string stored_zlib(const std::string& raw) {
  std::string out = "\x78\x01";
  std::uint32_t a = 1, b = 0;
  for (unsigned char byte : raw) {
    a = (a + byte) % 65521;
    b = (b + a) % 65521;
  }
  size_t at = 0;
  do {
    size_t length = std::min<size_t>(raw.size() - at, 65535);
    out += static_cast<char>(at + length == raw.size() ? 1 : 0);
    out += static_cast<char>(length & 0xFF);
    out += static_cast<char>(length >> 8);
    out += static_cast<char>(~length & 0xFF);
    out += static_cast<char>((~length >> 8) & 0xFF);
    out += raw.substr(at, length);
    at += length;
  } while (at < raw.size());
  put_big_endian(out, (b << 16) | a);
  return out;
}

}  // namespace

std::string png_of_type(std::uint32_t width, std::uint32_t height, int depth, int colour_type,
                        const std::string& samples, const std::vector<PngChunk>& chunks) {
  const int channels[] = {1, 0, 3, 1, 2, 0, 4};
  size_t row_bytes = (size_t{width} * channels[colour_type] * depth + 7) / 8;
  std::string png = "\x89PNG\r\n\x1a\n";
  std::string header;
  put_big_endian(header, width);
  put_big_endian(header, height);
  header += static_cast<char>(depth);
  header += static_cast<char>(colour_type);
  header += std::string(3, '\0');  // deflate, filter method 0, no interlace
  put_chunk(png, "IHDR", header);
  for (const PngChunk& chunk : chunks) put_chunk(png, chunk.type, chunk.data);
  std::string rows;  // each row: filter 0, then its samples
  for (size_t at = 0; at < samples.size(); at += std::max<size_t>(row_bytes, 1)) {
    rows += '\0' + samples.substr(at, row_bytes);
  }
  put_chunk(png, "IDAT", stored_zlib(rows));
  put_chunk(png, "IEND", "");
  return png;
}

std::string png_image(std::uint32_t width, std::uint32_t height, const std::string& rgba) {
  return png_of_type(width, height, 8, 6, rgba);
}

std::string png_image(std::uint32_t width, std::uint32_t height) {
  std::string rgba;
  for (std::uint64_t n = 0; n < std::uint64_t{width} * height; ++n) rgba += "\x58\x98\xec\xff";
  return png_image(width, height, rgba);
}

std::string make_skindata(const std::string& folder, bool small) {
  std::string command =
      std::string(MAKE_SKINDATA_BIN) + (small ? " --small '" : " '") + folder + "' >/dev/null";
  return fs::exists(MAKE_SKINDATA_BIN) && std::system(command.c_str()) == 0 ? folder : "";
}

const std::string& small_skindata() {
  static ScratchFolder parent(false);
  static const std::string folder = make_skindata(parent.path() + "/skindata", true);
  return folder;
}

Workspace::Workspace(const std::string& below)
    : run_folder_(below.empty() ? path() : path() + "/" + below) {
  fs::create_directories(run_folder_ + "/Presets");
  if (!small_skindata().empty()) {
    fs::copy(small_skindata(), run_folder_ + "/skindata", fs::copy_options::recursive);
  }
}

WizardRun run_wizard_in(const std::string& folder, const std::string& input, int limit_seconds,
                        ErrorOutput errors, const std::string& program) {
  IsolatedEnvironment isolated;
  ChildRun child =
      run_child(program.empty() ? SKINBUILDER_BIN : program, folder, input, limit_seconds, errors);
  return WizardRun{child.exit_code, child.output, child.errors};
}

std::string copy_of_program(const std::string& folder) {
  fs::path program(SKINBUILDER_BIN);
  fs::path copy = fs::path(folder) / program.filename();
  fs::copy_file(program, copy);
  return copy.string();
}

void wrap_tool(const std::string& workspace, const char* tool, const std::string& body) {
  std::string path = workspace + "/skindata/" + tool;
  fs::rename(path, path + "-real");
  std::ofstream(path) << "#!/bin/sh\nreal=\"$(dirname \"$0\")/" << tool << "-real\"\n" << body;
  fs::permissions(path, fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec,
                  fs::perm_options::add);
}

void slow_first_image_command(const std::string& workspace, int seconds) {
  wrap_tool(workspace, "mogrify",
            "if [ \"$1\" != -version ] && [ ! -e \"$real.slowed\" ]; then\n"
            "  touch \"$real.slowed\" \"$(dirname \"$0\")/temp/marker\"\n"
            "  sleep " +
                std::to_string(seconds) +
                "\n"
                "fi\n"
                "exec \"$real\" \"$@\"\n");
}

std::string run_script(const std::string& folder, const std::string& script) {
  std::string path = folder + "/../script-" + fs::path(folder).filename().string() + ".sh";
  std::ofstream(path) << "set -u\ncd '" << folder << "'\nBIN='" << SKINBUILDER_BIN << "'\n"
                      << "wait_for() { for i in $(seq 600); do [ -e \"$1\" ] && return; "
                         "sleep 0.05; done; }\n"
                      << script;
  std::string output = command_output("bash '" + path + "'");
  fs::remove(path);
  return output;
}

SmallDisk::SmallDisk() : folder_(false) {
  mounted_ = command_output("mount -t tmpfs -o size=24m tmpfs '" + folder_.path() +
                            "' 2>&1 && echo mounted") == "mounted\n";
}

SmallDisk::~SmallDisk() {
  if (mounted_) command_output("umount '" + folder_.path() + "'");
}

void SmallDisk::shrink_to_leave(std::uintmax_t room) {
  fs::space_info space = fs::space(path());
  std::uintmax_t size_kb = (space.capacity - space.available + room) / 1024;
  command_output("mount -o remount,size=" + std::to_string(size_kb) + "k '" + path() + "'");
}

OtherFileSystemFolder::OtherFileSystemFolder() {
  ScratchFolder here(false);
  std::string there = "/dev/shm/" + fs::path(here.path()).filename().string();
  struct stat one, two;
  std::error_code failure;
  if (stat(here.path().c_str(), &one) != 0 || !fs::create_directory(there, failure)) return;
  path_ = there;
  if (stat(there.c_str(), &two) != 0 || one.st_dev == two.st_dev) {
    fs::remove(there, failure);
    path_.clear();
  }
}

OtherFileSystemFolder::~OtherFileSystemFolder() {
  std::error_code ignored;
  if (!path_.empty()) fs::remove_all(path_, ignored);
}
