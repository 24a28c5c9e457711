#include "common/tests/unsupported_locks.h"

#include <sys/file.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>

namespace {
std::atomic<bool> unsupported{false};
}

extern "C" int flock(int fd, int operation) {
  if (unsupported) {
    errno = ENOLCK;
    return -1;
  }
  return static_cast<int>(syscall(SYS_flock, fd, operation));
}

namespace korvel::test_support {

UnsupportedLocks::UnsupportedLocks() { unsupported = true; }
UnsupportedLocks::~UnsupportedLocks() { unsupported = false; }

}  // namespace korvel::test_support
