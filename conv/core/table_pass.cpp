#include "conv/core/table_pass.h"

#include <algorithm>

#include "conv/core/model_checks.h"

namespace korvel::conv {
namespace {

// A header is TABLE:  "TITLE", its title from character 10; the test looks
// there on every line.
constexpr std::size_t kTitleCharacter = 10;

}  // namespace

TablePass::TablePass(ModelRead& read, const ReadingPolicy& reading) : state_(read, reading) {
  for (const KnownTable& table : KnownTables()) {
    if (table.KnownTo(reading.reading())) tables_.push_back(&table);
  }
  open_.assign(tables_.size(), false);
}

void TablePass::Handle(const ModelLine& line, int lineNumber) {
  const std::string_view bytes = line.bytes();
  bool isData = !bytes.starts_with("TABLE");
  if (line.CharacterCount() < 2) {
    isData = false;
    std::fill(open_.begin(), open_.end(), false);
    leftOut_.Close();
  }
  const bool opened = OpenTablesTitledIn(line);
  if (!isData) {
    if (bytes.starts_with("TABLE")) {
      leftOut_.Header(line, line.OffsetOfCharacter(kTitleCharacter), opened, state_.read.result);
    }
    return;
  }
  state_.lineNumber = lineNumber;
  leftOut_.Record(line, state_.rules, state_.read.result, state_.read.survey);
  bool inTable = false;
  for (std::size_t t = 0; t < tables_.size(); ++t) {
    if (!open_[t]) continue;
    inTable = true;
    tables_[t]->read(state_, line);
  }
  if (inTable) state_.reading.NoteRecord(bytes, lineNumber, state_.read.result);
}

void TablePass::Finish() {
  state_.reading.Finish(state_);
  NoteWholeModelSuspects(state_);
}

bool TablePass::OpenTablesTitledIn(const ModelLine& line) {
  const std::size_t titleAt = line.OffsetOfCharacter(kTitleCharacter);
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
