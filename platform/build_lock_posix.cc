#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

#include "platform/build_lock.h"

namespace {

int held_fd = -1;

}  // namespace

LockState lock_file(const char* path, bool wait) {
  release_lock_file();
  int fd = open(path, O_RDWR | O_CREAT | O_CLOEXEC, 0666);
  if (fd < 0) return LockState::kUnavailable;
  int result;
  do {
    result = flock(fd, LOCK_EX | (wait ? 0 : LOCK_NB));
  } while (result != 0 && errno == EINTR);
  if (result != 0) {
    bool busy = errno == EWOULDBLOCK;
    close(fd);
    return busy ? LockState::kHeldElsewhere : LockState::kUnavailable;
  }
  held_fd = fd;
  return LockState::kTaken;
}

void release_lock_file() {
  if (held_fd < 0) return;
  close(held_fd);  // closing the only descriptor drops the lock
  held_fd = -1;
}
