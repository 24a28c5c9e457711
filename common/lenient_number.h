#pragma once
// The lenient number conversion used for every typed field and every number
// value of a model file: the leading number of a text, or 0.

#include <string_view>

#include "common/error.h"

namespace korvel {

// Blanks, tabs and line feeds are skipped anywhere (1 000 is 1000); then an
// optional sign, digits with at most one period, an optional exponent (E or e,
// optional sign, digits). &H and &O start a hexadecimal or octal integer of at
// most 32 bits, read as two's complement (&HFFFFFFFF is -1). Reading stops at
// the first character that fits none of these; no number gives 0.
// Throws OverflowError for a value beyond the range of a double or a &H/&O
// integer wider than 32 bits; an underflow gives 0 or a subnormal.
double LenientNumber(std::string_view text);

// Whether the whole text is one decimal number as a model file writes it: an
// optional sign, digits with at most one period, an optional exponent. Labels
// such as "B3" or "~12" are not (the lenient conversion reads them as 0).
bool IsPlainNumber(std::string_view text);

// The overflow error of a number whose text, already fit for a message (UTF-8,
// short), is `shown`.
OverflowError NumberTooLarge(std::string_view shown);

}  // namespace korvel
