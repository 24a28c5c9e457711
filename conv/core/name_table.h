#pragma once
// Tables keyed by the model's names. std::hash lets a crafted model give
// thousands of names one hash value and make every look-up walk them all; a
// hash keyed with a seed drawn once per run gives no such handle. Every
// table also holds a bounded number of names.

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

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

}  // namespace korvel::conv
