#include "common/list_lines.h"

#include <charconv>
#include <cmath>

#include "common/error.h"

namespace korvel {

void ListLines::Fail(const std::string& reason) const {
  throw LineError(fileName_, line_, reason);
}

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
    const auto [end, error] = std::from_chars(item.data(), item.data() + item.size(), value);
    if (item.empty() || error != std::errc() || end != item.data() + item.size() || !std::isfinite(value)) {
      Fail(what + "中的 \"" + Excerpt(item) + "\" 不是数");
    }
    values.push_back(value);
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  if (values.size() != n) Fail(what + "应有 " + std::to_string(n) + " 个数，而不是 " + std::to_string(values.size()) + " 个");
  return values;
}

std::size_t ListLines::Count(const std::string& what) {
  const double value = Numbers(1, what)[0];
  if (value < 0 || value != std::floor(value) || value > 1e15) Fail(what + "不是个数");
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
