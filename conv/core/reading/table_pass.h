#pragma once
// One pass of a reading through the model: opens the known tables titled on
// a line, hands each record of an open table to that table's reader (with
// the state they fill), and once the file is read does what needs all of it.

#include <string>
#include <vector>

#include "conv/core/input/model_line.h"
#include "conv/core/reading/known_tables.h"
#include "conv/core/reading/model_read.h"
#include "conv/core/reading/reading_policy.h"
#include "conv/core/tables/name_table.h"

namespace korvel::conv {

// What the readers of the known tables work on during one pass: the tables
// being filled, the reading, the modern reading's section links and the line
// being read.
struct PassState {
  PassState(ModelRead& read, const ReadingPolicy& reading)
      : read(read), reading(reading), records(reading.reading(), read.names) {}

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
  RecordReading records;  // how the readers read a record
  SectionLinks links;     // the modern reading's
  std::vector<bool> unnamedFrames, unnamedAreas;
  int lineNumber = 0;
  // The classic reading's labels that are not numbers, each kind's once
  // (the modern reading's table of names counts its own).
  NameSet nonNumericLabels;  // keyed like every name table, so crafted names cannot collide
};

class TablePass {
 public:
  TablePass(ModelRead& read, const ReadingPolicy& reading);

  void Handle(const ModelLine& line, int lineNumber);
  void Finish();

  const ReadingPolicy& reading() const { return state_.reading; }
  ModelRead& read() { return state_.read; }

 private:
  // Whether a known table opened on the line.
  bool OpenTablesTitledIn(const ModelLine& line);

  PassState state_;
  // The tables this pass's reading knows, in the list's order, chosen once
  // so that the test of every line looks at them alone.
  std::vector<const KnownTable*> tables_;
  std::vector<char> open_;  // per table of tables_
  LeftOutTables leftOut_;
};

}  // namespace korvel::conv
