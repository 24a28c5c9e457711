// Each folder under models/ holds a model.s2k and the debug.txt and out.txt
// that converting it must give, byte for byte, when the model names elements
// the labels.txt, and, when the result is suspect, warnings.txt with the
// warnings, one a line. A new case is a new folder.

#include <gtest/gtest.h>

#include <filesystem>

#include "common/tests/temp_folder.h"
#include "conv/core/conversion.h"

namespace korvel::conv {
namespace {

using test_support::TempFolder;

const std::filesystem::path kModels = KORVEL_SOURCE_DIR "/conv/tests/models";

// The converter's files in `folder` as the expected ones of the case; a file
// the case lacks must not be there.
void ExpectFilesOf(const std::filesystem::path& expected, const TempFolder& folder, const std::string& context) {
  for (const char* name : {"debug.txt", "out.txt", "labels.txt"}) {
    if (!std::filesystem::exists(expected / name)) {
      EXPECT_FALSE(folder.Has(name)) << name << context;
      continue;
    }
    EXPECT_EQ(folder.Read(name), TempFolder::ReadFile(expected / name)) << name << context;
  }
}

class ModelFolder : public ::testing::TestWithParam<std::string> {};

TEST_P(ModelFolder, ConvertsToTheExpectedFiles) {
  const std::filesystem::path expected = kModels / GetParam();
  TempFolder folder;
  std::filesystem::copy_file(expected / "model.s2k", folder.Path("model.s2k"));
  std::string warnings;
  ConversionOptions options;
  options.startTool = false;
  for (const std::string& warning : SAP2KREAD(folder.Path("model.s2k"), folder.path(), options).Warnings()) {
    warnings += warning + "\n";
  }
  ExpectFilesOf(expected, folder, "");
  EXPECT_EQ(warnings, TempFolder::ReadFile(expected / "warnings.txt"));
}

// Reading through a buffer of any size, however small, puts every record,
// quoted name and double-byte character of the model across a buffer
// boundary somewhere; the files must not change.
TEST_P(ModelFolder, AnyBufferSizeGivesTheSameFiles) {
  const std::filesystem::path expected = kModels / GetParam();
  TempFolder folder;
  std::filesystem::copy_file(expected / "model.s2k", folder.Path("model.s2k"));
  for (std::size_t size : {2, 3, 5, 7, 16, 31, 64, 100, 257}) {
    ConversionOptions options;
    options.startTool = false;
    options.bufferSize = size;
    SAP2KREAD(folder.Path("model.s2k"), folder.path(), options);
    ExpectFilesOf(expected, folder, ", buffer of " + std::to_string(size));
  }
}

// The conversion in memory, which fuzzing runs, gives the same files and
// warnings (no labels.txt: no labels).
TEST_P(ModelFolder, InMemoryConversionGivesTheSameFiles) {
  const std::filesystem::path expected = kModels / GetParam();
  ConvertedFiles files;
  std::string warnings;
  for (const std::string& warning :
       ConvertInMemory(TempFolder::ReadFile(expected / "model.s2k"), ConversionOptions(), files).Warnings()) {
    warnings += warning + "\n";
  }
  const auto expectedFile = [&](const char* name) {
    return std::filesystem::exists(expected / name) ? TempFolder::ReadFile(expected / name) : std::string();
  };
  EXPECT_EQ(files.log, expectedFile("debug.txt"));
  EXPECT_EQ(files.model, expectedFile("out.txt"));
  EXPECT_EQ(files.labels, expectedFile("labels.txt"));
  EXPECT_EQ(warnings, expectedFile("warnings.txt"));
}

std::vector<std::string> Cases() {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(kModels)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

INSTANTIATE_TEST_SUITE_P(Models, ModelFolder, ::testing::ValuesIn(Cases()), [](const auto& info) {
  std::string name = info.param;
  std::replace(name.begin(), name.end(), '-', '_');
  return name;
});

}  // namespace
}  // namespace korvel::conv
