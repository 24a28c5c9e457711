// Converts arbitrary bytes as a model file. The first byte chooses the
// reading and the size of the read buffer, so both readings and lines that
// cross buffer boundaries are exercised; an Error is a fine outcome, anything
// else (a crash, a sanitizer report, another exception) is a finding.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "common/error.h"
#include "conv/core/conversion.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  char folder[] = "/tmp/korvel-fuzz-XXXXXX";
  if (!mkdtemp(folder) || chdir(folder) != 0) std::abort();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::uint8_t choice = data[0];
  std::FILE* model = std::fopen("model.s2k", "wb");
  std::fwrite(data + 1, 1, size - 1, model);
  std::fclose(model);

  korvel::conv::ConversionOptions options;
  options.startTool = false;
  options.reading = static_cast<korvel::conv::ReadingChoice>(choice % 3);
  options.bufferSize = (choice & 0x80) ? 2 + (choice >> 2) % 32 : 4096;
  options.itemLimit = (choice & 0x40) ? 7 : korvel::conv::kItemLimit;
  options.sectionCapacity = (choice & 0x20) ? 2 : korvel::conv::kSectionCapacity;
  try {
    korvel::conv::SAP2KREAD("model.s2k", options).Warnings();
  } catch (const korvel::Error&) {
  }
  return 0;
}
