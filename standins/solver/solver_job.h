#pragma once
// What the solver stand-in checks and reports for one job.

#include <string>
#include <string_view>

#include "pre/core/section.h"

namespace korvel::standins {

// "matcode0.txt" read back: count 1, the header, 36 fibers, 4 bars, 154
// lines in all. Throws Error naming the first line that does not fit.
pre::FiberSection ReadMatcodeFile(std::string_view bytes);

// The job log: the section's dimensions, the concrete area against
// LengthX x LengthY, the steel area and the centroid of the fibers.
std::string JobLog(const std::string& job, std::size_t jobBytes, const pre::FiberSection& section);

}  // namespace korvel::standins
