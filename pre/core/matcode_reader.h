#pragma once
// "matcode0.txt" read back, strictly: count 1, the header, 36 fibers, 4 bars,
// 154 CR LF lines in all.

#include <cstddef>
#include <string>
#include <string_view>

#include "pre/core/section.h"

namespace korvel::pre {

// The largest matcode0.txt a reader takes: the file has 154 short lines.
inline constexpr std::size_t kMatcodeFileLimit = std::size_t{1} << 20;

// Throws Error naming the first line that does not fit.
FiberSection ReadMatcodeFile(std::string_view bytes, const std::string& fileName = "matcode0.txt");

}  // namespace korvel::pre
