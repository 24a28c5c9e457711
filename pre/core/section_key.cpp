#include "pre/core/section_key.h"

#include <array>
#include <string>

namespace korvel::pre {
namespace {

using form::Shape;

constexpr form::Colour kBlack{0, 0, 0}, kWhite{255, 255, 255};

form::Picture Build() {
  form::Picture key{203, 240, {212, 208, 200}, "Times New Roman", {}};
  auto add = [&](Shape shape) { key.shapes.push_back(std::move(shape)); };
  const double left = 30, top = 30, right = 170, bottom = 210;
  const double strip = 14;  // the cover strips along the faces
  add({Shape::Kind::kRectangle, left, top, right, bottom, kBlack, {190, 186, 178}, 2});

  // Grid lines: next to each face, then three between them dividing the core in four.
  std::array<double, 5> xs{}, ys{};
  for (int i = 0; i <= 4; ++i) {
    xs[i] = left + strip + i * (right - left - 2 * strip) / 4;
    ys[i] = top + strip + i * (bottom - top - 2 * strip) / 4;
  }
  for (double x : xs) add({Shape::Kind::kLine, x, top, x, bottom, kWhite, {}, 1, true});
  for (double y : ys) add({Shape::Kind::kLine, left, y, right, y, kWhite, {}, 1, true});

  const double centreX = (left + right) / 2, centreY = (top + bottom) / 2;
  add({Shape::Kind::kArrow, centreX, centreY, right + 22, centreY, kBlack, kBlack, 1.5});
  add({Shape::Kind::kArrow, centreX, centreY, centreX, top - 22, kBlack, kBlack, 1.5});
  add({Shape::Kind::kText, right + 16, centreY + 16, 0, 0, kBlack, {}, 1, false, "x", 12, true});
  add({Shape::Kind::kText, centreX + 6, top - 12, 0, 0, kBlack, {}, 1, false, "y", 12, true});

  // Bars where the lines next to the faces cross, numbered from the bottom left.
  const double barX[4] = {xs.front(), xs.back(), xs.front(), xs.back()};
  const double barY[4] = {ys.back(), ys.back(), ys.front(), ys.front()};
  for (int k = 0; k < 4; ++k) {
    add({Shape::Kind::kDot, barX[k], barY[k], 4, 0, {}, {0, 160, 0}});
    const bool onLeft = k % 2 == 0, atBottom = k < 2;
    add({Shape::Kind::kText,
         barX[k] + (onLeft ? 6 : -14),
         barY[k] + (atBottom ? -6 : 16),
         0,
         0,
         kBlack,
         {},
         1,
         false,
         std::to_string(k + 1),
         9,
         false});
  }
  return key;
}

}  // namespace

const form::Picture& SectionKey() {
  static const form::Picture key = Build();
  return key;
}

}  // namespace korvel::pre
