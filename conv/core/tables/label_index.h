#pragma once
// The first row of each element label. Labels are numbers; most models number
// their elements 1, 2, 3, ..., so small whole labels are looked up in a plain
// array and only the others in a hash map.

#include <cstdint>
#include <optional>
#include <unordered_map>
#include <vector>

#include "conv/core/tables/name_table.h"

namespace korvel::conv {

class LabelIndex {
 public:
  std::optional<int> Find(double label) const;
  // Records row for label unless an earlier row holds it.
  void AddFirst(double label, int row, int rowCount);

 private:
  static std::optional<std::size_t> Slot(double label);

  std::vector<std::int32_t> denseRows_;  // by whole label; 0 means none
  std::unordered_map<double, int, KeyedNumberHash> otherRows_;
};

}  // namespace korvel::conv
