#pragma once
// The 26 section parameters as texts, in the order of the window's fields
// Text1 to Text26, and their reading into a SectionInput.

#include <array>
#include <istream>
#include <string>
#include <string_view>

#include "common/error.h"
#include "pre/core/section.h"

namespace korvel::pre {

inline constexpr int kFieldCount = 26;
using SectionTexts = std::array<std::string, kFieldCount>;

// Field k + 1 is named kFieldNames[k]: "LengthX", ..., "Core.E0", "Cover.E0",
// "Bar1.Es", ... These are also the names of a section file.
extern const std::array<std::string_view, kFieldCount> kFieldNames;

// A field whose number is beyond the range of a double.
class FieldOverflow : public OverflowError {
 public:
  FieldOverflow(int field, const std::string& message) : OverflowError(message), field_(field) {}
  int field() const { return field_; }  // 1 to 26

 private:
  int field_;
};

// Reads every text with the lenient number conversion; throws FieldOverflow.
SectionInput SectionFromTexts(const SectionTexts& texts);

// A section file: one Name=text per line, names as in kFieldNames; blank
// lines and lines starting with # are passed over; a name not given counts as
// an untouched field ("0"); each text is read as its field would be.
// Throws Error naming the line for an unknown or repeated name, a line
// without "=", or a number beyond the range of a double; Error for a file
// that gives no name at all (nobody means a section of zeros).
SectionInput ReadSectionFile(std::istream& in, const std::string& fileName);

}  // namespace korvel::pre
