#pragma once
// Tables keyed by the model's names. std::hash lets a crafted model give
// thousands of names one hash value and make every look-up walk them all; a
// hash keyed with a seed drawn once per run gives no such handle. Every
// table also holds a bounded number of names. A section name table
// (FrameSection or AreaSection) numbers its names 1, 2, 3, ... in order of
// first appearance, 10,000 at most.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace korvel::conv {

// SipHash-1-3 of the bytes under the run's key.
struct KeyedNameHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view text) const;
};

// The same for numbers (element labels): their bytes, 0 and -0 alike.
struct KeyedNumberHash {
  std::size_t operator()(double number) const;
};

template <typename Value>
using ByName = std::unordered_map<std::string, Value, KeyedNameHash, std::equal_to<>>;
using NameSet = std::unordered_set<std::string, KeyedNameHash, std::equal_to<>>;

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
