#include <string_view>

#include "common/lenient_number.h"
#include "conv/core/input/field_scanner.h"
#include "conv/core/tables/record_readers.h"

namespace korvel::conv {
namespace {

// Both assignment readers: the label, and the number of the last name taken.
RecordNotes ReadAssignment(const ModelLine& A, const KeyTable& keys, ElementKind kind, const RecordReading& reading,
                           SectionNames& names, SectionAssignment& assignment) {
  std::string_view name;
  RecordNotes notes;
  ScanFields(A, keys, reading.reading(), [&](std::size_t k, const FieldValue& value) {
    if (k == 0) {
      notes.nonNumericLabel = {};  // the last label counts
      assignment.label = reading.Label(value, kind, notes);
    } else {
      name = value.text;
    }
  });
  assignment.unnamed = name.empty() || name == "None";
  if (assignment.unnamed && reading.reading() == Reading::kModern) return notes;
  if (const auto number = names.FindOrAddSection(name)) assignment.section = *number;
  return notes;
}

}  // namespace

RecordNotes ReadFrameSection(const ModelLine& A, SectionNames& FrameSection, SectionAssignment& assignment,
                             const RecordReading& reading) {
  static const KeyTable keys{{"Frame=", ValueKind::kLabel}, {"AnalSect=", ValueKind::kText}};
  return ReadAssignment(A, keys, ElementKind::kFrame, reading, FrameSection, assignment);
}

RecordNotes ReadAreaSection(const ModelLine& A, SectionNames& AreaSection, SectionAssignment& assignment,
                            const RecordReading& reading) {
  static const KeyTable keys{{"Area=", ValueKind::kLabel}, {"Section=", ValueKind::kText}};
  return ReadAssignment(A, keys, ElementKind::kArea, reading, AreaSection, assignment);
}

}  // namespace korvel::conv
