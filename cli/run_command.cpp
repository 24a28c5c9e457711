#include <string>

#include "cli/commands.h"
#include "cli/report.h"
#include "run/core/job_folder.h"
#include "run/core/solver_command.h"

namespace korvel::cli {

namespace {
constexpr char kHelp[] =
    "用法：korvel run 作业.dat\n"
    "\n"
    "与 KORVEL_RUN 相同，启动求解程序：korvel_2005r2_027.exe -j 作业名，作业名是给出的\n"
    "文件名去掉最后四个字符。作业文件必须在当前文件夹中：求解程序在这里运行，读取这里的\n"
    "matcode0.txt。求解程序先在 korvel 所在的文件夹中找，再到 PATH 列出的文件夹中找；\n"
    "korvel 不等它结束。\n";
}

int RunRun(const Arguments& args) {
  if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) return PrintHelp(kHelp);
  if (args.empty()) return UsageError("run 需要一个作业文件（如 frame1.dat）", kHelp);
  if (args.size() > 1) return UsageError(Words("run 只启动一个作业，多出了 ", Quoted(args[1])), kHelp);
  const std::string job(args[0]);
  return ReportErrors([&] {
    const auto command = run::SolverCommandFor(job);
    if (!command)
      throw Error(Words("作业文件名 ", Quoted(job), " 不到四个字符，得不到作业名（作业文件应如 frame1.dat）"));
    if (const auto outside = run::JobOutsideWorkingFolder(job)) throw Error(*outside);
    run::StartSolver(*command);
  });
}

}  // namespace korvel::cli
