#include <cmath>
#include <numbers>
#include <optional>
#include <utility>

#include "common/error.h"
#include "common/lenient_number.h"
#include "conv/core/input/field_scanner.h"
#include "conv/core/tables/record_readers.h"

namespace korvel::conv {
namespace {

// Remembers the first label value whose text is not a number.
void CheckLabel(const FieldValue& value, ElementKind kind, RecordNotes& notes) {
  if (notes.nonNumericLabel.empty() && !IsPlainNumber(value.text)) {
    notes.nonNumericLabel = value.text;
    notes.nonNumericKind = kind;
  }
}

bool SameWord(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

// Exact at the quarter turns, where SAP2000 users place most joints.
std::pair<double, double> CosSinOfDegrees(double degrees) {
  double turn = std::fmod(degrees, 360.0);
  if (turn < 0) turn += 360.0;
  if (turn == 0) return {1, 0};
  if (turn == 90) return {0, 1};
  if (turn == 180) return {-1, 0};
  if (turn == 270) return {0, -1};
  const double radians = turn * (std::numbers::pi / 180.0);
  return {std::cos(radians), std::sin(radians)};
}

}  // namespace

const RecordReading& RecordReading::Classic() {
  static ElementNames none;
  static const RecordReading classic(Reading::kClassic, none);
  return classic;
}

double RecordReading::Label(const FieldValue& value, ElementKind kind, RecordNotes& notes) const {
  if (reading_ == Reading::kClassic) {
    CheckLabel(value, kind, notes);
    return value.number;
  }
  const double label = names_.Label(kind, value.text, value.number);
  if (std::isnan(label) && notes.nonNumericLabel.empty()) {
    notes.nonNumericLabel = value.text;
    notes.nonNumericKind = kind;
  }
  return label;
}

RecordNotes ReadJoint(const ModelLine& A, Joint& joint) {
  static const KeyTable keys{{"Joint=", ValueKind::kLabel},
                             {"GlobalX="},
                             {"GlobalY="},
                             {"GlobalZ=", ValueKind::kNumber, KeyPlace::kAnywhere, ValueEnd::kBlankOrEndOfLine}};
  double* const fields[] = {&joint.label, &joint.x, &joint.y, &joint.z};
  RecordNotes notes;
  int coordinates = 0;
  ScanFields(A, keys, [&](std::size_t k, const FieldValue& value) {
    *fields[k] = value.number;
    if (k == 0) {
      CheckLabel(value, ElementKind::kJoint, notes);
    } else {
      coordinates |= 1 << k;
    }
  });
  notes.coordinatesMissing = coordinates != 0b1110;
  return notes;
}

RecordNotes ReadModernJoint(const ModelLine& A, Joint& joint, ElementNames& names) {
  enum { kJoint, kSystem, kType, kXorR, kY, kZ, kT, kGlobalX, kGlobalY, kGlobalZ, kKeyCount };
  static const KeyTable keys{{"Joint=", ValueKind::kLabel},
                             {"CoordSys=", ValueKind::kText},
                             {"CoordType=", ValueKind::kText},
                             {"XorR="},
                             {"Y="},
                             {"Z="},
                             {"T="},
                             {"GlobalX="},
                             {"GlobalY="},
                             {"GlobalZ="}};
  const RecordReading modern(Reading::kModern, names);
  std::optional<double> number[kKeyCount];
  std::string_view system = "GLOBAL", type = "Cartesian";
  RecordNotes notes;
  ScanFields(A, keys, Reading::kModern, [&](std::size_t k, const FieldValue& value) {
    if (k == kSystem) {
      system = value.text;
    } else if (k == kType) {
      type = value.text;
    } else {
      number[k] = k == kJoint ? modern.Label(value, ElementKind::kJoint, notes) : value.number;
    }
  });
  joint.label = number[kJoint].value_or(0);
  auto place = [&](int x, int y, int z) {
    joint.x = number[x].value_or(0);
    joint.y = number[y].value_or(0);
    joint.z = number[z].value_or(0);
    notes.coordinatesMissing = !number[x] || !number[y] || !number[z];
  };
  if (number[kGlobalX] || number[kGlobalY] || number[kGlobalZ]) {
    place(kGlobalX, kGlobalY, kGlobalZ);
  } else if (!SameWord(system, "GLOBAL")) {
    notes.coordinatesMissing = true;
  } else if (SameWord(type, "Cartesian")) {
    place(kXorR, kY, kZ);
  } else if (SameWord(type, "Cylindrical")) {
    place(kXorR, kT, kZ);
    const auto [cosine, sine] = CosSinOfDegrees(joint.y);
    const double radius = joint.x;
    joint.x = radius * cosine;
    joint.y = radius * sine;
  } else {
    notes.coordinatesMissing = true;
  }
  return notes;
}

RecordNotes ReadFrameCon(const ModelLine& A, Frame& frame, const RecordReading& reading) {
  static const KeyTable keys{
      {"Frame=", ValueKind::kLabel}, {"JointI=", ValueKind::kLabel}, {"JointJ=", ValueKind::kLabel}};
  double* const fields[] = {&frame.label, &frame.jointI, &frame.jointJ};
  RecordNotes notes;
  ScanFields(A, keys, reading.reading(), [&](std::size_t k, const FieldValue& value) {
    *fields[k] = reading.Label(value, k == 0 ? ElementKind::kFrame : ElementKind::kJoint, notes);
  });
  return notes;
}

RecordNotes ReadAreaCon(const ModelLine& A, Area& area, const RecordReading& reading) {
  enum { kArea, kJoint1, kJoint2, kJoint3, kJoint4, kAreaArea, kVolume };
  static const KeyTable keys{{"Area=", ValueKind::kLabel, KeyPlace::kFirstCharacterOnly},
                             {"Joint1=", ValueKind::kLabel},
                             {"Joint2=", ValueKind::kLabel},
                             {"Joint3=", ValueKind::kLabel},
                             {"Joint4=", ValueKind::kLabel},
                             {"AreaArea="},
                             {"Volume="}};
  double surface = 0;
  RecordNotes notes;
  ScanFields(A, keys, reading.reading(), [&](std::size_t k, const FieldValue& value) {
    if (k == kAreaArea) {
      surface = value.number;
    } else if (k == kVolume) {
      const double thickness = surface == 0 ? 0 : value.number / surface;
      if (!std::isfinite(thickness)) throw OverflowError("面单元厚度（Volume/AreaArea）超出双精度数的范围");
      area.thickness = thickness;
    } else {
      (k == kArea ? area.label : area.joints[k - kJoint1]) =
          reading.Label(value, k == kArea ? ElementKind::kArea : ElementKind::kJoint, notes);
    }
  });
  return notes;
}

}  // namespace korvel::conv
