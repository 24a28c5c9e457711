#include "common/real_format.h"

#include <algorithm>
#include <cassert>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace korvel {

void AppendReal(std::string& out, double v) {
  assert(std::isfinite(v));
  if (v == 0) {
    out += '0';
    return;
  }
  // to_chars rounds correctly to 15 significant digits: d.ddddddddddddddde±x
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::scientific, 14);
  const char* p = buffer;
  if (*p == '-') out += *p++;

  char digits[15];
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
