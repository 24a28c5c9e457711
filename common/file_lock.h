#pragma once
// An advisory lock held by an open file: one writer at a time for a file in
// place, and a mark on a temporary file that its writer is still alive.

namespace korvel {

enum class LockResult {
  kLocked,
  kHeldElsewhere,
  kUnsupported,  // the file system keeps no locks (some network and FUSE file systems)
};

// Takes an exclusive lock on the open descriptor without waiting. The lock
// ends when the descriptor is closed.
LockResult TryLockExclusive(int fd);

}  // namespace korvel
