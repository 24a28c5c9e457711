#pragma once
// How a real number is written into the tool set's list files.

#include <string>

namespace korvel {

// Appends v rounded to 15 significant digits, trailing zeros dropped:
// 1600, -180, .002, -.5 in plain form; 1E-05, 2.5E+20 when the decimal
// exponent is below -4 or above 14. Zero of either sign is written 0.
// Throws Error for an infinity or a NaN, which no reader of the files takes.
void AppendReal(std::string& out, double v);

std::string FormatReal(double v);

}  // namespace korvel
