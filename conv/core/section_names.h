#pragma once
// A section name table (FrameSection or AreaSection): names numbered 1, 2, 3,
// ... in order of first appearance, 10,000 at most.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "conv/core/name_table.h"

namespace korvel::conv {

inline constexpr int kSectionCapacity = 10'000;

class SectionNames {
 public:
  explicit SectionNames(int capacity = kSectionCapacity) : capacity_(capacity) {}

  // The number of name; a new name is added at count + 1 while there is room.
  // The empty name is never added: it answers count + 1, the number the next
  // new name will get. A new name that finds the table full gets no number.
  std::optional<int> FindOrAddSection(std::string_view name);

  int count() const { return static_cast<int>(names_.size()); }
  const std::string& Name(int number) const { return names_[number - 1]; }  // 1 to count
  // How many different names found the table full, counted up to
  // kDroppedNamesCounted.
  static constexpr int kDroppedNamesCounted = 10'000;
  int DroppedCount() const { return static_cast<int>(dropped_.size()); }

 private:
  int capacity_;
  std::vector<std::string> names_;
  ByName<int> numbers_;
  NameSet dropped_;
};

}  // namespace korvel::conv
