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

// One of the 26 fields, written once for the window, the section file and
// the section: its name in a section file, the caption and place of its
// window field, the value it fills, and the core-concrete field that the
// copy check box copies into it (0 for none).
struct SectionField {
  std::string_view name;     // "LengthX", ..., "Core.E0", "Cover.E0", "Bar1.Es", ...
  std::string_view caption;  // UTF-8
  int left, top;             // of the text field, in twips
  int labelWidth;            // of its caption, in twips
  double& (*value)(SectionInput& section);
  int copiedFrom;
};

// Field k + 1 (Text1 ... Text26) is kSectionFields[k].
extern const std::array<SectionField, kFieldCount> kSectionFields;

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

// What messages call a section file.
inline constexpr char kSectionFileKind[] = "截面文件";

// A section file: one Name=text per line, names as in kSectionFields; blank
// lines and lines starting with # are passed over; a name not given counts as
// an untouched field ("0"); each text is read as its field would be.
// Throws Error naming the line for an unknown or repeated name, a line
// without "=", or a number beyond the range of a double; Error for a file
// that gives no name at all (nobody means a section of zeros).
SectionInput ReadSectionFile(std::istream& in, const std::string& fileName);

}  // namespace korvel::pre
