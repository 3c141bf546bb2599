#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/regular_file.h"

namespace {

FileRead read_up_to(int fd, size_t limit, std::string& bytes) {
  char chunk[4096];
  while (bytes.size() < limit) {
    size_t wanted = limit - bytes.size() < sizeof chunk ? limit - bytes.size() : sizeof chunk;
    ssize_t count = read(fd, chunk, wanted);
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) return FileRead::kUnreadable;
    if (count == 0) break;
    bytes.append(chunk, static_cast<size_t>(count));
  }
  return FileRead::kRead;
}

}  // namespace

FileRead read_regular_file(const char* path, size_t limit, std::string& bytes) {
  bytes.clear();
  // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a
  // writer; O_NOCTTY: a terminal device must not become ours.
  int fd = open(path, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return errno == EISDIR ? FileRead::kNotRegular : FileRead::kMissing;
  struct stat info;
  FileRead result = FileRead::kNotRegular;
  if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) result = read_up_to(fd, limit, bytes);
  close(fd);
  return result;
}

bool is_regular_file(const char* path) {
  struct stat info;
  return stat(path, &info) == 0 && S_ISREG(info.st_mode);
}
