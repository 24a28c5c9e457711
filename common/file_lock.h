#pragma once
// An advisory lock held by an open file: one writer at a time for a file in
// place, and a mark on a temporary file that its writer is still alive.

namespace korvel {

// Takes an exclusive lock on the open descriptor without waiting; false when
// another open file holds it. The lock ends when the descriptor is closed.
bool TryLockExclusive(int fd);

}  // namespace korvel
