// Reads arbitrary bytes as out.txt the way the Plakon.exe stand-in does and
// lists what it read. An Error is a fine outcome.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "common/error.h"
#include "conv/core/outputs/model_file.h"
#include "standins/plakon/model_listing.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  try {
    korvel::standins::ModelListing(
        korvel::conv::ReadModelFile(std::string_view(reinterpret_cast<const char*>(data), size)));
  } catch (const korvel::Error&) {
  }
  return 0;
}
