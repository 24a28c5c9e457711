// Reads arbitrary bytes as matcode0.txt the way the solver stand-in does and
// writes its job log. A section read is written again and must read back to
// itself: written once more, it gives the same bytes. An Error is a fine
// outcome.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "common/error.h"
#include "pre/core/matcode_file.h"
#include "standins/solver/solver_job.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  try {
    const korvel::pre::FiberSection section = korvel::pre::ReadMatcodeFile(bytes);
    const std::string text = korvel::pre::MatcodeText(section);
    if (korvel::pre::MatcodeText(korvel::pre::ReadMatcodeFile(text)) != text) {
      std::fwrite(text.data(), 1, text.size(), stderr);
      std::fputs("\nmatcode_file_fuzz: the material code file above reads back as another section\n", stderr);
      std::abort();
    }
    korvel::standins::JobLog("fuzz", size, section);
  } catch (const korvel::Error&) {
  }
  return 0;
}
