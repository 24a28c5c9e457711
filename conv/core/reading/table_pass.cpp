#include "conv/core/reading/table_pass.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "conv/core/input/model_text.h"
#include "conv/core/reading/model_survey.h"

namespace korvel::conv {
namespace {

// Frames and areas of out.txt without a section: none assigned (section 0),
// or, in the classic reading, an assignment that named none.
template <typename Element>
void NoteWithoutSection(const ElementTable<Element>& table, const std::vector<bool>& unnamed, ElementKind kind,
                        const ElementNames& names, Suspects& found) {
  for (int r = 1; r <= table.count(); ++r) {
    const Element& element = table.Row(r);
    const bool noName = static_cast<std::size_t>(r) < unnamed.size() && unnamed[static_cast<std::size_t>(r)];
    if (element.section == 0 || noName) found.Note([&] { return names.ShownNumbered(kind, element.label, false); });
  }
}

void NoteShapes(PassState& pass) {
  const ModelTables& tables = pass.read.tables;
  ModelSurvey& survey = pass.read.survey;
  ConversionResult& result = pass.read.result;
  const int sections = tables.frameSections.count();
  survey.framesPerSection.assign(static_cast<std::size_t>(sections) + 1, 0);
  for (int r = 1; r <= tables.frames.count(); ++r) {
    const double section = tables.frames.Row(r).section;
    const bool known = section >= 1 && section <= sections && section == std::floor(section);
    ++survey.framesPerSection[known ? static_cast<std::size_t>(section) : 0];
  }
  survey.frameShapes.assign(static_cast<std::size_t>(sections), "");
  for (int m = 1; m <= sections; ++m) {
    const std::string& name = tables.frameSections.Name(m);
    const int frames = survey.framesPerSection[static_cast<std::size_t>(m)];
    // Named by an assignment only: out.txt gives it no number, no size, no strength.
    if (frames > 0 && tables.sectionInfo.Row(m).number == 0) {
      result.undefinedSections.Note([&] { return ModelText(name); });
      result.undefinedSectionFrames += frames;
    }
    const auto shape = survey.shapeOf.find(name);
    if (shape == survey.shapeOf.end()) continue;
    survey.frameShapes[static_cast<std::size_t>(m) - 1] = shape->second;
    // A designer's section has a warning of its own.
    if (frames == 0 || shape->second == "Rectangular" || pass.links.designed.contains(name)) continue;
    result.notRectangular.Note([&] {
      result.notRectangularShape = ModelText(shape->second);
      return ModelText(name);
    });
    result.notRectangularFrames += frames;
  }
}

// Once the file is read: shapes, frames per section, elements without a
// section, noted in the result.
void SurveyWholeModel(PassState& pass) {
  ModelRead& read = pass.read;
  NoteShapes(pass);
  NoteWithoutSection(read.tables.frames, pass.unnamedFrames, ElementKind::kFrame, read.names,
                     read.result.framesWithoutSection);
  NoteWithoutSection(read.tables.areas, pass.unnamedAreas, ElementKind::kArea, read.names,
                     read.result.areasWithoutSection);
  if (read.survey.keepPlaces && read.names.count() > 0) {
    for (LeftOutLine& line : read.survey.leftOutLines) {
      line.jointI = read.names.Final(ElementKind::kJoint, line.jointI);
      line.jointJ = read.names.Final(ElementKind::kJoint, line.jointJ);
    }
  }
}

// What only the whole model shows, noted for the warnings once the pass has
// read it: assignments no element took, frame sections without strength,
// what the model holds beyond out.txt and the counts of the result. Its
// geometry is checked when the files are written.
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

}  // namespace

void PassState::NoteLabel(const RecordNotes& notes) {
  if (notes.nonNumericLabel.empty()) return;
  if (records.reading() == Reading::kClassic) {
    std::string key(1, static_cast<char>(notes.nonNumericKind));
    key += notes.nonNumericLabel;
    if (!nonNumericLabels.insert(std::move(key)).second) return;  // a name counts once, however often it stands
  }
  reading.NonNumericLabels(read.result).Note([&] {
    return QuotedModelText(notes.nonNumericLabel) + "，" + LineExample(lineNumber);
  });
}

TablePass::TablePass(ModelRead& read, const ReadingPolicy& reading) : state_(read, reading) {
  for (const KnownTable& table : KnownTables()) {
    if (table.KnownTo(reading.reading())) tables_.push_back(&table);
  }
  open_.assign(tables_.size(), false);
}

void TablePass::Handle(const ModelLine& line, int lineNumber) {
  const std::string_view bytes = line.bytes();
  bool isData = !StartsATable(bytes);
  if (line.CharacterCount() < 2) {
    isData = false;
    std::fill(open_.begin(), open_.end(), false);
    leftOut_.Close();
  }
  const bool opened = OpenTablesTitledIn(line);
  if (!isData) {
    if (StartsATable(bytes)) {
      leftOut_.Header(line, line.TitleOffset(), opened, state_.read.result);
    }
    return;
  }
  state_.lineNumber = lineNumber;
  leftOut_.Record(line, state_.records, state_.read.result, state_.read.survey);
  bool inTable = false;
  for (std::size_t t = 0; t < tables_.size(); ++t) {
    if (!open_[t]) continue;
    inTable = true;
    tables_[t]->read(state_, line);
  }
  if (inTable) state_.reading.NoteRecord(bytes, lineNumber, state_.read.result);
}

void TablePass::Finish() {
  state_.reading.Finish(state_.read, state_.links);
  NoteWholeModelSuspects(state_);
}

bool TablePass::OpenTablesTitledIn(const ModelLine& line) {
  const std::size_t titleAt = line.TitleOffset();
  if (titleAt == ModelLine::npos) return false;
  bool opened = false;
  const std::string_view title = line.bytes().substr(titleAt);
  for (std::size_t t = 0; t < tables_.size(); ++t) {
    const std::string_view known = tables_[t]->title;
    if (title[0] != known[0] || !title.starts_with(known)) continue;
    if (!state_.reading.TitleEndsBefore(title.substr(known.size()))) continue;
    open_[t] = true;
    opened = true;
  }
  return opened;
}

}  // namespace korvel::conv
