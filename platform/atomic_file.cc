#include "platform/atomic_file.h"

std::string temporary_file_name(const std::string& path, unsigned long process, int attempt) {
  std::string name = path + "." + std::to_string(process);
  if (attempt > 0) name += "-" + std::to_string(attempt);
  return name + ".tmp";
}
