#pragma once
// How korvel tells its user about help, wrong usage and failed jobs.

#include <cstdio>
#include <exception>
#include <string>
#include <string_view>

#include "cli/commands.h"
#include "common/error.h"

namespace korvel::cli {

inline int PrintHelp(std::string_view help) {
  std::fwrite(help.data(), 1, help.size(), stdout);
  return kDone;
}

inline int UsageError(const std::string& problem, std::string_view help) {
  std::fprintf(stderr, "korvel: %s\n", problem.c_str());
  std::fwrite(help.data(), 1, help.size(), stderr);
  return kUsageError;
}

// A message of pieces, joined from the first on.
template <typename... Pieces>
std::string Words(const Pieces&... pieces) {
  std::string words;
  ((words += pieces), ...);
  return words;
}

// An argument of the command line as a message quotes it.
inline std::string Quoted(std::string_view argument) { return Words("\"", Excerpt(argument), "\""); }

// Runs a job; an error becomes one line on standard error and status 1.
template <typename Job>
int ReportErrors(Job&& job) {
  try {
    job();
    return kDone;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "korvel: %s\n", e.what());
  }
  return kJobFailed;
}

}  // namespace korvel::cli
