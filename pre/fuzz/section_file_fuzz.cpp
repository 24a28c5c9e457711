// Reads arbitrary bytes as a section file and, when they are one, builds its
// fibers and the material code file text. An Error is a fine outcome.

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "common/error.h"
#include "pre/core/fiber_generator.h"
#include "pre/core/matcode_file.h"
#include "pre/core/section_fields.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  try {
    korvel::pre::MatcodeText(korvel::pre::BuildFiberSection(korvel::pre::ReadSectionFile(in, "fuzz.section")));
  } catch (const korvel::Error&) {
  }
  return 0;
}
