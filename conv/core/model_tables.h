#pragma once
// The model tables of one conversion. They behave like dense tables of fixed
// capacity filled with 0, but hold only the rows the model uses.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <unordered_map>
#include <vector>

#include "conv/core/section_names.h"

namespace korvel::conv {

inline constexpr int kElementCapacity = 1'000'000;

// JointTable, FrameTable or AreaTable: rows 1..count in input order. The
// section column of the first unfilled row can be set by an assignment whose
// label reads 0 (an unfilled row holds label 0); the row keeps it when a
// connectivity line fills it later.
class ElementTable {
 public:
  // sectionColumn < 0: the table has no section column.
  ElementTable(int columns, int sectionColumn);

  int count() const { return count_; }
  // Claims row count + 1 and fills columns 0..values.size()-1.
  void AddRow(std::span<const double> values);
  double At(int row, int column) const;  // rows 1..count + 1
  double SectionOf(int row) const { return At(row, sectionColumn_); }
  // The lowest row whose label equals `label`, if any.
  std::optional<int> FindFirstRow(double label) const;
  void SetSection(int row, double section);  // rows 1..count + 1

 private:
  int columns_, sectionColumn_;
  int count_ = 0;
  std::vector<double> cells_;  // count_ rows of columns_
  double nextRowSection_ = 0;
  std::unordered_map<double, int> firstRowOfLabel_;
};

// SectionInfo: frame section rows 1..10,000, columns 0 section number, 1 Fc,
// 2 RebarFy, 3 t2, 4 t3, 5 Cover, 6 BarSize. Fc and RebarFy are those of the
// last concrete record, the same in every row.
class SectionInfo {
 public:
  double At(int row, int column) const;
  void Set(int row, int column, double value);  // columns 0 and 3..6
  void SetConcrete(double fc, double rebarFy) { fc_ = fc, rebarFy_ = rebarFy; }

 private:
  std::vector<std::array<double, 7>> rows_;  // grows to the highest row written
  double fc_ = 0, rebarFy_ = 0;
};

struct ModelTables {
  SectionInfo sectionInfo;
  SectionNames frameSections, areaSections;
  ElementTable joints{4, -1}, frames{4, 3}, areas{7, 6};

  explicit ModelTables(int sectionCapacity = kSectionCapacity)
      : frameSections(sectionCapacity), areaSections(sectionCapacity) {}
};

}  // namespace korvel::conv
