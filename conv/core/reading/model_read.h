#pragma once
// What reading a model gives, nothing written yet: the tables, the numbered
// names, what the progress log "debug.txt" will say, what the model holds
// beyond out.txt, and the result so far. The outputs are written from it.

#include <cstdint>
#include <exception>

#include "conv/core/reading/model_survey.h"
#include "conv/core/reading/result.h"
#include "conv/core/tables/chunked_vector.h"
#include "conv/core/tables/element_names.h"
#include "conv/core/tables/model_tables.h"

namespace korvel::conv {

// The progress log, recorded while the model is read: one entry per element
// line and per assignment line, in input order. Element entries point at
// their table rows; an assignment keeps its label, its section number and
// whether an element took it, which the modern reading knows only after the
// whole file.
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

struct ModelRead {
  explicit ModelRead(int sectionCapacity) : tables(sectionCapacity) {}

  ConversionResult result;
  ModelTables tables;
  ElementNames names;    // the modern reading's named elements, numbered
  ProgressLog progress;  // what debug.txt will say
  ModelSurvey survey;    // what the model holds beyond out.txt
  // Set when a number beyond the range of a double stopped the reading: the
  // error naming the line, which the writer throws once it has kept the log
  // of what was read before.
  std::exception_ptr stop;
  // The classic reading's joint records that give XorR=, Y=, Z= in the global
  // Cartesian system without GlobalX= (as SAP2000 12 and later write them),
  // and those that give GlobalX=: how a model that declares no version is told.
  int cartesianJoints = 0, globalJoints = 0;
};

}  // namespace korvel::conv
