#include <climits>
#include <unistd.h>

#include "platform/path_limits.h"

PathLimits path_limits() {
  long name = pathconf(".", _PC_NAME_MAX);
  size_t longest_name = name > 0 ? static_cast<size_t>(name) : NAME_MAX;
  return PathLimits{PATH_MAX - 1, PATH_MAX - 1, longest_name};
}

size_t counted_path_length(const std::string& local) {
  return local.size();
}
