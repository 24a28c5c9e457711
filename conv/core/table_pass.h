#pragma once
// One pass of a reading through the model: opens the known tables titled on
// a line, hands each record of an open table to that table's reader, and
// once the file is read does what needs all of it.

#include <vector>

#include "conv/core/known_tables.h"
#include "conv/core/model_line.h"
#include "conv/core/pass_state.h"

namespace korvel::conv {

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
