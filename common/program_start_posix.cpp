#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>

#include "common/output_file.h"
#include "common/program_start.h"
#include "common/system_reason.h"

namespace korvel {
namespace {

bool IsRegularFile(const std::filesystem::path& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// The own folder first, then PATH; relative PATH entries would mean the
// current folder, which is never searched. A file found but not executable
// is passed over, as the shell does, and named when nothing better is found.
struct Located {
  std::filesystem::path executable, notExecutable;
};

Located Locate(const std::string& program) {
  Located found;
  auto consider = [&](const std::filesystem::path& candidate) {
    if (!IsRegularFile(candidate)) return false;
    if (::access(candidate.c_str(), X_OK) == 0) {
      found.executable = candidate;
      return true;
    }
    if (found.notExecutable.empty()) found.notExecutable = candidate;
    return false;
  };
  if (const auto own = ProgramFolder(); !own.empty() && consider(own / program)) return found;
  const char* path = std::getenv("PATH");
  std::string_view folders = path ? path : "";
  while (!folders.empty()) {
    const std::size_t colon = folders.find(':');
    const std::filesystem::path folder(folders.substr(0, colon));
    folders = colon == std::string_view::npos ? "" : folders.substr(colon + 1);
    if (folder.is_absolute() && consider(folder / program)) return found;
  }
  return found;
}

}  // namespace

std::filesystem::path ProgramFolder() {
  std::error_code error;
  const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::filesystem::path() : self.parent_path();
}

StartResult StartProgram(const std::string& program, const std::vector<std::string>& args,
                         const std::filesystem::path& folder) {
  const Located located = Locate(program);
  if (located.executable.empty() && !located.notExecutable.empty()) {
    std::string problem = "\"";
    problem += DisplayName(located.notExecutable);
    problem += "\" 没有执行权限";
    return {false, problem};
  }
  if (located.executable.empty()) return {false, "找不到 " + program, true};
  const std::filesystem::path& file = located.executable;

  std::vector<std::string> strings{program};
  strings.insert(strings.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& s : strings) argv.push_back(s.data());
  argv.push_back(nullptr);
  const std::string fileName = file.string();
  const std::string folderName = folder.string();

  // The program is started by a short-lived intermediate process, so it is
  // nobody's child here and leaves no zombie; a pipe closed on exec tells
  // whether the start itself worked.
  int pipeEnds[2];
  if (::pipe2(pipeEnds, O_CLOEXEC) != 0) return {false, SystemReason(errno)};
  const pid_t intermediate = ::fork();
  if (intermediate < 0) {
    const int error = errno;
    ::close(pipeEnds[0]);
    ::close(pipeEnds[1]);
    return {false, SystemReason(error)};
  }
  if (intermediate == 0) {
    ::close(pipeEnds[0]);
    ::setsid();
    if (::fork() == 0) {
      if (folderName.empty() || ::chdir(folderName.c_str()) == 0) ::execv(fileName.c_str(), argv.data());
      const int error = errno;
      (void)!::write(pipeEnds[1], &error, sizeof error);
    }
    ::_exit(0);
  }
  ::close(pipeEnds[1]);
  int status = 0;
  while (::waitpid(intermediate, &status, 0) < 0 && errno == EINTR) {
  }
  int error = 0;
  ssize_t got;
  while ((got = ::read(pipeEnds[0], &error, sizeof error)) < 0 && errno == EINTR) {
  }
  ::close(pipeEnds[0]);
  if (got == static_cast<ssize_t>(sizeof error)) return {false, SystemReason(error)};
  return {true, {}};
}

}  // namespace korvel
