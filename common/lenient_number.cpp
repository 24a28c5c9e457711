#include "common/lenient_number.h"

#include <charconv>
#include <cstdint>
#include <optional>
#include <string>

#include "common/error.h"

namespace korvel {
namespace {

// Walks the text, passing over the characters that the conversion ignores.
class Reader {
 public:
  explicit Reader(std::string_view text) : text_(text) {}

  // The next significant character, or 0 at the end.
  char Peek() {
    while (pos_ < text_.size() && IsIgnored(text_[pos_])) ++pos_;
    return pos_ < text_.size() ? text_[pos_] : '\0';
  }
  void Take() { ++pos_; }

 private:
  static bool IsIgnored(char c) { return c == ' ' || c == '\t' || c == '\n'; }

  std::string_view text_;
  std::size_t pos_ = 0;
};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int DigitValue(char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 99;
}

OverflowError TooLarge(std::string_view text) { return NumberTooLarge(Excerpt(text)); }

double ReadRadixInteger(Reader& in, int radix, std::string_view text) {
  std::uint64_t value = 0;
  for (char c = in.Peek(); DigitValue(c) < radix; c = in.Peek()) {
    value = value * static_cast<unsigned>(radix) + static_cast<unsigned>(DigitValue(c));
    if (value > 0xFFFFFFFFu) throw TooLarge(text);
    in.Take();
  }
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

// Decimal position of the leading digit relative to the point, plus the
// exponent: tells an overflow from an underflow when the parse is out of range.
long long Magnitude(std::string_view mantissa, long long exponent) {
  long long lead = 0;
  std::size_t point = mantissa.find('.');
  if (point == std::string_view::npos) point = mantissa.size();
  for (std::size_t i = 0; i < mantissa.size(); ++i) {
    if (mantissa[i] == '.' || mantissa[i] == '0') continue;
    lead = i < point ? static_cast<long long>(point - i) : -static_cast<long long>(i - point - 1);
    break;
  }
  return lead + exponent;
}

// Most values of a model are short plain decimals ("12", "-0.25"). Up to 15
// digits are an exact integer and every power of ten up to 1e15 is exact, so
// one division rounds correctly: the same value as the full conversion.
std::optional<double> ShortPlainDecimal(std::string_view text) {
  static constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                            1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
  std::size_t i = 0;
  const bool negative = !text.empty() && text[0] == '-';
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) ++i;
  std::uint64_t digits = 0;
  int count = 0, fraction = -1;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (IsDigit(c)) {
      if (++count > 15) return std::nullopt;
      digits = digits * 10 + static_cast<unsigned>(c - '0');
      if (fraction >= 0) ++fraction;
    } else if (c == '.' && fraction < 0) {
      fraction = 0;
    } else {
      return std::nullopt;
    }
  }
  if (count == 0) return std::nullopt;
  double value = static_cast<double>(digits);
  if (fraction > 0) value /= kPowersOfTen[fraction];
  return negative ? -value : value;
}

}  // namespace

double LenientNumber(std::string_view text) {
  if (const auto plain = ShortPlainDecimal(text)) return *plain;
  Reader in(text);
  if (in.Peek() == '&') {
    in.Take();
    const char kind = in.Peek();
    if (kind == 'H' || kind == 'h') return in.Take(), ReadRadixInteger(in, 16, text);
    if (kind == 'O' || kind == 'o') return in.Take(), ReadRadixInteger(in, 8, text);
    return 0;
  }

  // The significant characters in from_chars' syntax; reused, since model
  // files hold millions of values.
  thread_local std::string number;
  number.clear();
  bool negative = false;
  if (in.Peek() == '+' || in.Peek() == '-') {
    negative = in.Peek() == '-';
    in.Take();
  }
  bool seenPoint = false, seenDigit = false;
  for (char c = in.Peek(); IsDigit(c) || (c == '.' && !seenPoint); c = in.Peek()) {
    seenPoint = seenPoint || c == '.';
    seenDigit = seenDigit || c != '.';
    number += c;
    in.Take();
  }
  if (!seenDigit) return 0;
  const std::size_t mantissaLength = number.size();

  long long exponent = 0;
  if (in.Peek() == 'E' || in.Peek() == 'e') {
    in.Take();
    number += 'e';
    const bool negativeExponent = in.Peek() == '-';
    if (in.Peek() == '+' || in.Peek() == '-') {
      number += in.Peek();
      in.Take();
    }
    const std::size_t digitsStart = number.size();
    for (char c = in.Peek(); IsDigit(c); c = in.Peek()) {
      number += c;
      if (exponent < 1'000'000'000) exponent = exponent * 10 + (c - '0');
      in.Take();
    }
    if (number.size() == digitsStart) number.resize(mantissaLength);  // "1e" is 1
    if (negativeExponent) exponent = -exponent;
  }

  double value = 0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
  if (error == std::errc::result_out_of_range) {
    if (Magnitude(std::string_view(number).substr(0, mantissaLength), exponent) > 0) {
      throw TooLarge(text);
    }
    value = 0;
  }
  return negative ? -value : value;
}

OverflowError NumberTooLarge(std::string_view shown) {
  return OverflowError("数值 \"" + std::string(shown) + "\" 超出双精度数的范围");
}

bool IsPlainNumber(std::string_view text) {
  std::size_t i = 0;
  auto digits = [&] {
    const std::size_t start = i;
    while (i < text.size() && IsDigit(text[i])) ++i;
    return i - start;
  };
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  std::size_t mantissa = digits();
  if (i < text.size() && text[i] == '.') {
    ++i;
    mantissa += digits();
  }
  if (mantissa == 0) return false;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    if (digits() == 0) return false;
  }
  return i == text.size();
}

}  // namespace korvel
