// Each folder under models/ holds a model.s2k and the debug.txt and out.txt
// that converting it must give, byte for byte. A new case is a new folder.

#include <gtest/gtest.h>

#include <filesystem>

#include "common/tests/temp_folder.h"
#include "conv/core/conversion.h"

namespace korvel::conv {
namespace {

using test_support::CurrentFolder;
using test_support::TempFolder;

const std::filesystem::path kModels = KORVEL_SOURCE_DIR "/conv/tests/models";

class ModelFolder : public ::testing::TestWithParam<std::string> {};

TEST_P(ModelFolder, ConvertsToTheExpectedFiles) {
  const std::filesystem::path expected = kModels / GetParam();
  TempFolder folder;
  std::filesystem::copy_file(expected / "model.s2k", folder.Path("model.s2k"));
  {
    CurrentFolder here(folder.path());
    ConversionOptions options;
    options.startTool = false;
    SAP2KREAD("model.s2k", options);
  }
  EXPECT_EQ(folder.Read("debug.txt"), TempFolder::ReadFile(expected / "debug.txt"));
  EXPECT_EQ(folder.Read("out.txt"), TempFolder::ReadFile(expected / "out.txt"));
}

std::vector<std::string> Cases() {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(kModels)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

INSTANTIATE_TEST_SUITE_P(Models, ModelFolder, ::testing::ValuesIn(Cases()),
                         [](const auto& info) {
                           std::string name = info.param;
                           std::replace(name.begin(), name.end(), '-', '_');
                           return name;
                         });

}  // namespace
}  // namespace korvel::conv
