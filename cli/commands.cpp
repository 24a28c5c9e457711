#include "cli/commands.h"

namespace korvel::cli {

std::span<const Command> Commands() {
  static const Command commands[] = {
      {"pre", RunPre}, {"convert", RunConvert}, {"run", RunRun}, {"plot", RunPlot}, {"check", RunCheck},
  };
  return commands;
}

}  // namespace korvel::cli
