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
#include "common/file_state.h"
#include "common/system_reason.h"

#ifdef _WIN32
#include <io.h>
#include <windows.h>

#include <chrono>
#include <thread>
#define KORVEL_OPEN _wopen
#define KORVEL_ACCESS _waccess
#define KORVEL_TRUNCATE _chsize
#ifndef O_NONBLOCK
#define O_NONBLOCK 0
#endif
#ifndef O_NOFOLLOW
#define O_NOFOLLOW 0
#endif
#ifndef O_CLOEXEC
#define O_CLOEXEC 0
#endif
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
constexpr int kTemporaryAttempts = 20;
constexpr char kBusy[] = "另一个程序正在写这个文件（可能是同一文件夹中的另一个转换），请等它结束后再试";

std::FILE* Stream(int fd) {
#ifdef _WIN32
  return _fdopen(fd, "wb");
#else
  return fdopen(fd, "wb");
#endif
}

bool IsRegular(int fd) {
  const auto state = StateOfOpenFile(fd);
  return state && state->regular;
}

// True while `path` still names the open file.
bool StillNamed(int fd, const std::filesystem::path& path) {
  const auto open = StateOfOpenFile(fd);
  const auto named = StateOfFile(path);
  return open && named && open->SameFileAs(*named);
}

// A file that could not be created where none was: the folder's permission
// stands in the way, not a file's.
std::string CreationReason(const std::filesystem::path& file, int error) {
  std::error_code gone;
  if (error == ENOENT && file.is_relative() && std::filesystem::current_path(gone).empty() && gone) {
    return kCurrentFolderMissing;
  }
  if (error != EACCES && error != EPERM) return SystemReason(error);
  std::error_code ignored;
  const std::filesystem::path folder = std::filesystem::absolute(file, ignored).parent_path();
  return "没有在文件夹 \"" + DisplayName(folder) + "\" 中新建文件的权限";
}

#ifdef _WIN32
int ErrnoOf(DWORD error) {
  switch (error) {
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
      return EEXIST;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
      return EACCES;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
      return ENOENT;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return ENOSPC;
    case ERROR_WRITE_PROTECT:
      return EROFS;
    case ERROR_FILENAME_EXCED_RANGE:
      return ENAMETOOLONG;
    default:
      return EIO;
  }
}

// Shared for reading and deleting but not for writing: the clean-up of
// another writer, which opens for writing, cannot open it at all while it is
// written, and it can be renamed while open.
int CreateTemporary(const std::filesystem::path& path, int& error) {
  const HANDLE handle = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                                    CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    error = ErrnoOf(GetLastError());
    return -1;
  }
  const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_WRONLY | _O_BINARY);
  if (fd < 0) {
    error = errno;
    CloseHandle(handle);
    DeleteFileW(path.c_str());
  }
  return fd;
}
#else
int CreateTemporary(const std::filesystem::path& path, int& error) {
  const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) error = errno;
  return fd;
}
#endif

// Locks a temporary just created. Between its creation and the lock the
// clean-up of another writer may have taken it for abandoned and removed
// it; then it is given up for a new one.
bool HoldTemporary(int fd, const std::filesystem::path& path) {
  switch (TryLockExclusive(fd)) {
    case LockResult::kLocked:
      return StillNamed(fd, path);
    case LockResult::kUnsupported:
      return true;  // no clean-up can lock it either
    case LockResult::kHeldElsewhere:
      break;
  }
  return false;
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
  thread_local std::mt19937 random{std::random_device{}()};
  char tag[16];
  std::snprintf(tag, sizeof tag, ".%08x", static_cast<unsigned>(random()));
  return tag;
}

bool IsTemporaryOf(const std::string& name, const std::string& target) {
  const std::size_t tagged = target.size() + 9;
  if (name.size() != tagged + std::strlen(kTemporarySuffix) || !name.starts_with(target) ||
      name[target.size()] != '.') {
    return false;
  }
  for (std::size_t i = target.size() + 1; i < tagged; ++i) {
    if (!std::isxdigit(static_cast<unsigned char>(name[i]))) return false;
  }
  return name.ends_with(kTemporarySuffix);
}

// Removes the temporaries of `target` whose writers are gone: a live writer
// holds the lock of its temporary until it is renamed. Only a regular file is
// opened, without blocking and without following a link, so a pipe or a
// device named like a temporary is left alone and hangs nothing.
void RemoveAbandonedTemporaries(const std::filesystem::path& target, const std::filesystem::path& own) {
  std::error_code error;
  const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
  const std::string targetName = target.filename().string();
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    if (!IsTemporaryOf(entry.path().filename().string(), targetName) || entry.path().filename() == own.filename() ||
        !std::filesystem::is_regular_file(entry.symlink_status(error))) {
      continue;
    }
    const int fd = KORVEL_OPEN(entry.path().c_str(), O_WRONLY | O_BINARY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC, 0);
    if (fd < 0) continue;
    const bool abandoned = IsRegular(fd) && TryLockExclusive(fd) == LockResult::kLocked && StillNamed(fd, entry.path());
#ifdef _WIN32
    close(fd);  // Windows removes no open file; nor does it let this one open a temporary still being written
    if (abandoned) std::filesystem::remove(entry.path(), error);
#else
    // Removed while still locked: a writer that has just created it and locks
    // it next then finds it gone and takes a new one.
    if (abandoned) std::filesystem::remove(entry.path(), error);
    close(fd);
#endif
  }
}

// Windows replaces no file that is open, and another writer of the same file
// holds it open for a moment after its own rename: a denial is tried again a
// bounded number of times.
void RenameOver(const std::filesystem::path& from, const std::filesystem::path& to, std::error_code& error) {
  std::filesystem::rename(from, to, error);
#ifdef _WIN32
  for (int retry = 0; retry < 500 && error == std::errc::permission_denied; ++retry) {
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
    std::filesystem::rename(from, to, error);
  }
#endif
}

// A replacement keeps the permissions of the file it replaces.
void KeepPermissions(const std::filesystem::path& from, const std::filesystem::path& to) {
  std::error_code error;
  const auto status = std::filesystem::status(from, error);
  if (!error && std::filesystem::exists(status)) std::filesystem::permissions(to, status.permissions(), error);
}

// Only a regular file is ever written or replaced: a folder, a device or a
// pipe named as an output (`target`), or linked to by one (`file`), is
// refused. True when the file exists.
bool RefuseAllButRegular(const std::filesystem::path& target, const std::filesystem::path& file) {
  auto fail = [&](const std::string& reason) { throw FileError("无法写入文件", DisplayName(target), reason); };
  std::error_code error;
  if (std::filesystem::is_directory(file, error)) fail(SystemReason(EISDIR));
  const auto state = StateOfFile(file);
  if (state && !state->regular) fail(kNotRegularFile);
  return state.has_value();
}

}  // namespace

std::string DisplayName(const std::filesystem::path& file) {
  const std::u8string name = file.u8string();
  return std::string(name.begin(), name.end());
}

void RefuseUnlessRegular(const std::filesystem::path& target) { RefuseAllButRegular(target, ThroughLinks(target)); }

void RefuseUnlessReplaceable(const std::filesystem::path& target) {
  const std::filesystem::path file = ThroughLinks(target);
  const bool exists = RefuseAllButRegular(target, file);
  if (exists && KORVEL_ACCESS(file.c_str(), 2) != 0) {
    const int error = errno;
    throw FileError("无法写入文件", DisplayName(target), SystemReason(error));
  }
#ifndef _WIN32
  std::error_code ignored;
  const std::filesystem::path folder = std::filesystem::absolute(file, ignored).parent_path();
  if (access(folder.c_str(), W_OK | X_OK) != 0) {
    const int error = errno;
    if (error == EROFS) throw FileError("无法创建文件", DisplayName(target), SystemReason(error));
    if (error == EACCES || error == EPERM) {
      throw FileError("无法创建文件", DisplayName(target), CreationReason(file, error));
    }
  }
#endif
}

void RemoveAbandonedTemporariesOf(const std::filesystem::path& target) {
  RemoveAbandonedTemporaries(ThroughLinks(target), {});
}

OutputFile::OutputFile(std::filesystem::path target, Mode mode) : target_(std::move(target)), mode_(mode) {
  written_ = ThroughLinks(target_);
  const bool existed = RefuseAllButRegular(target_, written_);
  if (mode_ == Mode::kWriteInPlace) {
    OpenInPlace(existed);
    return;
  }
  replaced_ = written_;
  // Renaming would replace a read-only file that could not be opened for writing.
  if (existed && KORVEL_ACCESS(replaced_.c_str(), 2) != 0) Fail("无法写入", SystemReason(errno));
  int fd = -1;
  for (int attempt = 0; fd < 0; ++attempt) {
    if (attempt == kTemporaryAttempts) Fail("无法创建", SystemReason(EEXIST));
    written_ = replaced_;
    written_ += TemporaryTag() + kTemporarySuffix;
    int error = 0;
    fd = CreateTemporary(written_, error);
    if (fd < 0 && error != EEXIST) Fail("无法创建", CreationReason(written_, error));
    if (fd >= 0 && !HoldTemporary(fd, written_)) {
      close(fd);
      fd = -1;
    }
  }
  if (!(file_ = Stream(fd))) {
    const int error = errno;
    close(fd);
    std::error_code ignored;
    std::filesystem::remove(written_, ignored);
    Fail("无法创建", SystemReason(error));
  }
  RemoveAbandonedTemporaries(replaced_, written_);
}

// Opened without blocking, so a pipe put in the file's place meanwhile fails
// or is seen for what it is instead of hanging the open.
void OutputFile::OpenInPlace(bool existed) {
  const int fd = KORVEL_OPEN(written_.c_str(), O_WRONLY | O_CREAT | O_BINARY | O_NONBLOCK | O_CLOEXEC, 0666);
  if (fd < 0) {
    const int error = errno;
    if (error == ENXIO) Fail("无法写入", kNotRegularFile);
    Fail(existed ? "无法写入" : "无法创建", existed ? SystemReason(error) : CreationReason(written_, error));
  }
  if (!IsRegular(fd)) {
    close(fd);
    Fail("无法写入", kNotRegularFile);
  }
#ifndef _WIN32
  fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
#endif
  const LockResult lock = TryLockExclusive(fd);
  if (lock == LockResult::kHeldElsewhere) {
    close(fd);
    Fail("无法写入", kBusy);
  }
  locked_ = lock == LockResult::kLocked;
  if (KORVEL_TRUNCATE(fd, 0) != 0 || !(file_ = Stream(fd))) {
    const int error = errno;
    close(fd);
    Fail("无法写入", SystemReason(error));
  }
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
  if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) Fail("无法写完", SystemReason(errno));
}

void OutputFile::Flush() {
  if (std::fflush(file_) != 0) Fail("写入失败", SystemReason(errno));
}

void OutputFile::Commit() {
  if (mode_ == Mode::kReplaceWhenDone) KeepPermissions(replaced_, written_);
  // Closing reports what a network file system keeps until then, so it comes
  // before the rename; a second descriptor of the same open file keeps the
  // temporary locked until it is renamed, so no other writer's clean-up takes
  // it for abandoned meanwhile.
  const int lockHolder = mode_ == Mode::kReplaceWhenDone ? dup(fileno(file_)) : -1;
  int failure = std::fflush(file_) == 0 ? 0 : errno;
  if (std::fclose(file_) != 0 && failure == 0) failure = errno;
  file_ = nullptr;
  std::error_code renamed;
  if (failure == 0 && mode_ == Mode::kReplaceWhenDone) RenameOver(written_, replaced_, renamed);
  if (lockHolder >= 0) close(lockHolder);
  if (failure == 0 && !renamed) return;
  if (mode_ == Mode::kReplaceWhenDone) {
    std::error_code ignored;
    std::filesystem::remove(written_, ignored);
  }
  if (renamed) Fail("无法替换", SystemReason(renamed.value()));
  Fail("无法写完", SystemReason(failure));
}

void OutputFile::Fail(const std::string& what, const std::string& reason) {
  throw FileError(what + "文件", DisplayName(target_), reason);
}

}  // namespace korvel
