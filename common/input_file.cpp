#include "common/input_file.h"

#include <fcntl.h>

#include <cerrno>

#include "common/error.h"
#include "common/output_file.h"
#include "common/system_reason.h"

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace korvel {
namespace {

#ifdef _WIN32
std::FILE* OpenRegular(const std::filesystem::path& file, int& error, FileState& state) {
  std::FILE* opened = _wfopen(file.c_str(), L"rb");
  if (!opened) {
    error = errno;
    return nullptr;
  }
  state = StateOfOpenFile(_fileno(opened)).value_or(FileState{});
  return opened;
}
#else
// Opening without blocking keeps a pipe nobody writes to from hanging the
// open itself; the descriptor blocks again once it is known to be a file.
std::FILE* OpenRegular(const std::filesystem::path& file, int& error, FileState& state) {
  const int fd = open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    error = errno;
    return nullptr;
  }
  state = StateOfOpenFile(fd).value_or(FileState{});
  if (state.regular) fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
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
  file_ = OpenRegular(file, error, opened_);
  std::error_code gone;
  if (!file_ && error == ENOENT && file.is_relative() && std::filesystem::current_path(gone).empty() && gone) {
    Fail(kCurrentFolderMissing);
  }
  if (!file_) Fail(SystemReason(error));
  if (!opened_.regular) {
    std::fclose(file_);
    file_ = nullptr;
    Fail(kNotRegularFile);
  }
}

InputFile::InputFile(std::FILE* borrowed, std::string what, std::string name)
    : file_(borrowed), owned_(false), what_(std::move(what)), name_(std::move(name)) {
#ifdef _WIN32
  _setmode(_fileno(file_), _O_BINARY);
  opened_ = StateOfOpenFile(_fileno(file_)).value_or(FileState{});
#else
  opened_ = StateOfOpenFile(fileno(file_)).value_or(FileState{});
#endif
}

InputFile InputFile::StandardInput(std::string what) { return InputFile(stdin, std::move(what), "<标准输入>"); }

InputFile::~InputFile() {
  if (file_ && owned_) std::fclose(file_);
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

void InputFile::CheckUnchanged() const {
#ifdef _WIN32
  const auto now = StateOfOpenFile(_fileno(file_));
#else
  const auto now = StateOfOpenFile(fileno(file_));
#endif
  if (!now || !now->SameContentStateAs(opened_))
    Fail("文件在读取时被改动，请等正在保存它的程序（如 SAP2000）保存完毕后再试一次");
}

void InputFile::Fail(const std::string& reason) const { throw FileError("无法读取" + what_, name_, reason); }

}  // namespace korvel
