#include "common/output_file.h"

#include <fcntl.h>

#include <cerrno>
#include <system_error>

#include "common/error.h"
#include "common/system_reason.h"

#ifdef _WIN32
#include <io.h>
#define KORVEL_OPEN _wopen
#define KORVEL_ACCESS _waccess
#else
#include <unistd.h>
#define KORVEL_OPEN open
#define KORVEL_ACCESS access
#ifndef O_BINARY
#define O_BINARY 0
#endif
#endif

namespace korvel {
namespace {

// Opens a new file exclusively, so two writers never share a temporary name.
std::FILE* CreateNew(const std::filesystem::path& path, bool truncate) {
  const int flags = O_WRONLY | O_CREAT | O_BINARY | (truncate ? O_TRUNC : O_EXCL);
  const int fd = KORVEL_OPEN(path.c_str(), flags, 0666);
  if (fd < 0) return nullptr;
#ifdef _WIN32
  return _fdopen(fd, "wb");
#else
  return fdopen(fd, "wb");
#endif
}

}  // namespace

std::string DisplayName(const std::filesystem::path& file) {
  const std::u8string name = file.u8string();
  return std::string(name.begin(), name.end());
}

OutputFile::OutputFile(std::filesystem::path target, Mode mode)
    : target_(std::move(target)), mode_(mode) {
  std::error_code ignored;
  if (std::filesystem::is_directory(target_, ignored)) Fail("无法写入", SystemReason(EISDIR));
  if (mode_ == Mode::kWriteInPlace) {
    written_ = target_;
    file_ = CreateNew(written_, true);
    if (!file_) Fail("无法创建", SystemReason(errno));
    return;
  }
  // Renaming would replace a read-only file that could not be opened for writing.
  if (std::filesystem::exists(target_, ignored) && KORVEL_ACCESS(target_.c_str(), 2) != 0) {
    Fail("无法写入", SystemReason(errno));
  }
  for (int attempt = 0; !file_; ++attempt) {
    written_ = target_;
    written_ += ".tmp" + std::to_string(attempt);
    file_ = CreateNew(written_, false);
    if (!file_ && (errno != EEXIST || attempt == 100)) Fail("无法创建", SystemReason(errno));
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
  if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) Fail("写入失败", SystemReason(errno));
}

void OutputFile::Commit() {
  const bool flushed = std::fflush(file_) == 0;
  const int error = errno;
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
  std::filesystem::rename(written_, target_, renamed);
  if (renamed) {
    std::error_code ignored;
    std::filesystem::remove(written_, ignored);
    Fail("无法替换", renamed.message());
  }
}

void OutputFile::Fail(const std::string& what, const std::string& reason) {
  throw Error(what + "文件 \"" + DisplayName(target_) + "\"：" + reason);
}

}  // namespace korvel
