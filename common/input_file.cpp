#include "common/input_file.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>

#include "common/error.h"
#include "common/output_file.h"
#include "common/system_reason.h"

#ifndef _WIN32
#include <unistd.h>
#endif

namespace korvel {
namespace {

constexpr char kNotRegular[] = "不是普通文件（可能是管道或设备）";

#ifdef _WIN32
std::FILE* OpenRegular(const std::filesystem::path& file, int& error, bool& regular, std::uint64_t& size) {
  std::FILE* opened = _wfopen(file.c_str(), L"rb");
  if (!opened) {
    error = errno;
    return nullptr;
  }
  struct _stat64 status {};
  regular = _fstat64(_fileno(opened), &status) == 0 && (status.st_mode & _S_IFMT) == _S_IFREG;
  size = static_cast<std::uint64_t>(status.st_size);
  return opened;
}
#else
// Opening without blocking keeps a pipe nobody writes to from hanging the
// open itself; the descriptor blocks again once it is known to be a file.
std::FILE* OpenRegular(const std::filesystem::path& file, int& error, bool& regular, std::uint64_t& size) {
  const int fd = open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    error = errno;
    return nullptr;
  }
  struct stat status {};
  regular = fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
  size = static_cast<std::uint64_t>(status.st_size);
  if (regular) fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  std::FILE* opened = fdopen(fd, "rb");
  if (!opened) {
    error = errno;
    close(fd);
  }
  return opened;
}
#endif

}  // namespace

InputFile::InputFile(const std::filesystem::path& file, std::string what)
    : what_(std::move(what)), name_(DisplayName(file)) {
  if (file.empty()) throw Error("没有给出" + what_ + "的名称");
  std::error_code ignored;
  if (std::filesystem::is_directory(file, ignored)) Fail(SystemReason(EISDIR));
  int error = 0;
  bool regular = false;
  file_ = OpenRegular(file, error, regular, size_);
  if (!file_) Fail(SystemReason(error));
  if (!regular) {
    std::fclose(file_);
    file_ = nullptr;
    Fail(kNotRegular);
  }
}

InputFile::~InputFile() {
  if (file_) std::fclose(file_);
}

std::size_t InputFile::Read(char* buffer, std::size_t size) {
  const std::size_t got = std::fread(buffer, 1, size, file_);
  if (got == 0 && std::ferror(file_)) Fail(SystemReason(errno));
  return got;
}

void InputFile::Seek(std::uint64_t offset) {
#ifdef _WIN32
  const int failed = _fseeki64(file_, static_cast<__int64>(offset), SEEK_SET);
#else
  const int failed = fseeko(file_, static_cast<off_t>(offset), SEEK_SET);
#endif
  if (failed != 0) Fail(SystemReason(errno));
}

std::string InputFile::ReadAll(std::size_t limit) {
  std::string bytes;
  char buffer[1 << 16];
  for (std::size_t got; (got = Read(buffer, sizeof buffer)) > 0;) {
    if (bytes.size() + got > limit) Fail("文件太大（超过 " + std::to_string(limit) + " 字节）");
    bytes.append(buffer, got);
  }
  return bytes;
}

void InputFile::Fail(const std::string& reason) const {
  throw FileError("无法读取" + what_ + " \"" + name_ + "\"", reason);
}

}  // namespace korvel
