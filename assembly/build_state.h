// Where a build stands, on the disk, so that the next run knows what the
// folders hold after a build that never ended (the program killed, the
// power lost).
//
// The build writes skindata\temp\build-state.txt before each step that
// changes the user's folders (assembly/previous_skin.h), each time as a
// whole (platform/file_moves.h), and removes it when the build has ended.
// The file is read back as any outside input: at most kMaxStateBytes, any
// bytes; what is not exactly a state this program writes is unknown.
#ifndef SKINBUILDER_ASSEMBLY_BUILD_STATE_H_
#define SKINBUILDER_ASSEMBLY_BUILD_STATE_H_

#include <cstddef>
#include <string>
#include <system_error>

enum class BuildStage {
  // The previous skin is being moved into skindata\temp\previous. Until
  // the move has ended, the skin folder is still the user's skin (across
  // file systems the move is a copy, and the copy may be partial).
  kKeepingAside,
  // The previous skin, if any, lies whole in skindata\temp\previous; the
  // skin folder is half-made.
  kBuilding,
  // The build failed or was interrupted: the half-made folder is being
  // removed and the previous skin moved back. The kept copy still counts.
  kRestoring,
  // The skin folder is what stays (a new skin that passed its check, or
  // the previous one put back whole); what is left of the kept copy goes.
  kDiscarding,
};

struct BuildState {
  BuildStage stage = BuildStage::kBuilding;
  bool kept = false;  // a previous skin was kept aside (else a first build)
  std::string skin_name;
};

inline constexpr char kBuildStateFile[] = ".\\skindata\\temp\\build-state.txt";
inline constexpr size_t kMaxStateBytes = 1024;

// The file's text, and the state it holds; false when the bytes are not
// exactly a state (another version's file, a damaged one, a skin name that
// is not a plain folder name of the working folder).
std::string build_state_text(const BuildState& state);
bool parse_build_state(const std::string& bytes, BuildState& state);

// False, with `failure`, when the file could not be written; it then holds
// what it held.
bool record_build_state(const BuildState& state, std::error_code& failure);
void clear_build_state();

enum class StateFound {
  kNone,     // no build left anything to finish
  kKnown,    // state holds what the file says
  kUnknown,  // a file is there but holds no state of this program's
};
StateFound read_build_state(BuildState& state);

#endif  // SKINBUILDER_ASSEMBLY_BUILD_STATE_H_
