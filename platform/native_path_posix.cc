#include "platform/native_path.h"

// TODO(integration): resolve existing parts in any letter case, sharing the
// interpreter's resolver.
std::string native_path(const char* path) {
  std::string result(path);
  for (char& c : result) {
    if (c == '\\') c = '/';
  }
  return result;
}
