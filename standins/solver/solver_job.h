#pragma once
// What the solver stand-in checks and reports for one job.

#include <string>
#include <string_view>

#include "pre/core/matcode_reader.h"
#include "pre/core/section.h"

namespace korvel::standins {

// The job log: the section's dimensions, the concrete area against
// LengthX x LengthY, the steel area and the centroid of the fibers.
std::string JobLog(const std::string& job, std::size_t jobBytes, const pre::FiberSection& section);

}  // namespace korvel::standins
