#include <string_view>

#include "common/lenient_number.h"
#include "conv/core/field_scanner.h"
#include "conv/core/readers.h"

namespace korvel::conv {
namespace {

// Both assignment readers: the label, and the number of the last name taken.
RecordNotes ReadAssignment(const ModelLine& A, const KeyTable& keys, SectionNames& names,
                           SectionAssignment& assignment) {
  std::string_view name;
  RecordNotes notes;
  ScanFields(A, keys, [&](std::size_t k, const FieldValue& value) {
    if (k == 0) {
      assignment.label = value.number;
      notes.nonNumericLabel = IsPlainNumber(value.text) ? std::string_view() : value.text;
    } else {
      name = value.text;
    }
  });
  if (const auto number = names.FindOrAddSection(name)) assignment.section = *number;
  return notes;
}

}  // namespace

RecordNotes ReadFrameSection(const ModelLine& A, SectionNames& FrameSection, SectionAssignment& assignment) {
  static const KeyTable keys{{"Frame="}, {"AnalSect=", ValueKind::kText}};
  return ReadAssignment(A, keys, FrameSection, assignment);
}

RecordNotes ReadAreaSection(const ModelLine& A, SectionNames& AreaSection, SectionAssignment& assignment) {
  static const KeyTable keys{{"Area="}, {"Section=", ValueKind::kText}};
  return ReadAssignment(A, keys, AreaSection, assignment);
}

}  // namespace korvel::conv
