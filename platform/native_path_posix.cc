#include "platform/native_path.h"
#include "platform/paths.h"

std::string native_path(const char* path) {
  return find_path(local_path(path));
}
