#include "conv/core/list_input.h"

namespace korvel::conv {

// Commas, quotes and line ends are single bytes that never occur inside a
// double-byte character, so the search can look at bytes.
std::size_t ListInput::FindCommaOrLineEnd(std::size_t from) const {
  const std::size_t stop = bytes_.find_first_of(",\r\n", from);
  return stop == std::string_view::npos ? bytes_.size() : stop;
}

void ListInput::EndItemAt(std::size_t stop) {
  pos_ = stop;
  afterComma_ = false;
  if (pos_ == bytes_.size()) return;
  if (bytes_[pos_] == ',') {
    ++pos_;
    afterComma_ = true;
    return;
  }
  if (bytes_[pos_] == '\r' && pos_ + 1 < bytes_.size() && bytes_[pos_ + 1] == '\n') ++pos_;
  ++pos_;
  ++line_;
}

ListItem ListInput::Next() {
  ListItem item;
  item.line = line_;
  while (pos_ < bytes_.size() && bytes_[pos_] == ' ') ++pos_;
  if (AtLineEnd()) {
    EndItemAt(pos_);
    return item;
  }
  if (bytes_[pos_] == '"') {
    const std::size_t open = pos_ + 1;
    const std::size_t lineEnd = bytes_.find_first_of("\r\n", open);
    const std::size_t close = bytes_.substr(0, lineEnd).find('"', open);
    if (close == std::string_view::npos) {
      item.text = bytes_.substr(open, (lineEnd == std::string_view::npos ? bytes_.size() : lineEnd) - open);
      EndItemAt(lineEnd == std::string_view::npos ? bytes_.size() : lineEnd);
    } else {
      item.text = bytes_.substr(open, close - open);
      EndItemAt(FindCommaOrLineEnd(close + 1));
    }
    return item;
  }
  const std::size_t stop = FindCommaOrLineEnd(pos_);
  item.text = bytes_.substr(pos_, stop - pos_);
  EndItemAt(stop);
  return item;
}

}  // namespace korvel::conv
