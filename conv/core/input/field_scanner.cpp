#include "conv/core/input/field_scanner.h"

#include <algorithm>

#include "conv/core/input/model_text.h"

namespace korvel::conv {

KeyTable::KeyTable(std::initializer_list<FieldKey> keys) : KeyTable(std::vector<FieldKey>(keys)) {}

KeyTable::KeyTable(std::vector<FieldKey> keys) : keys_(std::move(keys)) {
  for (std::size_t k = 0; k < keys_.size(); ++k) longestFirst_.push_back(k);
  std::stable_sort(longestFirst_.begin(), longestFirst_.end(),
                   [&](std::size_t a, std::size_t b) { return keys_[a].key.size() > keys_[b].key.size(); });
}

void ThrowModelNumberTooLarge(std::string_view text) { throw NumberTooLarge(ModelText(text)); }

bool IsWholeLabel(std::string_view text) {
  if (text.starts_with('-')) text.remove_prefix(1);
  if (text.empty() || text.size() > 15 || (text[0] == '0' && text.size() > 1)) return false;
  return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string_view WithDecimalPoint(std::string_view text, std::string& buffer) {
  const std::size_t comma = text.find(',');
  if (comma == std::string_view::npos || text.find('.') != std::string_view::npos) return text;
  buffer.assign(text);
  buffer[comma] = '.';
  return buffer;
}

std::optional<std::string_view> TakeValue(const ModelLine& A, std::size_t at, std::string_view key, ValueEnd end) {
  const std::size_t start = at + key.size();
  const std::size_t blank = A.NextBlank(start);
  if (blank != ModelLine::npos) return A.bytes().substr(start, blank - start);
  if (end == ValueEnd::kBlankOrEndOfLine) return A.bytes().substr(start);
  return std::nullopt;
}

std::optional<std::string_view> TakeQuotedValue(const ModelLine& A, std::size_t valueStart) {
  const std::string_view bytes = A.bytes();
  if (valueStart >= bytes.size() || bytes[valueStart] != '"') return std::nullopt;
  // A double quote byte is never part of a double-byte character.
  const std::size_t closing = bytes.find('"', valueStart + 1);
  if (closing == std::string_view::npos) return std::nullopt;
  return bytes.substr(valueStart + 1, closing - valueStart - 1);
}

}  // namespace korvel::conv
