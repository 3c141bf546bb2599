#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

#include "platform/error_log.h"

int open_error_log(const char* path, bool truncate) {
  int flags = _O_WRONLY | _O_CREAT | _O_BINARY | (truncate ? _O_TRUNC : _O_APPEND);
  return _open(path, flags, _S_IREAD | _S_IWRITE);
}

int duplicate_descriptor(int fd) {
  return _dup(fd);
}

void place_descriptor(int from, int to) {
  _dup2(from, to);
}

void close_descriptor(int fd) {
  _close(fd);
}
