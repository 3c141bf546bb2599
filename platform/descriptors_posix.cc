#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "platform/descriptors.h"

int open_descriptor(const std::string& path, OpenFor purpose, std::error_code& failure) {
  int flags = O_RDONLY;
  if (purpose == OpenFor::kWriting) flags = O_WRONLY | O_CREAT | O_TRUNC;
  if (purpose == OpenFor::kAppending) flags = O_WRONLY | O_CREAT | O_APPEND;
  int fd = open(path.c_str(), flags | O_CLOEXEC, 0666);
  if (fd < 0) failure.assign(errno, std::generic_category());
  return fd;
}

int open_null_device() {
  return open("/dev/null", O_RDWR | O_CLOEXEC);
}

int make_scratch_file() {
  const char* folder = std::getenv("TMPDIR");
  std::string name =
      std::string(folder != nullptr && folder[0] != '\0' ? folder : "/tmp") + "/skinbuilder-XXXXXX";
  int fd = mkostemp(&name[0], O_CLOEXEC);
  if (fd >= 0) unlink(name.c_str());
  return fd;
}

int duplicate_descriptor(int fd) {
  return fcntl(fd, F_DUPFD_CLOEXEC, 0);
}

void place_descriptor(int from, int to) {
  dup2(from, to);
}

void close_descriptor(int fd) {
  close(fd);
}

void rewind_descriptor(int fd) {
  lseek(fd, 0, SEEK_SET);
}

void write_text(int fd, const std::string& text) {
  size_t done = 0;
  while (done < text.size()) {
    ssize_t written = write(fd, text.data() + done, text.size() - done);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return;
    done += static_cast<size_t>(written);
  }
}

std::string read_all(int fd) {
  std::string text;
  char buffer[65536];
  while (true) {
    ssize_t count = read(fd, buffer, sizeof buffer);
    if (count < 0 && errno == EINTR) continue;
    if (count <= 0) return text;
    text.append(buffer, static_cast<size_t>(count));
  }
}

bool is_terminal(int fd) {
  return isatty(fd) != 0;
}

// Home, clear the screen, and clear the scroll-back as cmd's cls does.
void clear_terminal(int fd) {
  if (is_terminal(fd)) write_text(fd, "\x1b[H\x1b[2J\x1b[3J");
}

bool same_open_file(int a, int b) {
  struct stat first, second;
  if (a == b) return true;
  return fstat(a, &first) == 0 && fstat(b, &second) == 0 && first.st_dev == second.st_dev &&
         first.st_ino == second.st_ino;
}
