#pragma once
// One pass of a reading through the model: opens the known tables titled on
// a line, hands each record of an open table to that table's reader, and
// once the file is read does what needs all of it.

#include <vector>

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
  void OpenTablesTitledIn(const ModelLine& line);

  PassState state_;
  std::vector<bool> open_;  // per known table
};

}  // namespace korvel::conv
