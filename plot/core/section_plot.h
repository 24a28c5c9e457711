#pragma once
// A picture of a fiber section as "matcode0.txt" holds it: the 36 concrete
// fibers as rectangles coloured by the concrete they carry, the 4 bars as
// dots of their area to scale, the axes through the centroid of the fibers,
// the overall dimensions and a legend of the values read back.

#include <string>

#include "pre/core/section.h"

namespace korvel::plot {

// `source` names the file in the title: UTF-8, or a name in code page 936.
std::string SectionSvg(const pre::FiberSection& section, const std::string& source);

}  // namespace korvel::plot
