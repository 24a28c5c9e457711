#include <cmath>

#include "common/error.h"
#include "conv/core/field_scanner.h"
#include "conv/core/readers.h"

namespace korvel::conv {

void ReadJoint(const ModelLine& A, JointInfo& info) {
  static const KeyTable keys{{"Joint="},
                             {"GlobalX="},
                             {"GlobalY="},
                             {"GlobalZ=", ValueKind::kNumber, KeyPlace::kAnywhere, ValueEnd::kBlankOrEndOfLine}};
  ScanFields(A, keys, [&](std::size_t k, const FieldValue& value) { info[k] = value.number; });
}

void ReadFrameCon(const ModelLine& A, FrameInfo& info) {
  static const KeyTable keys{{"Frame="}, {"JointI="}, {"JointJ="}};
  ScanFields(A, keys, [&](std::size_t k, const FieldValue& value) { info[k] = value.number; });
}

void ReadAreaCon(const ModelLine& A, AreaInfo& info) {
  enum { kArea, kJoint1, kJoint2, kJoint3, kJoint4, kAreaArea, kVolume };
  static const KeyTable keys{{"Area=", ValueKind::kNumber, KeyPlace::kFirstCharacterOnly},
                             {"Joint1="},
                             {"Joint2="},
                             {"Joint3="},
                             {"Joint4="},
                             {"AreaArea="},
                             {"Volume="}};
  double surface = 0;
  ScanFields(A, keys, [&](std::size_t k, const FieldValue& value) {
    if (k == kAreaArea) {
      surface = value.number;
    } else if (k == kVolume) {
      const double thickness = surface == 0 ? 0 : value.number / surface;
      if (!std::isfinite(thickness)) throw OverflowError("墙板厚度（Volume/AreaArea）超出双精度数的范围");
      info[5] = thickness;
    } else {
      info[k] = value.number;
    }
  });
}

}  // namespace korvel::conv
