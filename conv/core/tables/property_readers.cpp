#include <optional>
#include <string_view>

#include "common/lenient_number.h"
#include "conv/core/input/field_scanner.h"
#include "conv/core/tables/record_readers.h"

namespace korvel::conv {
namespace {

// The two frame section property readers: the name's row gets its number and
// the line's two values in their members.
void ReadFrameSectionProperties(const ModelLine& A, const KeyTable& keys, Reading reading,
                                double FrameSectionRow::*first, double FrameSectionRow::*second,
                                SectionNames& FrameSection, SectionInfo& sectionInfo) {
  std::string_view name;
  double values[2] = {0, 0};
  ScanFields(A, keys, reading, [&](std::size_t k, const FieldValue& value) {
    if (k == 0) {
      name = value.text;
    } else {
      values[k - 1] = value.number;
    }
  });
  const auto number = FrameSection.FindOrAddSection(name);
  if (!number) return;
  FrameSectionRow& row = sectionInfo.MutableRow(*number);
  row.number = *number;
  row.*first = values[0];
  row.*second = values[1];
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
  sectionInfo.SetDesignConcrete(fc, rebarFy ? ModelNumber(*rebarFy) : 0);
}

void ReadFSectionProp(const ModelLine& A, SectionNames& FrameSection, SectionInfo& sectionInfo,
                      const RecordReading& reading) {
  // Whole keys keep "CGOffset3=" from being taken for "t3=" in a joined record.
  static const KeyTable keys{{"SectionName=", ValueKind::kText}, {"t3="}, {"t2="}};
  ReadFrameSectionProperties(A, keys, reading.reading(), &FrameSectionRow::t3, &FrameSectionRow::t2, FrameSection,
                             sectionInfo);
}

void ReadColumnProp(const ModelLine& A, SectionNames& FrameSection, SectionInfo& sectionInfo,
                    const RecordReading& reading) {
  static const KeyTable keys{{"SectionName=", ValueKind::kText}, {"Cover="}, {"BarSize="}};
  ReadFrameSectionProperties(A, keys, reading.reading(), &FrameSectionRow::cover, &FrameSectionRow::barSize,
                             FrameSection, sectionInfo);
}

void ReadAreaProp(const ModelLine& A, SectionNames& AreaSection, const RecordReading& reading) {
  static const KeyTable keys{{"Section=", ValueKind::kText}};
  std::string_view name;
  ScanFields(A, keys, reading.reading(), [&](std::size_t, const FieldValue& value) { name = value.text; });
  AreaSection.FindOrAddSection(name);
}

}  // namespace korvel::conv
