#include "assembly/build_state.h"

#include <filesystem>
#include <vector>

#include "platform/atomic_file.h"
#include "platform/file_system.h"
#include "platform/native_path.h"
#include "platform/regular_file.h"

namespace {

// The first line names the format: a file of another version is unknown,
// never half understood.
const char kFormatLine[] = "skinbuilder build state 1";

const char* const kStageWords[] = {"keeping aside", "building", "restoring", "discarding"};
constexpr size_t kLongestName = 255;

// The name is joined to the working folder and removed or moved: only a
// plain name of one folder in it will do.
bool plain_folder_name(const std::string& name) {
  if (name.empty() || name.size() > kLongestName || name == "." || name == "..") return false;
  for (char c : name) {
    unsigned char byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7f) return false;
    if (std::string("\\/:*?\"<>|").find(c) != std::string::npos) return false;
  }
  return true;
}

bool parse_stage(const std::string& word, BuildStage& stage) {
  for (size_t i = 0; i < sizeof kStageWords / sizeof kStageWords[0]; ++i) {
    if (word == kStageWords[i]) {
      stage = static_cast<BuildStage>(i);
      return true;
    }
  }
  return false;
}

// The lines of a text that ends with a line break; none when it does not.
std::vector<std::string> whole_lines(const std::string& bytes) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end = bytes.find('\n'); end != std::string::npos; end = bytes.find('\n', start)) {
    lines.push_back(bytes.substr(start, end - start));
    start = end + 1;
  }
  if (start != bytes.size()) lines.clear();
  return lines;
}

std::string state_path() {
  return native_path(kBuildStateFile);
}

}  // namespace

std::string build_state_text(const BuildState& state) {
  return std::string(kFormatLine) + "\n" + kStageWords[static_cast<int>(state.stage)] + "\n" +
         (state.kept ? "kept" : "new") + "\n" + state.skin_name + "\n";
}

bool parse_build_state(const std::string& bytes, BuildState& state) {
  if (bytes.size() > kMaxStateBytes) return false;
  std::vector<std::string> lines = whole_lines(bytes);
  if (lines.size() != 4 || lines[0] != kFormatLine) return false;
  BuildState found;
  if (!parse_stage(lines[1], found.stage)) return false;
  if (lines[2] != "kept" && lines[2] != "new") return false;
  found.kept = lines[2] == "kept";
  if (!plain_folder_name(lines[3])) return false;
  found.skin_name = lines[3];
  state = found;
  return true;
}

bool record_build_state(const BuildState& state, std::error_code& failure) {
  return write_file_atomically(state_path(), build_state_text(state), failure);
}

void clear_build_state() {
  std::error_code ignored;
  std::filesystem::remove(fs_path(state_path()), ignored);
}

StateFound read_build_state(BuildState& state) {
  std::string bytes;
  // One byte past the limit tells a file that is too long from one that
  // just fits.
  FileRead read = read_regular_file(state_path().c_str(), kMaxStateBytes + 1, bytes);
  if (read == FileRead::kMissing) return StateFound::kNone;
  if (read != FileRead::kRead) return StateFound::kUnknown;
  return parse_build_state(bytes, state) ? StateFound::kKnown : StateFound::kUnknown;
}
