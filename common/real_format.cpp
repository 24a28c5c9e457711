#include "common/real_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

#include "common/error.h"

namespace korvel {
namespace {

// Labels, joint numbers and most coordinates are whole numbers or have a few
// decimals. When m / 10^k reads back as v for a whole m below 1e15, that
// decimal is v's rounding to 15 digits (a normal double's spacing is finer
// than 15 digits'), and its plain form is m's digits with a point k places
// from the right. Writes it and answers true, or answers false.
bool AppendShortDecimal(std::string& out, double v) {
  static constexpr double kScale[] = {1, 10, 100, 1000, 10000};
  const double magnitude = std::abs(v);
  if (!(magnitude >= 1e-4 && magnitude < 1e15)) return false;
  for (int k = 0; k < 5; ++k) {
    const double scaled = magnitude * kScale[k];
    if (scaled >= 1e15) return false;
    if (scaled != std::trunc(scaled) || scaled / kScale[k] != magnitude) continue;
    char digits[24];
    char* end = std::to_chars(digits, digits + sizeof digits, static_cast<long long>(scaled)).ptr;
    int fraction = k;
    while (fraction > 0 && end[-1] == '0') --end, --fraction;  // 1.50 is 1.5
    const int length = static_cast<int>(end - digits);
    if (v < 0) out += '-';
    if (fraction == 0) {
      out.append(digits, end);
    } else if (length > fraction) {
      out.append(digits, end - fraction);
      out += '.';
      out.append(end - fraction, end);
    } else {
      out += '.';
      out.append(fraction - length, '0');
      out.append(digits, end);
    }
    return true;
  }
  return false;
}

}  // namespace

void AppendReal(std::string& out, double v) {
  if (!std::isfinite(v)) throw Error("数值是无穷大或非数（NaN），无法写出");
  if (v == 0) {
    out += '0';
    return;
  }
  if (AppendShortDecimal(out, v)) return;
  // The shortest digits that read back as a normal v are its rounding to 15
  // digits whenever there are at most 15 of them, since a normal double's
  // spacing is finer than 15 digits'; otherwise to_chars rounds to 15:
  // d.dddddddddddddde±x.
  char buffer[40];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::scientific);
  const auto significant = [&] {
    return std::count_if(buffer, std::find(buffer, result.ptr, 'e'), [](char c) { return c >= '0' && c <= '9'; });
  };
  if (!std::isnormal(v) || significant() > 15) {
    result = std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::scientific, 14);
  }
  const char* p = buffer;
  if (*p == '-') out += *p++;

  char digits[17];
  int count = 0;
  for (; *p != 'e'; ++p) {
    if (*p != '.') digits[count++] = *p;
  }
  int exponent = 0;
  std::from_chars(p + (p[1] == '+' ? 2 : 1), result.ptr, exponent);
  while (count > 1 && digits[count - 1] == '0') --count;

  if (exponent < -4 || exponent > 14) {
    out += digits[0];
    if (count > 1) {
      out += '.';
      out.append(digits + 1, count - 1);
    }
    out += 'E';
    out += exponent < 0 ? '-' : '+';
    const int magnitude = std::abs(exponent);
    if (magnitude < 10) out += '0';
    out += std::to_string(magnitude);
  } else if (exponent >= 0) {
    const int whole = exponent + 1;
    out.append(digits, std::min(count, whole));
    if (count < whole) out.append(whole - count, '0');
    if (count > whole) {
      out += '.';
      out.append(digits + whole, count - whole);
    }
  } else {
    out += '.';
    out.append(-exponent - 1, '0');
    out.append(digits, count);
  }
}

std::string FormatReal(double v) {
  std::string text;
  AppendReal(text, v);
  return text;
}

}  // namespace korvel
