#pragma once
// Reads a model file item by item, the way list-formatted text is read:
// leading spaces are skipped; an item opening with a double quote runs to the
// next double quote on its line (quotes dropped, the rest up to the next comma
// or the line end dropped too); any other item runs to the next comma (which
// is consumed) or the line end, blanks at its end included. A blank line, or
// a line of blanks, is one empty item; a comma at the end of a line is
// followed by one. SAP2000 12 and later separate items by blanks only, so
// their models are read with commas kept: an item then runs to the line end.

#include <string_view>

#include "conv/core/input/line_source.h"

namespace korvel::conv {

struct ListItem {
  std::string_view text;  // valid until the next call of AtEnd or Next
  int line = 0;           // the file line the item stands on, from 1
};

class ListInput {
 public:
  enum class Commas { kSplit, kKeep };
  explicit ListInput(LineSource& lines, Commas commas = Commas::kSplit) : lines_(lines), commas_(commas) {}

  bool AtEnd() { return !inLine_ && lines_.AtEnd(); }
  ListItem Next();  // only when !AtEnd()

 private:
  // The item ends at `stop` (a comma or the end of the line).
  void EndItemAt(std::size_t stop);
  // The comma at or after `from` that ends the item, or the line's end.
  std::size_t ItemEnd(std::size_t from) const;

  LineSource& lines_;
  Commas commas_;
  std::string_view rest_;  // what is left of the current line
  bool inLine_ = false;    // an item of the current line is still to come
};

}  // namespace korvel::conv
