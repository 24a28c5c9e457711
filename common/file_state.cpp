#include "common/file_state.h"

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <sys/stat.h>
#endif

namespace korvel {

#ifdef _WIN32
namespace {

std::optional<FileState> StateOfHandle(HANDLE handle) {
  if (handle == INVALID_HANDLE_VALUE) return std::nullopt;
  if (GetFileType(handle) != FILE_TYPE_DISK) return FileState{};  // a device (NUL, CON) or a pipe
  BY_HANDLE_FILE_INFORMATION info{};
  if (!GetFileInformationByHandle(handle, &info)) return std::nullopt;
  FileState state;
  state.device = info.dwVolumeSerialNumber;
  state.index = (std::uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow;
  state.size = (std::uint64_t{info.nFileSizeHigh} << 32) | info.nFileSizeLow;
  state.modified = static_cast<std::int64_t>((std::uint64_t{info.ftLastWriteTime.dwHighDateTime} << 32) |
                                             info.ftLastWriteTime.dwLowDateTime);
  state.regular = !(info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
  return state;
}

}  // namespace

std::optional<FileState> StateOfOpenFile(int fd) { return StateOfHandle(reinterpret_cast<HANDLE>(_get_osfhandle(fd))); }

std::optional<FileState> StateOfFile(const std::filesystem::path& file) {
  // No access asked for: the file is only examined, whoever holds it open.
  const HANDLE handle = CreateFileW(file.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return std::nullopt;
  const auto state = StateOfHandle(handle);
  CloseHandle(handle);
  return state;
}
#else
namespace {

FileState FromStat(const struct stat& status) {
  FileState state;
  state.device = static_cast<std::uint64_t>(status.st_dev);
  state.index = static_cast<std::uint64_t>(status.st_ino);
  state.size = static_cast<std::uint64_t>(status.st_size);
  state.modified = static_cast<std::int64_t>(status.st_mtim.tv_sec) * 1'000'000'000 + status.st_mtim.tv_nsec;
  state.regular = S_ISREG(status.st_mode);
  return state;
}

}  // namespace

std::optional<FileState> StateOfOpenFile(int fd) {
  struct stat status {};
  if (fstat(fd, &status) != 0) return std::nullopt;
  return FromStat(status);
}

std::optional<FileState> StateOfFile(const std::filesystem::path& file) {
  struct stat status {};
  if (stat(file.c_str(), &status) != 0) return std::nullopt;
  return FromStat(status);
}
#endif

}  // namespace korvel
