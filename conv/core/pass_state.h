#pragma once
// What the readers of the known tables work on during one pass through the
// model: the tables being filled, the reading, the modern reading's section
// links and the line being read.

#include <string>
#include <vector>

#include "conv/core/model_read.h"
#include "conv/core/name_table.h"
#include "conv/core/reading_policy.h"

namespace korvel::conv {

struct PassState {
  PassState(ModelRead& read, const ReadingPolicy& reading)
      : read(read), reading(reading), rules(reading.RulesFor(read)) {}

  template <typename Element>
  void AddElement(ElementTable<Element>& table, const Element& element, LogEntry entry, const RecordNotes& notes) {
    table.Add(element);
    read.progress.entries.push_back(entry);
    NoteLabel(notes);
  }

  // The modern reading numbers names; the classic one reads them as 0.
  void NoteLabel(const RecordNotes& notes);

  // The classic reading's rows whose last assignment named no section.
  static void NoteUnnamed(std::vector<bool>& rows, int row, bool unnamed) {
    const auto r = static_cast<std::size_t>(row);
    if (unnamed && rows.size() <= r) rows.resize(r + 1);
    if (r < rows.size()) rows[r] = unnamed;
  }

  template <typename Element>
  void Assign(ElementTable<Element>& table, const SectionAssignment& assignment, LogEntry entry) {
    LoggedAssignment logged{assignment.label, assignment.section, entry, false};
    if (reading.AssignsAtOnce()) {
      if (const auto row = table.FindFirstRowOrUnfilled(assignment.label)) {
        table.SetSection(*row, assignment.section);
        logged.found = true;
        NoteUnnamed(entry == LogEntry::kFrameAssignment ? unnamedFrames : unnamedAreas, *row, assignment.unnamed);
      }
    }
    read.progress.entries.push_back(entry);
    read.progress.assignments.push_back(logged);
  }

  ModelRead& read;
  const ReadingPolicy& reading;
  ReadingRules rules;
  SectionLinks links;  // the modern reading's
  std::vector<bool> unnamedFrames, unnamedAreas;
  int lineNumber = 0;
  // The classic reading's labels that are not numbers, each kind's once
  // (the modern reading's table of names counts its own).
  NameSet nonNumericLabels;  // keyed like every name table, so crafted names cannot collide
};

}  // namespace korvel::conv
