#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include "platform/file_system.h"
#include "platform/path_limits.h"

namespace {

// A folder's path keeps room for a name of 8.3 characters and its separator.
constexpr size_t kShortNameRoom = 12;

}  // namespace

PathLimits path_limits() {
  return PathLimits{MAX_PATH - 1, MAX_PATH - kShortNameRoom - 1, 255};
}

// GetFullPathNameW with no buffer gives the size the full path needs,
// its NUL included; it counts without looking at the disk.
size_t counted_path_length(const std::string& local) {
  std::wstring wide = fs_path(local).wstring();
  DWORD size = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
  return size > 0 ? size - 1 : wide.size();
}
