#pragma once
// Reads a model file item by item, the way list-formatted text is read:
// leading spaces are skipped; an item opening with a double quote runs to the
// next double quote on its line (quotes dropped, the rest up to the next comma
// or the line end dropped too); any other item runs to the next comma (which
// is consumed) or the line end, blanks at its end included. CR LF, LF and a
// lone CR end a line; a blank line, or a line of blanks, is one empty item.

#include <cstddef>
#include <string_view>

namespace korvel::conv {

struct ListItem {
  std::string_view text;
  int line = 0;  // the file line the item stands on, from 1
};

class ListInput {
 public:
  explicit ListInput(std::string_view bytes) : bytes_(bytes) {}

  // A final line ending makes no further item; a comma at the very end does.
  bool AtEnd() const { return pos_ == bytes_.size() && !afterComma_; }
  ListItem Next();  // only when !AtEnd()

 private:
  bool AtLineEnd() const { return pos_ == bytes_.size() || bytes_[pos_] == '\r' || bytes_[pos_] == '\n'; }
  std::size_t FindCommaOrLineEnd(std::size_t from) const;
  void EndItemAt(std::size_t stop);  // consumes the comma or the line ending at stop

  std::string_view bytes_;
  std::size_t pos_ = 0;
  int line_ = 1;
  bool afterComma_ = false;
};

}  // namespace korvel::conv
