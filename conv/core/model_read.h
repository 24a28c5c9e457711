#pragma once
// The first stage of a conversion: the model read into tables, nothing
// written yet. The outputs are written from what it gives.

#include <exception>
#include <memory>

#include "conv/core/conversion_result.h"
#include "conv/core/element_names.h"
#include "conv/core/model_input.h"
#include "conv/core/model_survey.h"
#include "conv/core/model_tables.h"
#include "conv/core/progress_log.h"

namespace korvel::conv {

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

// A table model has a line that starts a table; a binary file, an empty one,
// the keyword format of SAP2000 6 to 8 or an ETABS model has none, and is
// refused with Error. Unless the modern reading is chosen, a line that the
// classic reading opens a table with counts too.
void RefuseWithoutTables(ModelInput& model, ReadingChoice reading);

// Reads the whole model as its first declaration (or the choice) asks.
std::unique_ptr<ModelRead> ReadModel(ModelInput& model, const ConversionOptions& options);

}  // namespace korvel::conv
