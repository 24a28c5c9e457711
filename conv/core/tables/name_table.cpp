#include "conv/core/tables/name_table.h"

#include <cstdint>
#include <cstring>
#include <random>

namespace korvel::conv {
namespace {

struct Key {
  std::uint64_t k0, k1;
};

Key RunKey() {
  std::random_device source;
  auto draw = [&] { return (std::uint64_t{source()} << 32) ^ source(); };
  return {draw(), draw()};
}

std::uint64_t Rotate(std::uint64_t x, int bits) { return (x << bits) | (x >> (64 - bits)); }

struct State {
  std::uint64_t v0, v1, v2, v3;

  void Round() {
    v0 += v1, v1 = Rotate(v1, 13), v1 ^= v0, v0 = Rotate(v0, 32);
    v2 += v3, v3 = Rotate(v3, 16), v3 ^= v2;
    v0 += v3, v3 = Rotate(v3, 21), v3 ^= v0;
    v2 += v1, v1 = Rotate(v1, 17), v1 ^= v2, v2 = Rotate(v2, 32);
  }
  void Absorb(std::uint64_t word) {
    v3 ^= word;
    Round();
    v0 ^= word;
  }
};

std::uint64_t LittleEndianWord(const unsigned char* bytes, std::size_t count) {
  std::uint64_t word = 0;
  for (std::size_t i = 0; i < count; ++i) word |= std::uint64_t{bytes[i]} << (8 * i);
  return word;
}

}  // namespace

std::size_t KeyedNameHash::operator()(std::string_view text) const {
  static const Key key = RunKey();
  State s{key.k0 ^ 0x736f6d6570736575ULL, key.k1 ^ 0x646f72616e646f6dULL, key.k0 ^ 0x6c7967656e657261ULL,
          key.k1 ^ 0x7465646279746573ULL};
  const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
  const std::size_t whole = text.size() / 8 * 8;
  for (std::size_t i = 0; i < whole; i += 8) s.Absorb(LittleEndianWord(bytes + i, 8));
  s.Absorb(LittleEndianWord(bytes + whole, text.size() - whole) | (std::uint64_t{text.size() & 0xFF} << 56));
  s.v2 ^= 0xFF;
  s.Round(), s.Round(), s.Round();
  return static_cast<std::size_t>(s.v0 ^ s.v1 ^ s.v2 ^ s.v3);
}

std::size_t KeyedNumberHash::operator()(double number) const {
  if (number == 0) number = 0;
  char bytes[sizeof number];
  std::memcpy(bytes, &number, sizeof number);
  return KeyedNameHash{}(std::string_view(bytes, sizeof bytes));
}

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
