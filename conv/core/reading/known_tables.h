#pragma once
// The tables the converter reads, in one list: each one's title, the
// readings that know it and its reader. A table read differently by the two
// readings, or read for more by one of them, has an entry per reader; the
// readers of one line run in the order of the list.

#include <span>
#include <string_view>

#include "conv/core/input/model_line.h"
#include "conv/core/input/reading_declaration.h"

namespace korvel::conv {

struct PassState;

constexpr unsigned ReadingBit(Reading reading) { return 1u << static_cast<unsigned>(reading); }

struct KnownTable {
  std::string_view title;
  unsigned readings;  // ReadingBit of each reading that knows the table
  void (*read)(PassState& pass, const ModelLine& record);

  bool KnownTo(Reading reading) const { return (readings & ReadingBit(reading)) != 0; }
};

std::span<const KnownTable> KnownTables();

}  // namespace korvel::conv
