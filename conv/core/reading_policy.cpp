#include "conv/core/reading_policy.h"

namespace korvel::conv {

const ReadingPolicy& PolicyOf(Reading reading) {
  return reading == Reading::kModern ? ModernReading() : ClassicReading();
}

}  // namespace korvel::conv
