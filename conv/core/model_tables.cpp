#include "conv/core/model_tables.h"

#include <algorithm>

namespace korvel::conv {

ElementTable::ElementTable(int columns, int sectionColumn) : columns_(columns), sectionColumn_(sectionColumn) {}

void ElementTable::AddRow(std::span<const double> values) {
  ++count_;
  cells_.resize(cells_.size() + static_cast<std::size_t>(columns_), 0.0);
  double* row = cells_.data() + cells_.size() - columns_;
  std::copy(values.begin(), values.end(), row);
  if (sectionColumn_ >= 0) {
    row[sectionColumn_] = nextRowSection_;
    nextRowSection_ = 0;
    firstRowOfLabel_.try_emplace(row[0], count_);
  }
}

double ElementTable::At(int row, int column) const {
  if (row <= count_) return cells_[static_cast<std::size_t>(row - 1) * columns_ + column];
  return column == sectionColumn_ ? nextRowSection_ : 0;
}

std::optional<int> ElementTable::FindFirstRow(double label) const {
  if (const auto found = firstRowOfLabel_.find(label); found != firstRowOfLabel_.end()) return found->second;
  if (label == 0 && count_ < kElementCapacity) return count_ + 1;
  return std::nullopt;
}

void ElementTable::SetSection(int row, double section) {
  if (row <= count_) {
    cells_[static_cast<std::size_t>(row - 1) * columns_ + sectionColumn_] = section;
  } else {
    nextRowSection_ = section;
  }
}

double SectionInfo::At(int row, int column) const {
  if (column == 1) return fc_;
  if (column == 2) return rebarFy_;
  return row <= static_cast<int>(rows_.size()) ? rows_[row - 1][column] : 0;
}

void SectionInfo::Set(int row, int column, double value) {
  if (row > static_cast<int>(rows_.size())) rows_.resize(row, std::array<double, 7>{});
  rows_[row - 1][column] = value;
}

}  // namespace korvel::conv
