#pragma once
// The material code file "matcode0.txt": one section block of 154 list lines
// that the solver's fiber element reads.

#include <filesystem>
#include <string>

#include "pre/core/section.h"

namespace korvel::pre {

inline constexpr char kMatcodeFileName[] = "matcode0.txt";

// The file's complete bytes for one section.
std::string MatcodeText(const FiberSection& section);

// Replaces the file as a whole: a failure leaves an existing file unchanged.
// Throws Error naming the file and the reason.
void WriteMatcodeFile(const FiberSection& section, const std::filesystem::path& file = kMatcodeFileName);

// What OK does: computes the section and, only when that succeeds, writes it.
// Throws OverflowError or Error; on either the file is left as it was.
void Write_File(const SectionInput& input, const std::filesystem::path& file = kMatcodeFileName);

}  // namespace korvel::pre
