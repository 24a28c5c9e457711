#include <optional>
#include <string_view>

#include "common/lenient_number.h"
#include "conv/core/field_scanner.h"
#include "conv/core/readers.h"

namespace korvel::conv {
namespace {

// The two frame section property readers: the name's row gets its number in
// column 0 and the line's two values in their columns.
void ReadFrameSectionProperties(const ModelLine& A, const KeyTable& keys, int firstColumn, int secondColumn,
                                SectionNames& FrameSection, SectionInfo& sectionInfo) {
  std::string_view name;
  double values[2] = {0, 0};
  ScanFields(A, keys, [&](std::size_t k, const FieldValue& value) {
    if (k == 0) {
      name = value.text;
    } else {
      values[k - 1] = value.number;
    }
  });
  const auto number = FrameSection.FindOrAddSection(name);
  if (!number) return;
  sectionInfo.Set(*number, 0, *number);
  sectionInfo.Set(*number, firstColumn, values[0]);
  sectionInfo.Set(*number, secondColumn, values[1]);
}

}  // namespace

void ReadConcrete(const ModelLine& A, SectionInfo& sectionInfo) {
  static const KeyTable keys{{"Fc="}, {"RebarFy=", ValueKind::kText}};
  double fc = 0;
  std::optional<std::string_view> rebarFy;
  ScanFields(A, keys, [&](std::size_t k, const FieldValue& value) {
    if (k == 0) {
      fc = value.number;
    } else {
      rebarFy = value.text;
    }
  });
  // A plain decimal number reads as itself; anything else as its leading number.
  sectionInfo.SetConcrete(fc, rebarFy ? LenientNumber(*rebarFy) : 0);
}

void ReadFSectionProp(const ModelLine& A, SectionNames& FrameSection, SectionInfo& sectionInfo) {
  // t3 is read first but goes to the higher column: t2 to 3, t3 to 4.
  static const KeyTable keys{{"SectionName=", ValueKind::kText}, {"t3="}, {"t2="}};
  ReadFrameSectionProperties(A, keys, 4, 3, FrameSection, sectionInfo);
}

void ReadColumnProp(const ModelLine& A, SectionNames& FrameSection, SectionInfo& sectionInfo) {
  static const KeyTable keys{{"SectionName=", ValueKind::kText}, {"Cover="}, {"BarSize="}};
  ReadFrameSectionProperties(A, keys, 5, 6, FrameSection, sectionInfo);
}

void ReadAreaProp(const ModelLine& A, SectionNames& AreaSection) {
  static const KeyTable keys{{"Section=", ValueKind::kText}};
  std::string_view name;
  ScanFields(A, keys, [&](std::size_t, const FieldValue& value) { name = value.text; });
  AreaSection.FindOrAddSection(name);
}

}  // namespace korvel::conv
