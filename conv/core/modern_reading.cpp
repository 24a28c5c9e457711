// The reading of models as SAP2000 12 and later write them: " _" continuations
// joined and commas kept, a title only up to its closing quote (so "AREA
// SECTION PROPERTIES - BRIDGE OBJECT FLAGS" is not "AREA SECTION
// PROPERTIES"), element names numbered, and sections assigned and linked to
// their materials and bars once the whole file is read.

#include "common/real_format.h"
#include "conv/core/pass_state.h"
#include "conv/core/reading_policy.h"
#include "conv/core/warning_text.h"

namespace korvel::conv {
namespace {

// Gives the names read as marks their numbers, wherever they stand.
void NumberNames(ModelRead& read) {
  ElementNames& names = read.names;
  ModelTables& tables = read.tables;
  auto joint = [&](double& label) { label = names.Final(ElementKind::kJoint, label); };
  tables.joints.RewriteRows([&](Joint& row) { joint(row.label); });
  tables.frames.RewriteRows([&](Frame& row) {
    row.label = names.Final(ElementKind::kFrame, row.label);
    joint(row.jointI);
    joint(row.jointJ);
  });
  tables.areas.RewriteRows([&](Area& row) {
    row.label = names.Final(ElementKind::kArea, row.label);
    for (double& corner : row.joints) joint(corner);
  });
  for (std::size_t i = 0; i < read.progress.assignments.size(); ++i) {
    LoggedAssignment& assignment = read.progress.assignments[i];
    const bool onFrame = assignment.table == LogEntry::kFrameAssignment;
    assignment.label = names.Final(onFrame ? ElementKind::kFrame : ElementKind::kArea, assignment.label);
  }
}

template <typename Element>
bool AssignFound(ElementTable<Element>& table, const LoggedAssignment& assignment) {
  const auto row = table.FindFirstRow(assignment.label);
  if (row) table.SetSection(*row, assignment.section);
  return row.has_value();
}

class Modern final : public ReadingPolicy {
 public:
  Reading reading() const override { return Reading::kModern; }
  ReadingRules RulesFor(ModelRead& read) const override { return {Reading::kModern, &read.names}; }
  ListInput ItemsOf(DeclarationWatch&, ContinuedLines& joined) const override {
    return ListInput(joined, ListInput::Commas::kKeep);
  }
  bool TitleEndsBefore(std::string_view after) const override { return after.starts_with('"'); }
  void NoteRecord(std::string_view, int, ConversionResult&) const override {}
  Suspects& NonNumericLabels(ConversionResult& result) const override { return result.numberedNames; }
  bool AssignsAtOnce() const override { return false; }
  // The designer's sections have their own warning, which says their bars are not read.
  bool NeedsStrength(const std::string& section, const SectionLinks& links) const override {
    return links.IsConcrete(section) && !links.designed.contains(section);
  }

  void Finish(PassState& pass) const override {
    ModelRead& read = pass.read;
    ConversionResult& result = read.result;
    if (read.names.count() > 0) NumberNames(read);
    result.numberedNames.count = read.names.count();  // names, not the records that hold them
    for (std::size_t i = 0; i < read.progress.assignments.size(); ++i) {
      LoggedAssignment& assignment = read.progress.assignments[i];
      if (assignment.table == LogEntry::kFrameAssignment) {
        assignment.found = AssignFound(read.tables.frames, assignment);
      } else {
        assignment.found = AssignFound(read.tables.areas, assignment);
      }
    }
    const UnknownBars unknown = ApplySectionLinks(pass.links, read.tables.frameSections, read.tables.sectionInfo);
    result.unknownBars.count = unknown.count;
    result.unknownBars.first = QuotedModelText(unknown.first);
    for (int m = 1; m <= read.tables.frameSections.count(); ++m) {
      const std::string& name = read.tables.frameSections.Name(m);
      if (pass.links.designed.contains(name)) result.designedSections.Note([&] { return QuotedModelText(name); });
    }
  }
};

}  // namespace

const ReadingPolicy& ModernReading() {
  static const Modern reading;
  return reading;
}

}  // namespace korvel::conv
