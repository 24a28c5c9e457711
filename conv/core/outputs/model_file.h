#pragma once
// The model file "out.txt" as the converter writes it, read back strictly:
// every count followed by that many lines, CR LF line ends, quoted names.
// Its rows are the rows the converter wrote it from.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "conv/core/tables/model_tables.h"

namespace korvel::conv {

struct ModelFile {
  std::vector<Joint> joints;
  std::vector<Frame> frames;
  std::vector<Area> areas;  // thickness 0: out.txt does not carry it
  struct FrameSection {
    std::string name;
    FrameSectionRow row;
  };
  std::vector<FrameSection> frameSections;
  std::vector<std::string> areaSections;
};

// The largest out.txt a reader takes whole: a model of a million elements
// writes some 60 MB.
inline constexpr std::size_t kModelFileLimit = std::size_t{1} << 30;

// Throws Error naming the line of the first thing that does not fit.
ModelFile ReadModelFile(std::string_view bytes, const std::string& fileName = "out.txt");

}  // namespace korvel::conv
