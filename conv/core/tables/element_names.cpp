#include "conv/core/tables/element_names.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>

#include "common/lenient_number.h"
#include "common/real_format.h"
#include "conv/core/input/field_scanner.h"
#include "conv/core/input/model_text.h"

namespace korvel::conv {
namespace {

// A quiet NaN whose payload is the name's order; numbers read from a model
// are never NaN.
constexpr std::uint64_t kMarkBits = 0x7FF8'0000'0000'0000u;
constexpr std::uint64_t kOrderBits = 0x0007'FFFF'FFFF'FFFFu;

double Mark(std::size_t order) { return std::bit_cast<double>(kMarkBits | order); }

std::size_t OrderOf(double label) {
  const auto bits = std::bit_cast<std::uint64_t>(label);
  return (bits & ~kOrderBits) == kMarkBits ? static_cast<std::size_t>(bits & kOrderBits) : 0;
}

}  // namespace

bool ElementNames::IsNumber(std::string_view text) { return IsWholeLabel(text); }

double ElementNames::Label(ElementKind kind, std::string_view text, double number) {
  OfKind& of = of_[Index(kind)];
  if (text.empty() || IsNumber(text)) {  // an empty value names nothing: it reads as 0
    // Names are numbered above every numeric label, and above 0.
    of.base = std::max(of.base, number);
    return number;
  }
  if (const auto found = of.order.find(text); found != of.order.end()) return Mark(found->second);
  of.names.emplace_back(text);
  of.order.emplace(of.names.back(), of.names.size());
  return Mark(of.names.size());
}

int ElementNames::count() const {
  std::size_t names = 0;
  for (const OfKind& of : of_) names += of.names.size();
  return static_cast<int>(names);
}

double ElementNames::Final(ElementKind kind, double label) const {
  const std::size_t order = OrderOf(label);
  return order == 0 ? label : NumberOf(kind, order);
}

std::string ElementNames::Shown(ElementKind kind, double label) const {
  const std::size_t order = OrderOf(label);
  if (order == 0) return FormatReal(label);
  std::string quoted = "\"";
  quoted += ModelText(Names(kind)[order - 1]);
  quoted += '"';
  return quoted;
}

std::string ElementNames::ShownNumbered(ElementKind kind, double label, bool quoted) const {
  const OfKind& of = of_[Index(kind)];
  const double n = label - of.base;
  if (n < 1 || n > static_cast<double>(of.names.size()) || n != std::floor(n)) return FormatReal(label);
  const std::string name = ModelText(of.names[static_cast<std::size_t>(n) - 1]);
  return quoted ? "\"" + name + "\"" : name;
}

}  // namespace korvel::conv
