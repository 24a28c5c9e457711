#pragma once
// How korvel tells its user about help, wrong usage and failed jobs.

#include <cstdio>
#include <exception>
#include <new>
#include <string_view>

#include "cli/commands.h"
#include "common/error.h"

namespace korvel::cli {

inline int PrintHelp(std::string_view help) {
  std::fwrite(help.data(), 1, help.size(), stdout);
  return kDone;
}

inline int UsageError(const char* problem, std::string_view help) {
  std::fprintf(stderr, "korvel: %s\n", problem);
  std::fwrite(help.data(), 1, help.size(), stderr);
  return kUsageError;
}

// Runs a job; an error becomes one line on standard error and status 1.
template <typename Job>
int ReportErrors(Job&& job) {
  try {
    job();
    return kDone;
  } catch (const std::bad_alloc&) {
    std::fprintf(stderr, "korvel: %s\n", kOutOfMemory);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "korvel: %s\n", e.what());
  }
  return kJobFailed;
}

}  // namespace korvel::cli
