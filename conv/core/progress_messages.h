#pragma once
// The messages of the progress log, in code page 936 as they are written.

#include <string>

namespace korvel::conv {

struct ProgressMessages {
  std::string joint, frame, area, frameSection, areaSection, frameNotFound, areaNotFound;
};

const ProgressMessages& Messages();

}  // namespace korvel::conv
