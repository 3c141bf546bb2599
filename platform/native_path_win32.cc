#include "platform/native_path.h"

std::string native_path(const char* path) {
  return path;
}
