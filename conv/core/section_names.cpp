#include "conv/core/section_names.h"

namespace korvel::conv {

std::optional<int> SectionNames::FindOrAddSection(std::string_view name) {
  const int next = count() + 1;
  if (name.empty()) return next <= capacity_ ? std::optional<int>(next) : std::nullopt;
  if (const auto found = numbers_.find(name); found != numbers_.end()) return found->second;
  if (next > capacity_) {
    if (DroppedCount() < kDroppedNamesCounted) dropped_.emplace(name);
    return std::nullopt;
  }
  names_.emplace_back(name);
  numbers_.emplace(name, next);
  return next;
}

}  // namespace korvel::conv
