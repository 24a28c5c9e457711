#pragma once
// What only the whole model shows, noted for the warnings once a pass has
// read it: assignments no element took, frame sections without strength,
// elements naming a joint the model lacks, and the counts of the result.

#include "conv/core/pass_state.h"

namespace korvel::conv {

void NoteWholeModelSuspects(PassState& pass);

}  // namespace korvel::conv
