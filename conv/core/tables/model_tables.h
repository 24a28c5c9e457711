#pragma once
// Tables, the second stage: what the records of a model fill, and the
// readers that fill them.
//
// The model tables of one conversion: elements in input order, frame section
// rows by section number, and the section names. They behave like the dense
// tables of fixed capacity filled with 0 that the file formats were made
// for, but hold only what the model has.

#include <array>
#include <optional>
#include <vector>

#include "conv/core/tables/chunked_vector.h"
#include "conv/core/tables/label_index.h"
#include "conv/core/tables/name_table.h"

namespace korvel::conv {

inline constexpr int kElementCapacity = 1'000'000;

// All numbers are doubles, labels and joint labels included, as read.
struct Joint {
  double label = 0, x = 0, y = 0, z = 0;
  bool operator==(const Joint&) const = default;
};
struct Frame {
  double label = 0, jointI = 0, jointJ = 0, section = 0;
  bool operator==(const Frame&) const = default;
};
struct Area {
  double label = 0;
  std::array<double, 4> joints{};
  double thickness = 0, section = 0;
  bool operator==(const Area&) const = default;
};
// One row of SectionInfo.
struct FrameSectionRow {
  double number = 0, fc = 0, rebarFy = 0, t2 = 0, t3 = 0, cover = 0, barSize = 0;
  bool operator==(const FrameSectionRow&) const = default;
};

// Rows 1..count in input order, found by label: the first row with a label
// wins. For frames and areas an assignment whose label reads 0 may set the
// section of the first unfilled row (which holds label 0), and that row keeps
// it when a connectivity line fills it later.
template <typename Element>
class ElementTable {
 public:
  // Frames and areas take sections by label; joints are never looked up.
  static constexpr bool kAssignable = requires(Element element) { element.section; };

  int count() const { return static_cast<int>(rows_.size()); }
  const Element& Row(int row) const { return rows_[row - 1]; }  // 1..count

  void Add(Element element) {
    if constexpr (kAssignable) {
      element.section = nextRowSection_;
      nextRowSection_ = 0;
    }
    rows_.push_back(element);
    if constexpr (kAssignable) labels_.AddFirst(element.label, count(), count());
  }

  std::optional<int> FindFirstRow(double label) const requires kAssignable { return labels_.Find(label); }
  // As the classic search over the whole capacity: label 0 found in no
  // filled row names the first unfilled one.
  std::optional<int> FindFirstRowOrUnfilled(double label) const {
    if (const auto row = FindFirstRow(label)) return row;
    if (label == 0 && count() < kElementCapacity) return count() + 1;
    return std::nullopt;
  }
  // Passes every row to rewrite(Element&) and indexes the labels anew.
  template <typename Rewrite>
  void RewriteRows(Rewrite rewrite) {
    labels_ = LabelIndex();
    for (int row = 1; row <= count(); ++row) {
      rewrite(rows_[row - 1]);
      if constexpr (kAssignable) labels_.AddFirst(rows_[row - 1].label, row, row);
    }
  }
  void SetSection(int row, double section) {  // rows 1..count + 1
    if (row <= count()) {
      rows_[row - 1].section = section;
    } else {
      nextRowSection_ = section;
    }
  }

 private:
  ChunkedVector<Element> rows_;
  LabelIndex labels_;
  double nextRowSection_ = 0;
};

// SectionInfo: frame section rows 1..10,000. The classic reading takes one
// pair of design strengths for the whole model; the modern one gives each
// section its own.
class SectionInfo {
 public:
  FrameSectionRow Row(int number) const;
  FrameSectionRow& MutableRow(int number);  // grows the table to `number`
  void SetDesignConcrete(double fc, double rebarFy) { designConcrete_ = {fc, rebarFy}; }

 private:
  std::vector<FrameSectionRow> rows_;  // up to the highest row written
  std::optional<std::array<double, 2>> designConcrete_;
};

struct ModelTables {
  SectionInfo sectionInfo;
  SectionNames frameSections, areaSections;
  ElementTable<Joint> joints;
  ElementTable<Frame> frames;
  ElementTable<Area> areas;

  explicit ModelTables(int sectionCapacity = kSectionCapacity)
      : frameSections(sectionCapacity), areaSections(sectionCapacity) {}
};

}  // namespace korvel::conv
