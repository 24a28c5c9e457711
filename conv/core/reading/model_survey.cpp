#include "conv/core/reading/model_survey.h"

#include "conv/core/input/model_text.h"

namespace korvel::conv {
namespace {

constexpr std::string_view kConnectivity = "CONNECTIVITY - ";

// The value of a record's first Key=value item: its label.
std::string_view FirstValue(std::string_view bytes) {
  const std::size_t equals = bytes.find('=');
  if (equals == std::string_view::npos) return {};
  std::string_view value = bytes.substr(equals + 1);
  if (value.starts_with('"')) {
    const std::size_t close = value.find('"', 1);
    if (close != std::string_view::npos) return value.substr(1, close - 1);
  }
  return value.substr(0, value.find(' '));
}

}  // namespace

void ReadSectionShape(const ModelLine& A, ByName<std::string>& shapeOf, const RecordReading& reading) {
  // The name as the frame section readers take it; the shape wherever it ends.
  static const KeyTable keys{{"SectionName=", ValueKind::kText},
                             {"Shape=", ValueKind::kText, KeyPlace::kWholeKey, ValueEnd::kBlankOrEndOfLine}};
  std::string_view name, shape;
  bool shaped = false;
  ScanFields(A, keys, reading.reading(), [&](std::size_t k, const FieldValue& value) {
    if (k == 0) {
      name = value.text;
    } else {
      shape = value.text;
      shaped = true;
    }
  });
  if (!shaped || name.empty()) return;
  if (const auto found = shapeOf.find(name); found != shapeOf.end()) {
    found->second = shape;
  } else if (shapeOf.size() < kLinkedNames) {
    shapeOf.emplace(name, std::string(shape));
  }
}

void LeftOutTables::Header(const ModelLine& line, std::size_t titleAt, bool opensKnown, ConversionResult& result) {
  open_ = kNone;
  if (opensKnown || titleAt == ModelLine::npos) return;
  std::string_view title = line.bytes().substr(titleAt);
  if (!title.starts_with(kConnectivity)) return;
  title.remove_prefix(kConnectivity.size());
  title = title.substr(0, title.find('"'));
  while (title.ends_with(' ')) title.remove_suffix(1);
  if (title.empty()) return;
  // A kind is listed with its first record, so an empty table lists nothing.
  kind_ = ModelText(title);
  open_ = kPending;
  for (std::size_t k = 0; k < result.leftOut.size(); ++k) {
    if (result.leftOut[k].kind == kind_) open_ = k;
  }
}

void LeftOutTables::Record(const ModelLine& line, const RecordReading& reading, ConversionResult& result,
                           ModelSurvey& survey) {
  if (open_ == kNone) return;
  if (open_ == kPending) {
    open_ = result.leftOut.size();
    result.leftOut.push_back({kind_, 0, ""});
  }
  LeftOutElements& elements = result.leftOut[open_];
  if (elements.count++ == 0) elements.first = ModelText(FirstValue(line.bytes()));
  if (!survey.keepPlaces) return;
  static const KeyTable keys{{"JointI="}, {"JointJ="}};
  double joints[2] = {0, 0};
  int found = 0;
  RecordNotes notes;
  ScanFields(line, keys, reading.reading(), [&](std::size_t k, const FieldValue& value) {
    joints[k] = reading.Label(value, ElementKind::kJoint, notes);
    found |= 1 << k;
  });
  if (found == 0b11) survey.leftOutLines.push_back({open_, joints[0], joints[1]});
}

}  // namespace korvel::conv
