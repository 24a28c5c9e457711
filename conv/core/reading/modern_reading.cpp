// The reading of models as SAP2000 12 and later write them: " _" continuations
// joined and commas kept, a title only up to its closing quote (so "AREA
// SECTION PROPERTIES - BRIDGE OBJECT FLAGS" is not "AREA SECTION
// PROPERTIES"), element names numbered, and sections assigned and linked to
// their materials and bars once the whole file is read.

#include <algorithm>
#include <utility>
#include <vector>

#include "common/error.h"
#include "common/real_format.h"
#include "conv/core/input/model_text.h"
#include "conv/core/reading/reading_policy.h"

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

constexpr std::pair<ElementKind, const char*> kKindWords[] = {
    {ElementKind::kJoint, "节点"}, {ElementKind::kFrame, "框架单元"}, {ElementKind::kArea, "面单元"}};

// Names are numbered above the largest numeric label of their kind; out.txt
// writes 15 digits exactly, so no number may go beyond them.
void RefuseNumbersBeyondFifteenDigits(const ElementNames& names) {
  for (const auto& [kind, word] : kKindWords) {
    const std::size_t named = names.Names(kind).size();
    if (named == 0 || names.NumberOf(kind, named) <= kLargestWholeLabel) continue;
    throw Error(std::string(word) + "的 " + std::to_string(named) +
                " 个名称标签无法改为整数：整数要大于最大的数字标签 " + FormatReal(names.NumberOf(kind, 0)) +
                "，会超过 15 位数字，out.txt 写不准；请把模型中过大的数字标签改小");
  }
}

// Records of one kind that share a label cannot be told apart in out.txt:
// one warning per kind with the labels repeated and the first of them.
template <typename Element>
void NoteRepeatedLabels(const ElementTable<Element>& table, ElementKind kind, const char* word,
                        const ElementNames& names, std::vector<Warning>& warnings) {
  std::vector<std::pair<double, int>> labels;  // label, row
  labels.reserve(static_cast<std::size_t>(table.count()));
  for (int r = 1; r <= table.count(); ++r) labels.emplace_back(table.Row(r).label, r);
  std::sort(labels.begin(), labels.end());
  int repeated = 0, firstRow = 0, firstCount = 0;
  double firstLabel = 0;
  for (std::size_t i = 0; i < labels.size();) {
    std::size_t end = i + 1;
    while (end < labels.size() && labels[end].first == labels[i].first) ++end;
    if (end - i > 1) {
      ++repeated;
      if (firstRow == 0 || labels[i].second < firstRow) {
        firstRow = labels[i].second;
        firstLabel = labels[i].first;
        firstCount = static_cast<int>(end - i);
      }
    }
    i = end;
  }
  if (repeated == 0) return;
  const std::string first = names.ShownNumbered(kind, firstLabel);
  warnings.push_back(
      {"repeated-labels", repeated, first,
       std::string(word) + "中有 " + std::to_string(repeated) + " 个标签重复出现（如 " + first + "，共 " +
           std::to_string(firstCount) + " 条记录）：out.txt 中无法区分它们，" +
           (kind == ElementKind::kJoint ? "连到这些标签的单元不知连的是哪一个节点" : "截面只指定给第一条") +
           "，请在模型中改用不同的标签"});
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

  void Finish(ModelRead& read, const SectionLinks& links) const override {
    ConversionResult& result = read.result;
    RefuseNumbersBeyondFifteenDigits(read.names);
    if (read.names.count() > 0) NumberNames(read);
    NoteRepeatedLabels(read.tables.joints, ElementKind::kJoint, kKindWords[0].second, read.names,
                       result.repeatedLabels);
    NoteRepeatedLabels(read.tables.frames, ElementKind::kFrame, kKindWords[1].second, read.names,
                       result.repeatedLabels);
    NoteRepeatedLabels(read.tables.areas, ElementKind::kArea, kKindWords[2].second, read.names, result.repeatedLabels);
    result.numberedNames.count = read.names.count();  // names, not the records that hold them
    for (std::size_t i = 0; i < read.progress.assignments.size(); ++i) {
      LoggedAssignment& assignment = read.progress.assignments[i];
      if (assignment.table == LogEntry::kFrameAssignment) {
        assignment.found = AssignFound(read.tables.frames, assignment);
      } else {
        assignment.found = AssignFound(read.tables.areas, assignment);
      }
    }
    const UnknownBars unknown = ApplySectionLinks(links, read.tables.frameSections, read.tables.sectionInfo);
    result.unknownBars.count = unknown.count;
    result.unknownBars.first = QuotedModelText(unknown.first);
    for (int m = 1; m <= read.tables.frameSections.count(); ++m) {
      const std::string& name = read.tables.frameSections.Name(m);
      if (links.designed.contains(name)) result.designedSections.Note([&] { return QuotedModelText(name); });
    }
  }
};

}  // namespace

const ReadingPolicy& ModernReading() {
  static const Modern reading;
  return reading;
}

}  // namespace korvel::conv
