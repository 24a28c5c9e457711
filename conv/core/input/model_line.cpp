#include "conv/core/input/model_line.h"

#include <algorithm>
#include <cstring>

namespace korvel::conv {
namespace {
bool IsLead(unsigned char c) { return c >= 0x81 && c <= 0xFE; }
bool IsTrail(unsigned char c) { return c >= 0x40 && c <= 0xFE && c != 0x7F; }

// Eight bytes at a time: most model lines are plain ASCII.
bool IsAscii(std::string_view bytes) {
  std::size_t i = 0;
  for (; i + 8 <= bytes.size(); i += 8) {
    std::uint64_t word;
    std::memcpy(&word, bytes.data() + i, 8);
    if (word & 0x8080808080808080u) return false;
  }
  for (; i < bytes.size(); ++i) {
    if (static_cast<unsigned char>(bytes[i]) >= 0x80) return false;
  }
  return true;
}
}  // namespace

void ModelLine::Assign(std::string_view bytes) {
  bytes_ = bytes;
  blankSearchedFrom_ = 1;
  blankFound_ = 0;  // marks the memo as empty: found < searched-from
  ascii_ = IsAscii(bytes);
  if (ascii_) {
    characters_ = bytes.size();
    return;
  }
  starts_.assign(bytes.size(), 0);
  characters_ = 0;
  for (std::size_t i = 0; i < bytes.size(); ++characters_) {
    starts_[i] = 1;
    const bool pair = IsLead(bytes[i]) && i + 1 < bytes.size() && IsTrail(bytes[i + 1]);
    i += pair ? 2 : 1;
  }
}

std::size_t ModelLine::OffsetOfCharacter(std::size_t n) const {
  if (n == 0 || n > characters_) return npos;
  if (ascii_) return n - 1;
  for (std::size_t offset = 0, seen = 0; offset < bytes_.size(); ++offset) {
    if (starts_[offset] && ++seen == n) return offset;
  }
  return npos;
}

std::size_t ModelLine::NextBlank(std::size_t from) const {
  // A blank byte is never part of a double-byte character.
  if (from >= blankSearchedFrom_ && (blankFound_ == npos || from <= blankFound_)) return blankFound_;
  if (from >= bytes_.size()) return npos;
  const void* found = std::memchr(bytes_.data() + from, ' ', bytes_.size() - from);
  blankSearchedFrom_ = from;
  blankFound_ = found ? static_cast<std::size_t>(static_cast<const char*>(found) - bytes_.data()) : npos;
  return blankFound_;
}

}  // namespace korvel::conv
