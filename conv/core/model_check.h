#pragma once
// What `korvel check` tells about a model without writing anything: who wrote
// it and in which units, the reading, what out.txt would carry and what it
// leaves out, the frame sections by shape, and every warning a conversion
// would give. For a person as text, for scripts as one JSON object.

#include <filesystem>
#include <string>
#include <vector>

#include "conv/core/input/model_input.h"
#include "conv/core/reading/result.h"

namespace korvel::conv {

struct ModelCheck {
  std::string program, version, units;  // UTF-8, empty where the model says nothing
  Reading reading = Reading::kClassic;
  int joints = 0, frames = 0, areas = 0, frameSectionCount = 0, areaSectionCount = 0;
  std::vector<LeftOutElements> leftOut;
  struct FrameSection {
    std::string name, shape;  // UTF-8; shape empty where the model gives none
    int frames = 0;
  };
  std::vector<FrameSection> frameSections;  // in the order of out.txt
  int unusedJoints = 0;
  std::vector<Warning> warnings;
};

// Reads the model as a conversion would, with the same errors, and writes
// nothing.
ModelCheck CheckModel(ModelInput& model, const ConversionOptions& options);
ModelCheck CheckModelFile(const std::filesystem::path& model, const ConversionOptions& options);

std::string CheckText(const ModelCheck& check);
std::string CheckJson(const ModelCheck& check);

}  // namespace korvel::conv
