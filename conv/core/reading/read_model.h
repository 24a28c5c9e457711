#pragma once
// Reading, the third stage: the readings, their passes through the model and
// what only the whole model shows.
//
// The model read into tables by the reading its first declaration (or the
// choice) asks for.

#include <memory>

#include "conv/core/input/model_input.h"
#include "conv/core/reading/model_read.h"

namespace korvel::conv {

// A table model has a line that starts a table; a binary file, an empty one,
// the keyword format of SAP2000 6 to 8 or an ETABS model has none, and is
// refused with Error. Unless the modern reading is chosen, a line that the
// classic reading opens a table with counts too.
void RefuseWithoutTables(ModelInput& model, ReadingChoice reading);
// Whether it has such a line (LineTooLong for a line beyond the bound).
bool HasTables(ModelInput& model, ReadingChoice reading);

// Reads the whole model as its first declaration (or the choice) asks.
std::unique_ptr<ModelRead> ReadModel(ModelInput& model, const ConversionOptions& options);

}  // namespace korvel::conv
