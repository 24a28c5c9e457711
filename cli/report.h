#pragma once
// How korvel tells its user about help, wrong usage and failed jobs.

#include <cstdio>
#include <exception>
#include <new>
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

inline int UsageError(const std::string& problem, std::string_view help) {
  WriteMessage(stderr, "korvel: " + problem + "\n");
  WriteMessage(stderr, help);
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
  } catch (const std::bad_alloc&) {
    WriteMessage(stderr, std::string("korvel: ") + kOutOfMemory + "\n");
  } catch (const std::exception& e) {
    WriteMessage(stderr, std::string("korvel: ") + e.what() + "\n");
  }
  return kJobFailed;
}

}  // namespace korvel::cli
