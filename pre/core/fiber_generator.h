#pragma once

#include "pre/core/section.h"

namespace korvel::pre {

// Divides the section into a 6 x 6 grid (cover strips outside, four equal core
// strips between) and places a bar at each inner cover corner. The 20 ring
// fibers take CoreConcrete and the 16 interior fibers CoverConcrete: that is
// the layout the solver's fiber element and existing files expect.
// Throws OverflowError when a value exceeds the range of a double.
FiberSection BuildFiberSection(const SectionInput& input);

}  // namespace korvel::pre
