// Reads arbitrary bytes as a section file and, when they are one, builds its
// fibers and the material code file text, which must read back to the same
// section: written again, it gives the same bytes. An Error is a fine outcome.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

#include "common/error.h"
#include "pre/core/fiber_generator.h"
#include "pre/core/matcode_file.h"
#include "pre/core/matcode_reader.h"
#include "pre/core/section_fields.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  std::string text;
  try {
    text = korvel::pre::MatcodeText(korvel::pre::BuildFiberSection(korvel::pre::ReadSectionFile(in, "fuzz.section")));
  } catch (const korvel::Error&) {
    return 0;
  }
  if (korvel::pre::MatcodeText(korvel::pre::ReadMatcodeFile(text)) != text) {
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fputs("\nsection_file_fuzz: the material code file above reads back as another section\n", stderr);
    std::abort();
  }
  return 0;
}
