#pragma once
// How korvel tells its user about help, wrong usage and failed jobs.

#include <cstdio>
#include <exception>
#include <string>
#include <string_view>

#include "cli/commands.h"
#include "common/console_output.h"
#include "common/error.h"

namespace korvel::cli {

inline int PrintHelp(std::string_view help) {
  WriteMessage(stdout, help);
  return kDone;
}

inline int UsageError(const char* problem, std::string_view help) {
  WriteMessage(stderr, std::string("korvel: ") + problem + "\n");
  WriteMessage(stderr, help);
  return kUsageError;
}

// Runs a job; an error becomes one line on standard error and status 1.
template <typename Job>
int ReportErrors(Job&& job) {
  try {
    job();
    return kDone;
  } catch (const std::exception& e) {
    WriteMessage(stderr, std::string("korvel: ") + e.what() + "\n");
  }
  return kJobFailed;
}

}  // namespace korvel::cli
