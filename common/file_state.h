#pragma once
// What a file is and how it stands: its identity (device and inode on POSIX,
// volume and file index on Windows), so two names of one file are seen as
// one, and its size and time of last change, so a file changed while it was
// read is noticed.

#include <cstdint>
#include <filesystem>
#include <optional>

namespace korvel {

struct FileState {
  std::uint64_t device = 0, index = 0;
  std::uint64_t size = 0;
  std::int64_t modified = 0;  // in the platform's finest unit
  bool regular = false;

  bool SameFileAs(const FileState& other) const { return device == other.device && index == other.index; }
  bool SameContentStateAs(const FileState& other) const {
    return SameFileAs(other) && size == other.size && modified == other.modified;
  }
};

// Nothing when the file cannot be examined (a path: when it does not exist).
// A device or a pipe on Windows has no identity: only `regular` is false.
std::optional<FileState> StateOfOpenFile(int fd);
std::optional<FileState> StateOfFile(const std::filesystem::path& file);  // through links

}  // namespace korvel
