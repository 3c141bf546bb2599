// One build at a time per working folder: an exclusive lock on a file in
// it, held by this process until it releases it or ends. The system drops
// the lock when the process ends, however it ends, so a build that crashed
// never leaves the folder locked. flock on POSIX, LockFileEx on Windows;
// both lock the open file, not its name.
#ifndef SKINBUILDER_PLATFORM_BUILD_LOCK_H_
#define SKINBUILDER_PLATFORM_BUILD_LOCK_H_

enum class LockState {
  kTaken,          // this process holds the lock now
  kHeldElsewhere,  // another process holds it
  kUnavailable,    // the lock file cannot be created or opened
};

// Takes the lock on the file at path (in the local form; created when
// missing). With wait, waits while another process holds it; without,
// answers kHeldElsewhere at once. This process holds one lock at most.
LockState lock_file(const char* path, bool wait);

// Lets the lock go; nothing when none is held.
void release_lock_file();

#endif  // SKINBUILDER_PLATFORM_BUILD_LOCK_H_
