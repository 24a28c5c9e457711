#include "conv/core/pass_state.h"

#include <utility>

#include "conv/core/warning_text.h"

namespace korvel::conv {

void PassState::NoteLabel(const RecordNotes& notes) {
  if (notes.nonNumericLabel.empty()) return;
  if (!rules.names) {
    std::string key(1, static_cast<char>(notes.nonNumericKind));
    key += notes.nonNumericLabel;
    if (!nonNumericLabels.insert(std::move(key)).second) return;  // a name counts once, however often it stands
  }
  reading.NonNumericLabels(read.result).Note([&] {
    return QuotedModelText(notes.nonNumericLabel) + "，" + LineExample(lineNumber);
  });
}

}  // namespace korvel::conv
