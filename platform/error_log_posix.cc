#include <fcntl.h>
#include <unistd.h>

#include "platform/error_log.h"

int open_error_log(const char* path, bool truncate) {
  return open(path, O_WRONLY | O_CREAT | O_CLOEXEC | (truncate ? O_TRUNC : O_APPEND), 0666);
}

int duplicate_descriptor(int fd) {
  return dup(fd);
}

void place_descriptor(int from, int to) {
  dup2(from, to);
}

void close_descriptor(int fd) {
  close(fd);
}
