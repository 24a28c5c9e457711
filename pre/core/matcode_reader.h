#pragma once
// "matcode0.txt" read back, strictly: count 1, the header, 36 fibers, 4 bars,
// 154 CR LF lines in all.

#include <string>
#include <string_view>

#include "pre/core/section.h"

namespace korvel::pre {

// Throws Error naming the first line that does not fit.
FiberSection ReadMatcodeFile(std::string_view bytes, const std::string& fileName = "matcode0.txt");

}  // namespace korvel::pre
