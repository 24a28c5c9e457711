#pragma once
// Element names of the modern reading. SAP2000 lets a model name its joints,
// frames and areas (Col10, N5) instead of numbering them, but out.txt has
// room for numbers only. While the file is read, each distinct name of a kind
// stands in the tables as a mark (a NaN carrying its order of appearance);
// once the file is read, and so the largest numeric label of the kind known,
// each name gets a whole number above it, in order of first appearance.

#include <array>
#include <deque>
#include <string>
#include <string_view>
#include <unordered_map>

#include "conv/core/tables/name_table.h"

namespace korvel::conv {

enum class ElementKind { kJoint, kFrame, kArea };

class ElementNames {
 public:
  // Whether a label value is a number: a whole number as SAP2000 writes one
  // (12, -3); 07, 12.0, 1,5, Col10, ~12, 12A and 16 digits are names.
  static bool IsNumber(std::string_view text);

  // The label that a value of `kind` stands for: `number` for a number or an
  // empty value, otherwise the mark of the name.
  double Label(ElementKind kind, std::string_view text, double number);

  int count() const;  // distinct names of all kinds
  // The label written to the files: a mark's number, any other label itself.
  // Only once the whole file is read.
  double Final(ElementKind kind, double label) const;

  // A label for a message while the file is read: a name quoted, a number
  // as written to the files.
  std::string Shown(ElementKind kind, double label) const;

  // A label once the file is read, for a message: a name's number shown as
  // the name (quoted unless `quoted` is false), any other label as written
  // to the files.
  std::string ShownNumbered(ElementKind kind, double label, bool quoted = true) const;

  // The names of a kind in the order of their numbers.
  const std::deque<std::string>& Names(ElementKind kind) const { return of_[Index(kind)].names; }
  // The number of the n-th name of a kind (from 1).
  double NumberOf(ElementKind kind, std::size_t n) const { return of_[Index(kind)].base + static_cast<double>(n); }

 private:
  struct OfKind {
    std::deque<std::string> names;  // they never move
    // name -> 1, 2, 3 ..., keyed like every name table so crafted names cannot collide
    std::unordered_map<std::string_view, std::size_t, KeyedNameHash, std::equal_to<>> order;
    double base = 0;  // names are numbered base + 1, base + 2 ...
  };
  static std::size_t Index(ElementKind kind) { return static_cast<std::size_t>(kind); }

  std::array<OfKind, 3> of_;
};

}  // namespace korvel::conv
