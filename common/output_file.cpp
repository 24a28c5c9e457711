#include "common/output_file.h"

#include <fcntl.h>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>
#include <system_error>

#include "common/error.h"
#include "common/file_lock.h"
#include "common/system_reason.h"

#ifdef _WIN32
#include <io.h>
#define KORVEL_OPEN _wopen
#define KORVEL_ACCESS _waccess
#define KORVEL_TRUNCATE _chsize
#else
#include <unistd.h>
#define KORVEL_OPEN open
#define KORVEL_ACCESS access
#define KORVEL_TRUNCATE ftruncate
#ifndef O_BINARY
#define O_BINARY 0
#endif
#endif

namespace korvel {
namespace {

constexpr char kTemporarySuffix[] = ".tmp";
constexpr char kBusy[] = "另一个程序正在写这个文件（可能是同一文件夹中的另一个转换），请等它结束后再试";

int OpenForWriting(const std::filesystem::path& path, bool createNew) {
  return KORVEL_OPEN(path.c_str(), O_WRONLY | O_CREAT | O_BINARY | (createNew ? O_EXCL : 0), 0666);
}

std::FILE* Stream(int fd) {
#ifdef _WIN32
  return _fdopen(fd, "wb");
#else
  return fdopen(fd, "wb");
#endif
}

// A symbolic link is written through: its final target is the file replaced.
std::filesystem::path ThroughLinks(std::filesystem::path path) {
  std::error_code error;
  for (int hops = 0; hops < 40 && std::filesystem::is_symlink(path, error); ++hops) {
    const std::filesystem::path target = std::filesystem::read_symlink(path, error);
    if (error) break;
    path = target.is_absolute() ? target : path.parent_path() / target;
  }
  return path;
}

// "<name>.<eight hex digits>.tmp": random, so names never run out, and
// recognisable, so one left by a writer that was killed can be removed.
std::string TemporaryTag() {
  static std::mt19937 random{std::random_device{}()};
  char tag[16];
  std::snprintf(tag, sizeof tag, ".%08x", static_cast<unsigned>(random()));
  return tag;
}

bool IsTemporaryOf(const std::string& name, const std::string& target) {
  const std::size_t tagged = target.size() + 9;
  if (name.size() != tagged + std::strlen(kTemporarySuffix) || !name.starts_with(target) || name[target.size()] != '.') {
    return false;
  }
  for (std::size_t i = target.size() + 1; i < tagged; ++i) {
    if (!std::isxdigit(static_cast<unsigned char>(name[i]))) return false;
  }
  return name.ends_with(kTemporarySuffix);
}

// Removes the temporaries of `target` whose writers are gone: a live writer
// holds the lock of its temporary (on Windows, an open file cannot even be
// removed).
void RemoveAbandonedTemporaries(const std::filesystem::path& target, const std::filesystem::path& own) {
  std::error_code error;
  const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
  const std::string targetName = target.filename().string();
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    if (!IsTemporaryOf(entry.path().filename().string(), targetName) || entry.path().filename() == own.filename()) {
      continue;
    }
    const int fd = KORVEL_OPEN(entry.path().c_str(), O_WRONLY | O_BINARY, 0);
    if (fd < 0) continue;
    const bool abandoned = TryLockExclusive(fd);
    close(fd);
    if (abandoned) std::filesystem::remove(entry.path(), error);
  }
}

// A replacement keeps the permissions of the file it replaces.
void KeepPermissions(const std::filesystem::path& from, const std::filesystem::path& to) {
  std::error_code error;
  const auto status = std::filesystem::status(from, error);
  if (!error && std::filesystem::exists(status)) std::filesystem::permissions(to, status.permissions(), error);
}

}  // namespace

std::string DisplayName(const std::filesystem::path& file) {
  const std::u8string name = file.u8string();
  return std::string(name.begin(), name.end());
}

OutputFile::OutputFile(std::filesystem::path target, Mode mode)
    : target_(std::move(target)), mode_(mode) {
  written_ = ThroughLinks(target_);
  std::error_code ignored;
  if (std::filesystem::is_directory(written_, ignored)) Fail("无法写入", SystemReason(EISDIR));
  if (mode_ == Mode::kWriteInPlace) {
    const int fd = OpenForWriting(written_, false);
    if (fd < 0) Fail("无法创建", SystemReason(errno));
    if (!TryLockExclusive(fd)) {
      close(fd);
      Fail("无法写入", kBusy);
    }
    if (KORVEL_TRUNCATE(fd, 0) != 0 || !(file_ = Stream(fd))) {
      const int error = errno;
      close(fd);
      Fail("无法写入", SystemReason(error));
    }
    return;
  }
  replaced_ = written_;
  // Renaming would replace a read-only file that could not be opened for writing.
  if (std::filesystem::exists(replaced_, ignored) && KORVEL_ACCESS(replaced_.c_str(), 2) != 0) {
    Fail("无法写入", SystemReason(errno));
  }
  int fd = -1;
  for (int attempt = 0; fd < 0; ++attempt) {
    written_ = replaced_;
    written_ += TemporaryTag() + kTemporarySuffix;
    fd = OpenForWriting(written_, true);
    if (fd < 0 && (errno != EEXIST || attempt == 20)) Fail("无法创建", SystemReason(errno));
  }
  TryLockExclusive(fd);
  if (!(file_ = Stream(fd))) {
    const int error = errno;
    close(fd);
    std::filesystem::remove(written_, ignored);
    Fail("无法创建", SystemReason(error));
  }
  RemoveAbandonedTemporaries(replaced_, written_);
}

OutputFile::~OutputFile() {
  if (!file_) return;
  std::fclose(file_);
  if (mode_ == Mode::kReplaceWhenDone) {
    std::error_code ignored;
    std::filesystem::remove(written_, ignored);
  }
}

void OutputFile::Write(std::string_view bytes) {
  if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) Fail("写入失败", SystemReason(errno));
}

void OutputFile::Commit() {
  const bool flushed = std::fflush(file_) == 0;
  const int error = errno;
  if (mode_ == Mode::kReplaceWhenDone) KeepPermissions(replaced_, written_);
  const bool closed = std::fclose(file_) == 0;
  file_ = nullptr;
  if (!flushed || !closed) {
    if (mode_ == Mode::kReplaceWhenDone) {
      std::error_code ignored;
      std::filesystem::remove(written_, ignored);
    }
    Fail("写入失败", SystemReason(flushed ? errno : error));
  }
  if (mode_ == Mode::kWriteInPlace) return;
  std::error_code renamed;
  std::filesystem::rename(written_, replaced_, renamed);
  if (renamed) {
    std::error_code ignored;
    std::filesystem::remove(written_, ignored);
    Fail("无法替换", SystemReason(renamed.value()));
  }
}

void OutputFile::Fail(const std::string& what, const std::string& reason) {
  throw FileError(what + "文件 \"" + DisplayName(target_) + "\"", reason);
}

}  // namespace korvel
