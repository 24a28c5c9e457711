#pragma once
// Files the tool set writes. A replaced file is written beside its target
// under a temporary name and renamed over it only when complete, so a failure
// leaves the old file as it was; the replacement keeps the old file's
// permissions, and a symbolic link is written through to its target. A log
// file is written in place, by one writer at a time. Only a regular file is
// ever written: a device, a pipe or a folder in an output's place is refused.

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

namespace korvel {

class OutputFile {
 public:
  enum class Mode { kReplaceWhenDone, kWriteInPlace };

  // Throws Error naming the file when it cannot be created, is not a regular
  // file, or when another writer holds a log file.
  OutputFile(std::filesystem::path target, Mode mode);
  ~OutputFile();  // an uncommitted replacement is discarded
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  void Write(std::string_view bytes);  // throws Error on a failed write
  // Hands what was written to the system; throws Error when it fails (a full disk).
  void Flush();
  // Flushes and closes; a replacement then takes the target's place.
  void Commit();

  const std::filesystem::path& target() const { return target_; }
  // A file written in place holds its lock, unless its file system keeps no
  // locks: then it is written all the same, and a second writer is not kept out.
  bool locked() const { return locked_; }

 private:
  void OpenInPlace(bool existed);
  [[noreturn]] void Fail(const std::string& what, const std::string& reason);

  std::filesystem::path target_;    // as given, for messages
  std::filesystem::path replaced_;  // the file a replacement takes the place of
  std::filesystem::path written_;   // the temporary file, or the log itself
  std::FILE* file_ = nullptr;
  Mode mode_;
  bool locked_ = false;
};

// The file's name as a user reads it in a message.
std::string DisplayName(const std::filesystem::path& file);

// Throws the Error an OutputFile of `target` would when `target` is there but
// is no regular file (or a link to one): for a check before other outputs
// are touched.
void RefuseUnlessRegular(const std::filesystem::path& target);

// Throws the Error that replacing `target` would: no regular file, a file
// that cannot be written, or (where the system says so) a folder in which no
// file can be created. For checks before any output is touched.
void RefuseUnlessReplaceable(const std::filesystem::path& target);

// Removes the temporaries of `target` left by writers that were killed, as a
// new replacement of it does.
void RemoveAbandonedTemporariesOf(const std::filesystem::path& target);

}  // namespace korvel
