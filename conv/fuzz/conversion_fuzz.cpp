// Converts arbitrary bytes as a model file, in memory, so that thousands of
// models a second are tried. The first byte chooses the reading and small
// item and section limits, so both readings and the limits are exercised; an
// Error is a fine outcome, anything else (a crash, a sanitizer report,
// another exception) is a finding, and so is an out.txt that does not read
// back as the model file or a labels.txt that does not parse. Lines across the file reader's buffer
// edges are tried for every buffer size by the line reader's tests.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "common/error.h"
#include "conv/core/conversion.h"
#include "conv/core/outputs/label_file.h"
#include "conv/core/outputs/model_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::uint8_t choice = data[0];
  korvel::conv::ConversionOptions options;
  options.startTool = false;
  options.reading = static_cast<korvel::conv::ReadingChoice>(choice % 3);
  options.itemLimit = (choice & 0x40) ? 7 : korvel::conv::kItemLimit;
  options.sectionCapacity = (choice & 0x20) ? 2 : korvel::conv::kSectionCapacity;
  korvel::conv::ConvertedFiles files;
  try {
    korvel::conv::ConvertInMemory(std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1), options, files)
        .Warnings();
  } catch (const korvel::Error&) {
    return 0;
  }
  // Outside the try: an Error of the readers is a finding.
  korvel::conv::ReadModelFile(files.model);
  korvel::conv::ReadLabelFile(files.labels);
  return 0;
}
