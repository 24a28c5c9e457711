// Element rows found by label: every label is itself, whatever number it is,
// and the first row with a label keeps it.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "conv/core/tables/label_index.h"

namespace korvel::conv {
namespace {

TEST(LabelIndex, EveryLabelFindsItsOwnFirstRowAndNoNeighbour) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  // Whole labels near 0 and far from it, and labels that a cast to a whole
  // number would put onto one of them.
  const double labels[] = {1, 1.5, 0.5, 0, -1, -1.5, 2147483647, 2147483648, 4294967297, 3e9, 1e300, -1e300, 2, 1};
  LabelIndex index;
  for (int row = 1; row <= static_cast<int>(std::size(labels)); ++row) index.AddFirst(labels[row - 1], row, 2);
  index.AddFirst(nan, 99, 2);
  for (int row = 1; row < static_cast<int>(std::size(labels)); ++row) {
    EXPECT_EQ(index.Find(labels[row - 1]), row) << labels[row - 1];
  }
  EXPECT_EQ(index.Find(1), 1) << "the first row of a label";
  for (const double absent : {3.0, 2.5, -2.0, 1e15, 2147483646.0, 2147483649.0, 1e299, nan}) {
    EXPECT_EQ(index.Find(absent), std::nullopt) << absent;
  }
}

}  // namespace
}  // namespace korvel::conv
