#include "conv/core/model_checks.h"

#include "common/real_format.h"
#include "conv/core/model_survey.h"
#include "conv/core/warning_text.h"

namespace korvel::conv {

void NoteWholeModelSuspects(PassState& pass) {
  const ModelTables& tables = pass.read.tables;
  ConversionResult& result = pass.read.result;
  const ProgressLog& progress = pass.read.progress;
  for (std::size_t i = 0; i < progress.assignments.size(); ++i) {
    const LoggedAssignment& assignment = progress.assignments[i];
    if (assignment.found) continue;
    const bool onFrame = assignment.table == LogEntry::kFrameAssignment;
    result.unmatchedAssignments.Note([&] { return (onFrame ? "框架 " : "墙板 ") + FormatReal(assignment.label); });
  }
  for (int m = 1; m <= tables.frameSections.count(); ++m) {
    const FrameSectionRow row = tables.sectionInfo.Row(m);
    if (row.fc != 0 && row.rebarFy != 0) continue;
    const std::string& name = tables.frameSections.Name(m);
    if (!pass.reading.NeedsStrength(name, pass.links)) continue;
    result.sectionsWithoutStrength.Note([&] { return ModelText(name); });
  }
  SurveyWholeModel(pass);
  result.noElements = tables.frames.count() == 0 && tables.areas.count() == 0;
  result.droppedFrameSections = tables.frameSections.DroppedCount();
  result.droppedAreaSections = tables.areaSections.DroppedCount();
}

}  // namespace korvel::conv
