// Reads arbitrary bytes as matcode0.txt the way the solver stand-in does and
// writes its job log. An Error is a fine outcome.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "common/error.h"
#include "standins/solver/solver_job.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  try {
    korvel::standins::JobLog("fuzz", size, korvel::pre::ReadMatcodeFile(bytes));
  } catch (const korvel::Error&) {
  }
  return 0;
}
