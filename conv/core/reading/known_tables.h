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

struct KnownTable {
  std::string_view title;
  struct Readings {
    bool classic, modern;
  } knownTo;
  void (*read)(PassState& pass, const ModelLine& record);

  bool KnownTo(Reading reading) const { return reading == Reading::kModern ? knownTo.modern : knownTo.classic; }
};

std::span<const KnownTable> KnownTables();

}  // namespace korvel::conv
