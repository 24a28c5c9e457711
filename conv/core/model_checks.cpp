#include "conv/core/model_checks.h"

#include <cmath>
#include <vector>

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
    result.unmatchedAssignments.Note([&] {
      return (onFrame ? "框架单元 " : "面单元 ") +
             pass.read.names.ShownNumbered(onFrame ? ElementKind::kFrame : ElementKind::kArea, assignment.label, false);
    });
  }
  // A section no frame element carries reaches no element of the analysis.
  std::vector<bool> carried(static_cast<std::size_t>(tables.frameSections.count()) + 1);
  for (int r = 1; r <= tables.frames.count(); ++r) {
    const double section = tables.frames.Row(r).section;
    if (section >= 1 && section < static_cast<double>(carried.size()) && section == std::floor(section)) {
      carried[static_cast<std::size_t>(section)] = true;
    }
  }
  for (int m = 1; m <= tables.frameSections.count(); ++m) {
    const FrameSectionRow row = tables.sectionInfo.Row(m);
    if (!carried[static_cast<std::size_t>(m)] || (row.fc != 0 && row.rebarFy != 0)) continue;
    const std::string& name = tables.frameSections.Name(m);
    if (!pass.reading.NeedsStrength(name, pass.links)) continue;
    if (row.fc == 0) result.sectionsWithoutFc.Note([&] { return QuotedModelText(name); });
    if (row.rebarFy == 0) result.sectionsWithoutRebarFy.Note([&] { return QuotedModelText(name); });
  }
  SurveyWholeModel(pass);
  result.noElements = tables.frames.count() == 0 && tables.areas.count() == 0;
  result.droppedFrameSections = tables.frameSections.DroppedCount();
  result.droppedAreaSections = tables.areaSections.DroppedCount();
}

}  // namespace korvel::conv
