#include "platform/program_folder.h"

#include <filesystem>
#include <system_error>

#include "platform/file_system.h"

bool change_working_folder(const std::string& folder) {
  std::error_code failure;
  std::filesystem::current_path(fs_path(folder), failure);
  return !failure;
}

std::string absolute_path(const std::string& path) {
  std::error_code failure;
  std::filesystem::path absolute = std::filesystem::absolute(fs_path(path), failure);
  return failure ? path : path_text(absolute);
}
