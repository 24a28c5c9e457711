#include <string>

#include "cli/commands.h"
#include "cli/report.h"
#include "run/core/job_folder.h"
#include "run/core/solver_command.h"

namespace korvel::cli {

namespace {
constexpr char kHelp[] =
    "usage: korvel run JOB.dat\n"
    "\n"
    "Starts the solver as KORVEL_RUN does: korvel_2005r2_027.exe -j JOB, where\n"
    "JOB is the given name less its last four characters. The job file must lie\n"
    "in the current folder, where the solver runs. The solver is looked for\n"
    "beside korvel, then on PATH; korvel does not wait for it.\n";
}

int RunRun(const Arguments& args) {
  if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) return PrintHelp(kHelp);
  if (args.size() != 1) return UsageError("run takes one job file", kHelp);
  const std::string job(args[0]);
  return ReportErrors([&] {
    const auto command = run::SolverCommandFor(job);
    if (!command) throw Error("作业文件名 \"" + job + "\" 少于四个字符，无法得到作业名");
    if (const auto outside = run::JobOutsideWorkingFolder(job)) throw Error(*outside);
    run::StartSolver(*command);
  });
}

}  // namespace korvel::cli
