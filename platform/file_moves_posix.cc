#include <fcntl.h>
#include <limits.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "platform/atomic_file.h"
#include "platform/file_moves.h"

namespace {

std::error_code last_error() {
  return std::error_code(errno, std::generic_category());
}

}  // namespace

RenameResult rename_path(const std::string& from, const std::string& to,
                         std::error_code& failure) {
  failure.clear();
  struct stat target;
  // rename() puts a folder over an empty folder; a folder goes only where
  // nothing is.
  if (lstat(to.c_str(), &target) == 0 && S_ISDIR(target.st_mode)) {
    failure = std::make_error_code(std::errc::file_exists);
    return RenameResult::kFailed;
  }
  if (rename(from.c_str(), to.c_str()) == 0) {
    flush_folder_of(from);
    flush_folder_of(to);
    return RenameResult::kRenamed;
  }
  failure = last_error();
  return errno == EXDEV ? RenameResult::kOtherFileSystem : RenameResult::kFailed;
}

bool is_link(const std::string& path, std::string& target) {
  target.clear();
  struct stat status;
  if (lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) return false;
  char buffer[4096];
  ssize_t length = readlink(path.c_str(), buffer, sizeof buffer);
  if (length > 0 && static_cast<size_t>(length) < sizeof buffer) {
    target.assign(buffer, static_cast<size_t>(length));
  }
  return true;
}

std::string final_path(const std::string& path) {
  char resolved[PATH_MAX];
  return realpath(path.c_str(), resolved) != nullptr ? resolved : std::string();
}
