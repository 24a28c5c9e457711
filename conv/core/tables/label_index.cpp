#include "conv/core/tables/label_index.h"

#include <algorithm>
#include <cmath>

namespace korvel::conv {
namespace {
// The array stays within a small multiple of the rows, whatever labels come.
constexpr std::size_t kDenseSlack = 1024;
}  // namespace

std::optional<std::size_t> LabelIndex::Slot(double label) {
  if (!(label >= 0 && label < 2147483647.0)) return std::nullopt;
  const auto whole = static_cast<std::size_t>(label);
  if (static_cast<double>(whole) != label) return std::nullopt;
  return whole;
}

std::optional<int> LabelIndex::Find(double label) const {
  if (const auto slot = Slot(label); slot && *slot < denseRows_.size() && denseRows_[*slot] != 0) {
    return denseRows_[*slot];
  }
  if (otherRows_.empty()) return std::nullopt;
  if (const auto found = otherRows_.find(label); found != otherRows_.end()) return found->second;
  return std::nullopt;
}

void LabelIndex::AddFirst(double label, int row, int rowCount) {
  // The mark of a name (a NaN) is indexed once the name has its number.
  if (std::isnan(label) || Find(label)) return;
  const auto slot = Slot(label);
  const std::size_t bound = 2 * static_cast<std::size_t>(rowCount) + kDenseSlack;
  if (slot && *slot < std::max(bound, denseRows_.size())) {
    if (*slot >= denseRows_.size()) denseRows_.resize(std::max(*slot + 1, 2 * denseRows_.size()), 0);
    denseRows_[*slot] = row;
  } else {
    otherRows_.emplace(label, row);
  }
}

}  // namespace korvel::conv
