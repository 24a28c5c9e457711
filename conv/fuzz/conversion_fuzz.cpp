// Converts arbitrary bytes as a model file, in memory, so that thousands of
// models a second are tried, and the same bytes as a file in a folder. The
// first byte chooses the reading, small item and section limits and a small
// buffer for the file, so both readings, the limits and lines across the
// file reader's buffer edges are exercised. An Error is a fine outcome; a
// finding is anything else (a crash, a sanitizer report, another exception),
// an out.txt that does not read back as the model file, a labels.txt that
// does not parse, and the two conversions disagreeing: in their error, their
// warnings or a byte of debug.txt, out.txt or labels.txt.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/error.h"
#include "common/tests/temp_folder.h"
#include "conv/core/conversion.h"
#include "conv/core/outputs/label_file.h"
#include "conv/core/outputs/model_file.h"

namespace {

using korvel::test_support::TempFolder;

void Differ(const char* what, std::string_view inMemory, std::string_view inFolder) {
  std::fprintf(stderr, "the conversions in memory and in a folder differ in %s:\n%.*s\n---\n%.*s\n", what,
               static_cast<int>(inMemory.size()), inMemory.data(), static_cast<int>(inFolder.size()), inFolder.data());
  std::abort();
}

std::string Lines(const std::vector<std::string>& texts) {
  std::string lines;
  for (const std::string& text : texts) (lines += text) += '\n';
  return lines;
}

// The folder the model is converted in, made the current one so that
// messages name the model as the conversion in memory does.
const TempFolder& Folder() {
  static const TempFolder folder;
  static const bool entered = (std::filesystem::current_path(folder.path()), true);
  (void)entered;
  return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::uint8_t choice = data[0];
  const std::string_view model(reinterpret_cast<const char*>(data) + 1, size - 1);
  korvel::conv::ConversionOptions options;
  options.startTool = false;
  options.reading = static_cast<korvel::conv::ReadingChoice>(choice % 3);
  options.itemLimit = (choice & 0x40) ? 7 : korvel::conv::kItemLimit;
  options.sectionCapacity = (choice & 0x20) ? 2 : korvel::conv::kSectionCapacity;

  korvel::conv::ConvertedFiles files;
  std::string memoryError;
  std::vector<std::string> memoryWarnings;
  try {
    memoryWarnings = korvel::conv::ConvertInMemory(model, options, files).Warnings();
  } catch (const korvel::Error& e) {
    memoryError = e.what();
  }
  if (memoryError.empty()) {
    // Outside any try: an Error of the readers is a finding.
    korvel::conv::ReadModelFile(files.model);
    korvel::conv::ReadLabelFile(files.labels);
  }

  // A conversion through a folder costs as much as some ten in memory: one
  // input in four is converted there too.
  if ((choice & 0x18) != 0x18) return 0;
  const TempFolder& folder = Folder();
  folder.Write("model.s2k", std::string(model));
  options.bufferSize = (choice & 0x80) ? 5 : 4096;  // the default would be cleared for every input
  std::string folderError;
  std::vector<std::string> folderWarnings;
  try {
    folderWarnings = korvel::conv::SAP2KREAD("model.s2k", korvel::conv::kCurrentFolder, options).Warnings();
  } catch (const korvel::Error& e) {
    folderError = e.what();
  }
  if (memoryError != folderError) Differ("their error", memoryError, folderError);
  if (!memoryError.empty()) return 0;
  if (memoryWarnings != folderWarnings) Differ("their warnings", Lines(memoryWarnings), Lines(folderWarnings));
  for (const auto& [name, bytes] : {std::pair{"debug.txt", &files.log}, std::pair{"out.txt", &files.model},
                                    std::pair{"labels.txt", &files.labels}}) {
    const std::string written = folder.Read(name);  // "" for a file not written
    if (*bytes != written) Differ(name, *bytes, written);
  }
  return 0;
}
