#pragma once
// Geometry a solver stumbles over, found in one pass over the tables once the
// model is read: elements naming a joint the model lacks, frames of zero
// length, areas with a repeated corner or no area, and distinct joints that
// elements use at the same place (which are therefore not joined). Two
// places are the same when closer than 1e-9 times the diagonal of the box
// around all joints (exactly equal when that box is a point). Joints are
// hashed on a grid of that size, so the check takes linear time.

#include "conv/core/conversion_result.h"
#include "conv/core/element_names.h"
#include "conv/core/model_survey.h"
#include "conv/core/model_tables.h"

namespace korvel::conv {

// Notes the findings in `result` (and their places in `survey` when it
// keeps them), and the joints no element uses.
void CheckGeometry(const ModelTables& tables, const ElementNames& names, ModelSurvey& survey, ConversionResult& result);

}  // namespace korvel::conv
