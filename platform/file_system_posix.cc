#include <cerrno>

#include "platform/file_system.h"

std::filesystem::path fs_path(const std::string& local) {
  return std::filesystem::path(local);
}

std::string path_text(const std::filesystem::path& path) {
  return path.string();
}

std::string shown_path(const std::string& local) {
  return local;
}

void copy_file_over(const std::string& from, const std::string& to, std::error_code& failure) {
  std::filesystem::copy_file(from, to, std::filesystem::copy_options::overwrite_existing, failure);
}

FileFailure failure_kind(const std::error_code& failure) {
  if (failure == std::errc::no_space_on_device || failure.value() == EDQUOT) {
    return FileFailure::kNoSpace;
  }
  if (failure == std::errc::no_such_file_or_directory) return FileFailure::kNotFound;
  if (failure == std::errc::permission_denied || failure == std::errc::operation_not_permitted ||
      failure == std::errc::read_only_file_system) {
    return FileFailure::kNoAccess;
  }
  if (failure == std::errc::filename_too_long) return FileFailure::kNameTooLong;
  return FileFailure::kOther;
}
