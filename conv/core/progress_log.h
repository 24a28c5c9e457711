#pragma once
// What the progress log "debug.txt" will say, recorded while the model is
// read: one entry per element line and per assignment line, in input order.
// Element entries point at their table rows; an assignment keeps its label,
// its section number and whether an element took it, which the modern
// reading knows only after the whole file.

#include <cstdint>

#include "conv/core/chunked_vector.h"

namespace korvel::conv {

enum class LogEntry : std::uint8_t { kJoint, kFrame, kArea, kFrameAssignment, kAreaAssignment };

struct LoggedAssignment {
  double label;
  int section;     // a section number, at most 10,000
  LogEntry table;  // kFrameAssignment or kAreaAssignment
  bool found;
};

struct ProgressLog {
  ChunkedVector<LogEntry> entries;
  ChunkedVector<LoggedAssignment> assignments;  // in the order of their entries
};

}  // namespace korvel::conv
