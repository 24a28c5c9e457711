// korvel: the tool set's jobs from the command line, without windows, writing
// the same files as KORVEL_PRE, TRELVO and KORVEL_RUN.

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "cli/commands.h"
#include "common/system_reason.h"

namespace {

constexpr char kUsage[] =
    "usage: korvel [--help] [--version] COMMAND ...\n"
    "\n"
    "Runs the jobs of the KORVEL tool set in the current folder:\n"
    "  pre SECTION        write matcode0.txt from a section file (- reads standard input)\n"
    "  convert MODEL.s2k  write debug.txt and out.txt from a SAP2000 text model, start Plakon.exe\n"
    "  run JOB.dat        start the solver korvel_2005r2_027.exe on a job\n"
    "  plot section|model draw matcode0.txt or out.txt as an SVG picture\n"
    "  check MODEL.s2k    tell what a conversion would carry, leave out and warn about\n"
    "\n"
    "korvel COMMAND --help describes a command. Exit status: 0 done, 1 the job failed,\n"
    "2 wrong usage.\n";

int Run(std::vector<std::string_view> args) {
  if (args.empty()) {
    std::fputs(kUsage, stderr);
    return korvel::cli::kUsageError;
  }
  if (args[0] == "--help" || args[0] == "-h") {
    std::fputs(kUsage, stdout);
    return korvel::cli::kDone;
  }
  if (args[0] == "--version") {
    std::printf("korvel %s\n", KORVEL_VERSION);
    return korvel::cli::kDone;
  }
  const std::string_view command = args[0];
  args.erase(args.begin());
  for (const korvel::cli::Command& c : korvel::cli::Commands()) {
    if (command == c.name) return c.run(args);
  }
  std::fprintf(stderr, "korvel: unknown command \"%.*s\"; see korvel --help\n", static_cast<int>(command.size()),
               command.data());
  return korvel::cli::kUsageError;
}

}  // namespace

int main(int argc, char** argv) {
  const int status = Run(std::vector<std::string_view>(argv + 1, argv + argc));
  // Help or a version that could not be written is no success.
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
    std::fprintf(stderr, "korvel: 无法写出到标准输出：%s\n", korvel::SystemReason(errno).c_str());
    return status == korvel::cli::kDone ? korvel::cli::kJobFailed : status;
  }
  return status;
}
