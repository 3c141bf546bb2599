#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>

#include "platform/atomic_file.h"

namespace {

// A file of that name from an earlier process of the same id is never
// reused: O_EXCL makes two writers of one file write apart.
constexpr int kAttempts = 100;

std::error_code last_error() {
  return std::error_code(errno, std::generic_category());
}

int create_temporary(const std::string& path, std::string& temporary) {
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    temporary = temporary_file_name(path, static_cast<unsigned long>(getpid()), attempt);
    // 0666 less the umask, as any other new file: a preset is for sharing.
    int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOCTTY | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// A write may take fewer bytes than asked (a disk that fills up, a file
// size limit); the rest is written until the system says why it cannot.
bool write_all(int fd, const std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    ssize_t count = write(fd, bytes.data() + done, bytes.size() - done);
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) return false;
    if (count == 0) {
      errno = ENOSPC;
      return false;
    }
    done += static_cast<size_t>(count);
  }
  return true;
}

}  // namespace

// A failure here changes nothing that could be told: the file is whole.
void flush_folder_of(const std::string& path) {
  std::filesystem::path folder = std::filesystem::path(path).parent_path();
  int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

bool write_file_atomically(const std::string& path, const std::string& bytes,
                           std::error_code& failure) {
  failure.clear();
  std::string temporary;
  int fd = create_temporary(path, temporary);
  if (fd < 0) {
    failure = last_error();
    return false;
  }
  // fsync before the rename: a full disk or a failing device may show
  // only when the bytes are flushed.
  bool written = write_all(fd, bytes) && fsync(fd) == 0;
  if (!written) failure = last_error();
  if (close(fd) != 0 && written) {
    failure = last_error();
    written = false;
  }
  if (written && std::rename(temporary.c_str(), path.c_str()) != 0) {
    failure = last_error();
    written = false;
  }
  if (!written) {
    unlink(temporary.c_str());
    return false;
  }
  flush_folder_of(path);
  return true;
}
