#pragma once
// The solver start: the job name is the chosen file's name less its last four
// characters (".dat" for a file picked through the filter, not looked at).

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/program_start.h"

namespace korvel::run {

inline constexpr char kSolverName[] = "korvel_2005r2_027.exe";

struct SolverCommand {
  std::string program = kSolverName;
  std::vector<std::string> args;  // "-j", the job name

  // As the solver sees it on Windows: the job name quoted when it holds a
  // blank, so "my job" stays one argument.
  std::string CommandLine() const { return WindowsCommandLine(program, args); }
};

// Nothing for a name shorter than four characters (a cancelled dialog gives
// the empty name). Characters are counted in the UTF-8 text.
std::optional<SolverCommand> SolverCommandFor(std::string_view chosenFile);

// Starts the solver without waiting for it. Throws Error
// "无法启动求解程序（<command line>）：<reason>" when it cannot be started.
void StartSolver(const SolverCommand& command);

}  // namespace korvel::run
