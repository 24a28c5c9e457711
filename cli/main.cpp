// korvel: the tool set's jobs from the command line, without windows, writing
// the same files as KORVEL_PRE, TRELVO and KORVEL_RUN.

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "cli/commands.h"
#include "common/codepage.h"
#include "common/console_output.h"
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
    "\n"
    "korvel COMMAND --help describes a command. Exit status: 0 done, 1 the job failed,\n"
    "2 wrong usage.\n";

int Run(std::vector<std::string_view> args) {
  if (args.empty()) {
    korvel::WriteMessage(stderr, kUsage);
    return korvel::cli::kUsageError;
  }
  if (args[0] == "--help" || args[0] == "-h") {
    korvel::WriteMessage(stdout, kUsage);
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
  korvel::WriteMessage(stderr,
                       "korvel: unknown command \"" + korvel::NameForDisplay(command) + "\"; see korvel --help\n");
  return korvel::cli::kUsageError;
}

}  // namespace

int main(int argc, char** argv) {
  const int status = Run(std::vector<std::string_view>(argv + 1, argv + argc));
  // Help or a version that could not be written is no success.
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
    korvel::WriteMessage(stderr, "korvel: 无法写出到标准输出：" + korvel::SystemReason(errno) + "\n");
    return status == korvel::cli::kDone ? korvel::cli::kJobFailed : status;
  }
  return status;
}
