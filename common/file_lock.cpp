#include "common/file_lock.h"

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <sys/file.h>
#endif

namespace korvel {

#ifdef _WIN32
// A byte far beyond any data is locked, so readers of the file are not held up.
bool TryLockExclusive(int fd) {
  OVERLAPPED place{};
  place.OffsetHigh = 0x7FFFFFFF;
  return LockFileEx(reinterpret_cast<HANDLE>(_get_osfhandle(fd)), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0,
                    1, 0, &place) != 0;
}
#else
bool TryLockExclusive(int fd) { return flock(fd, LOCK_EX | LOCK_NB) == 0; }
#endif

}  // namespace korvel
