#pragma once
// Makes the file system look like one that keeps no locks (some network and
// FUSE file systems answer flock with ENOLCK), for the lifetime of the
// object. POSIX only: the test program's own flock stands in for the C
// library's.

namespace korvel::test_support {

class UnsupportedLocks {
 public:
  UnsupportedLocks();
  ~UnsupportedLocks();
  UnsupportedLocks(const UnsupportedLocks&) = delete;
  UnsupportedLocks& operator=(const UnsupportedLocks&) = delete;
};

}  // namespace korvel::test_support
