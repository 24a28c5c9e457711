#include "run/core/solver_command.h"

#include "common/error.h"

namespace korvel::run {
namespace {
bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }
}  // namespace

std::optional<SolverCommand> SolverCommandFor(std::string_view chosenFile) {
  std::size_t end = chosenFile.size();
  for (int cut = 0; cut < 4; ++cut) {
    if (end == 0) return std::nullopt;
    do --end;
    while (end > 0 && IsContinuationByte(chosenFile[end]));
  }
  SolverCommand command;
  command.args = {"-j", std::string(chosenFile.substr(0, end))};
  return command;
}

void StartSolver(const SolverCommand& command) {
  const StartResult started = StartProgram(command.program, command.args);
  if (started.started) return;
  std::string message = "无法启动求解程序（" + command.CommandLine() + "）：" + started.problem;
  if (started.notFound) message += "；" + WhereToPut(command.program);
  throw Error(message);
}

}  // namespace korvel::run
