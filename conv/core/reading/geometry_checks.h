#pragma once
// Geometry a solver stumbles over, found in one pass over the tables once the
// model is read: elements naming a joint the model lacks, frames of zero
// length, areas with a repeated corner or no area, and distinct joints that
// elements use at the same place (which are therefore not joined). Two
// places are the same when closer than 1e-9 times the diagonal of the box
// around all joints (exactly equal when that box is a point). Joints are
// hashed on a grid of that size, so the check takes linear time.

#include "conv/core/reading/model_survey.h"
#include "conv/core/reading/result.h"
#include "conv/core/tables/element_names.h"
#include "conv/core/tables/model_tables.h"

#include <string>
#include <vector>

namespace korvel::conv {

struct GeometryFindings {
  Suspects missingJoints, zeroLengthFrames, degenerateAreas, coincidentJoints;
  std::string coincidentWith;                                        // the joint the first coincident one stands on
  int unusedJoints = 0;                                              // joints no frame and no area names
  std::vector<ModelPoint> zeroLengthAt, degenerateAt, coincidentAt;  // only when asked for

  void Into(ConversionResult& result) const;
};

// Needs only the tables and names of a finished read, so a conversion runs it
// on its second core while the log is written.
GeometryFindings CheckGeometry(const ModelTables& tables, const ElementNames& names, bool keepPlaces);

// The findings put into the read's result and survey, for those who need
// them at once (korvel check, a picture).
struct ModelRead;
void CheckGeometry(ModelRead& read);

}  // namespace korvel::conv
