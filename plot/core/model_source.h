#pragma once
// A SAP2000 text model read in memory as a conversion reads it, for the
// picture: what out.txt would carry, and what it leaves out or cannot
// describe (links, cables and tendons; frames of sections that are not
// rectangles; the places of zero-length frames, degenerate areas and
// coincident joints).

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "conv/core/outputs/model_file.h"
#include "conv/core/reading/model_survey.h"

namespace korvel::plot {

struct ModelExtras {
  struct Kind {
    std::string word;  // the engineer's word ("连接单元"), UTF-8
    int count = 0;
  };
  std::vector<Kind> leftOut;
  struct Line {
    std::size_t kind;  // into leftOut
    conv::ModelPoint from, to;
  };
  std::vector<Line> leftOutLines;    // two-joint elements whose joints out.txt holds
  std::vector<char> notRectangular;  // by frame section number - 1
  std::vector<conv::ModelPoint> zeroLength, degenerate, coincident;
};

// Whether the bytes are a table model rather than out.txt.
bool IsTableModel(std::string_view bytes);

// Throws Error as a conversion would (no table, a number too large).
std::pair<conv::ModelFile, ModelExtras> ReadModelForPicture(std::string_view bytes, const std::string& name,
                                                            int itemLimit = 1'000'000);

}  // namespace korvel::plot
