#include "conv/core/section_names.h"

namespace korvel::conv {

std::optional<int> SectionNames::FindOrAddSection(std::string_view name) {
  const int next = count() + 1;
  if (name.empty()) return next <= capacity_ ? std::optional<int>(next) : std::nullopt;
  std::string key(name);
  if (const auto found = numbers_.find(key); found != numbers_.end()) return found->second;
  if (next > capacity_) {
    dropped_.insert(std::move(key));
    return std::nullopt;
  }
  names_.push_back(key);
  numbers_.emplace(std::move(key), next);
  return next;
}

}  // namespace korvel::conv
