#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include "platform/build_lock.h"

namespace {

HANDLE held_file = INVALID_HANDLE_VALUE;

// Shared access lets a second program open the file to wait on its lock.
HANDLE open_lock_file(const char* path) {
  return CreateFileA(path, GENERIC_READ | GENERIC_WRITE,
                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                     FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

LockState lock_file(const char* path, bool wait) {
  release_lock_file();
  HANDLE file = open_lock_file(path);
  if (file == INVALID_HANDLE_VALUE) return LockState::kUnavailable;
  OVERLAPPED start = {};
  DWORD flags = LOCKFILE_EXCLUSIVE_LOCK | (wait ? 0 : LOCKFILE_FAIL_IMMEDIATELY);
  if (!LockFileEx(file, flags, 0, 1, 0, &start)) {
    bool busy = GetLastError() == ERROR_LOCK_VIOLATION;
    CloseHandle(file);
    return busy ? LockState::kHeldElsewhere : LockState::kUnavailable;
  }
  held_file = file;
  return LockState::kTaken;
}

void release_lock_file() {
  if (held_file == INVALID_HANDLE_VALUE) return;
  CloseHandle(held_file);  // closing the handle drops its lock
  held_file = INVALID_HANDLE_VALUE;
}
