#include <string_view>

#include "conv/core/field_scanner.h"
#include "conv/core/readers.h"

namespace korvel::conv {
namespace {

// Both assignment readers: the label to element 0, the section number of the
// last name taken to element `sectionIndex`.
template <std::size_t N>
void ReadAssignment(const ModelLine& A, const KeyTable& keys, SectionNames& names, std::array<double, N>& info,
                    std::size_t sectionIndex) {
  std::string_view name;
  ScanFields(A, keys, [&](std::size_t k, const FieldValue& value) {
    if (k == 0) {
      info[0] = value.number;
    } else {
      name = value.text;
    }
  });
  if (const auto number = names.FindOrAddSection(name)) info[sectionIndex] = *number;
}

}  // namespace

void ReadFrameSection(const ModelLine& A, SectionNames& FrameSection, FrameSectionInfo& info) {
  static const KeyTable keys{{"Frame="}, {"AnalSect=", ValueKind::kText}};
  ReadAssignment(A, keys, FrameSection, info, 3);
}

void ReadAreaSection(const ModelLine& A, SectionNames& AreaSection, AreaSectionInfo& info) {
  static const KeyTable keys{{"Area="}, {"Section=", ValueKind::kText}};
  ReadAssignment(A, keys, AreaSection, info, 6);
}

}  // namespace korvel::conv
