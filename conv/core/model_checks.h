#pragma once
// What only the whole model shows, noted for the warnings once a pass has
// read it: assignments no element took, frame sections without strength,
// what the model holds beyond out.txt (model_survey) and the counts of the
// result. Its geometry (geometry_checks) is checked when the files are
// written.

#include "conv/core/pass_state.h"

namespace korvel::conv {

void NoteWholeModelSuspects(PassState& pass);

}  // namespace korvel::conv
