#pragma once
// The subcommands of korvel; each returns the program's exit status.

#include <span>
#include <string_view>
#include <vector>

namespace korvel::cli {

inline constexpr int kDone = 0;
inline constexpr int kJobFailed = 1;
inline constexpr int kUsageError = 2;
// korvel convert: debug.txt and out.txt are written, but Plakon.exe could not
// be started, so data.mfd was not made.
inline constexpr int kToolNotStarted = 3;

using Arguments = std::vector<std::string_view>;

struct Command {
  std::string_view name;
  int (*run)(const Arguments& args);
};

std::span<const Command> Commands();

int RunPre(const Arguments& args);
int RunConvert(const Arguments& args);
int RunRun(const Arguments& args);
int RunPlot(const Arguments& args);
int RunCheck(const Arguments& args);

}  // namespace korvel::cli
