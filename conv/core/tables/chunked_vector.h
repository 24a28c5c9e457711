#pragma once
// A sequence that grows in fixed blocks: an element, once stored, never
// moves, so a table of a million rows is written into memory once instead of
// being copied at every doubling (which, for tables this size, costs more
// than reading the model).

#include <cstddef>
#include <memory>
#include <vector>

namespace korvel::conv {

template <typename T>
class ChunkedVector {
 public:
  // Blocks of some 32 to 64 KB: a small model claims little, and a block is
  // taken from the heap rather than mapped afresh.
  static constexpr std::size_t kBlockSize = 1024;

  std::size_t size() const { return size_; }
  T& operator[](std::size_t i) { return blocks_[i / kBlockSize][i % kBlockSize]; }
  const T& operator[](std::size_t i) const { return blocks_[i / kBlockSize][i % kBlockSize]; }

  void push_back(const T& value) {
    if (size_ % kBlockSize == 0) blocks_.push_back(std::make_unique_for_overwrite<T[]>(kBlockSize));
    (*this)[size_++] = value;
  }

 private:
  std::vector<std::unique_ptr<T[]>> blocks_;
  std::size_t size_ = 0;
};

}  // namespace korvel::conv
