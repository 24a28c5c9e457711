#include "common/file_lock.h"

#include <cerrno>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <sys/file.h>
#endif

namespace korvel {

#ifdef _WIN32
// A byte far beyond any data is locked, so readers of the file are not held up.
LockResult TryLockExclusive(int fd) {
  OVERLAPPED place{};
  place.OffsetHigh = 0x7FFFFFFF;
  if (LockFileEx(reinterpret_cast<HANDLE>(_get_osfhandle(fd)), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0,
                 1, 0, &place)) {
    return LockResult::kLocked;
  }
  const DWORD error = GetLastError();
  return error == ERROR_NOT_SUPPORTED || error == ERROR_INVALID_FUNCTION ? LockResult::kUnsupported
                                                                         : LockResult::kHeldElsewhere;
}
#else
LockResult TryLockExclusive(int fd) {
  if (flock(fd, LOCK_EX | LOCK_NB) == 0) return LockResult::kLocked;
  return errno == ENOLCK || errno == EINVAL || errno == EOPNOTSUPP ? LockResult::kUnsupported
                                                                   : LockResult::kHeldElsewhere;
}
#endif

}  // namespace korvel
