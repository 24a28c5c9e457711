#include "common/list_lines.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "common/error.h"

namespace korvel {

namespace {

// The writer rounds to 15 significant digits, so the largest double is written
// 1.79769313486232E+308, just beyond the range. Whether a number that
// overflowed (syntax checked) is no larger than that.
bool IsLargestDoubleRounded(std::string_view item) {
  if (item.front() == '-') item.remove_prefix(1);
  const std::size_t e = item.find_first_of("eE");
  const std::string_view mantissa = item.substr(0, e);
  long long exponent = 0;
  if (e != std::string_view::npos) {
    std::string_view digits = item.substr(e + 1);
    if (digits.front() == '+') digits.remove_prefix(1);
    if (std::from_chars(digits.data(), digits.data() + digits.size(), exponent).ec != std::errc()) return false;
  }
  const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
  std::string significant;  // the digits from the first that is not 0
  for (std::size_t i = 0; i < mantissa.size(); ++i) {
    if (mantissa[i] == '.' || (significant.empty() && mantissa[i] == '0')) continue;
    if (significant.empty())
      exponent += i < point ? static_cast<long long>(point - i - 1) : -static_cast<long long>(i - point);
    significant += mantissa[i];
  }
  while (!significant.empty() && significant.back() == '0') significant.pop_back();
  return exponent == 308 && significant <= "179769313486232";
}

}  // namespace

void ListLines::Fail(const std::string& reason) const { throw LineError(kind_, fileName_, line_, reason); }

std::string_view ListLines::Next(const std::string& what) {
  ++line_;
  if (pos_ == bytes_.size()) Fail("文件在此结束，缺少" + what);
  const std::size_t end = bytes_.find("\r\n", pos_);
  if (end == std::string_view::npos) Fail("行末没有 CR LF");
  const std::string_view line = bytes_.substr(pos_, end - pos_);
  if (line.find_first_of("\r\n") != std::string_view::npos) Fail("行末不是 CR LF");
  pos_ = end + 2;
  return line;
}

std::vector<double> ListLines::Numbers(std::size_t n, const std::string& what) {
  const std::string_view line = Next(what);
  std::vector<double> values;
  std::size_t start = 0;
  while (true) {
    const std::size_t comma = line.find(',', start);
    const std::string_view item = line.substr(start, comma == std::string_view::npos ? comma : comma - start);
    double value = 0;
    auto [end, error] = std::from_chars(item.data(), item.data() + item.size(), value);
    if (error == std::errc::result_out_of_range && end == item.data() + item.size() && IsLargestDoubleRounded(item)) {
      value = std::copysign(std::numeric_limits<double>::max(), item.front() == '-' ? -1.0 : 1.0);
      error = std::errc();
    }
    if (item.empty() || error != std::errc() || end != item.data() + item.size() || !std::isfinite(value)) {
      Fail(what + "中的 \"" + Excerpt(item) + "\" 不是数值");
    }
    values.push_back(value);
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  if (values.size() != n)
    Fail(what + "应有 " + std::to_string(n) + " 个数，而不是 " + std::to_string(values.size()) + " 个");
  return values;
}

std::size_t ListLines::Count(const std::string& what) {
  const double value = Numbers(1, what)[0];
  if (value < 0 || value != std::floor(value) || value > 1e15) Fail(what + "应是不小于 0 的整数");
  return static_cast<std::size_t>(value);
}

std::string ListLines::Text(const std::string& what) {
  const std::string_view line = Next(what);
  if (line.size() < 2 || line.front() != '"' || line.back() != '"') Fail(what + "应写在双引号中");
  return std::string(line.substr(1, line.size() - 2));
}

void ListLines::ExpectEnd() {
  if (pos_ == bytes_.size()) return;
  ++line_;
  Fail("文件应已结束，后面还有多余的内容");
}

}  // namespace korvel
