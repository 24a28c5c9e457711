#include "conv/core/input/list_input.h"

#include <algorithm>

namespace korvel::conv {

void ListInput::EndItemAt(std::size_t stop) {
  inLine_ = stop < rest_.size();  // a comma: another item follows it
  rest_ = inLine_ ? rest_.substr(stop + 1) : std::string_view();
}

std::size_t ListInput::ItemEnd(std::size_t from) const {
  return commas_ == Commas::kSplit ? std::min(rest_.find(',', from), rest_.size()) : rest_.size();
}

// Commas and quotes are single bytes that never occur inside a double-byte
// character, so the search can look at bytes.
ListItem ListInput::Next() {
  if (!inLine_) {
    rest_ = lines_.Next();
    inLine_ = true;
  }
  ListItem item;
  item.line = lines_.lineNumber();
  rest_.remove_prefix(std::min(rest_.find_first_not_of(' '), rest_.size()));
  if (!rest_.empty() && rest_.front() == '"') {
    const std::size_t close = rest_.find('"', 1);
    if (close == std::string_view::npos) {
      item.text = rest_.substr(1);
      EndItemAt(rest_.size());
    } else {
      item.text = rest_.substr(1, close - 1);
      EndItemAt(ItemEnd(close + 1));
    }
    return item;
  }
  const std::size_t stop = ItemEnd(0);
  item.text = rest_.substr(0, stop);
  EndItemAt(stop);
  return item;
}

}  // namespace korvel::conv
