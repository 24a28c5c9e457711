#include "conv/core/pass_state.h"

#include "conv/core/warning_text.h"

namespace korvel::conv {

void PassState::NoteLabel(const RecordNotes& notes) {
  if (notes.nonNumericLabel.empty()) return;
  reading.NonNumericLabels(read.result).Note([&] {
    std::string example = ModelText(notes.nonNumericLabel);
    example.insert(0, 1, '"');
    return example + "\"，" + LineExample(lineNumber);
  });
}

}  // namespace korvel::conv
