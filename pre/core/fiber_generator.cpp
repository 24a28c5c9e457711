#include "pre/core/fiber_generator.h"

#include <cmath>

#include "common/error.h"

namespace korvel::pre {
namespace {

// Strip centres along one side; each step is one rounded double operation in
// this order, and the upper half mirrors the lower half by exact negation.
std::array<double, 6> StripCentres(double length, double cover) {
  const double first = (-length) / 2 + cover / 2;
  const double core = length - (cover + cover);
  const double second = (first + cover / 2) + core / 8;
  const double third = second + core / 4;
  return {first, second, third, -third, -second, -first};
}

bool IsRing(int row, int column) { return row == 0 || row == 5 || column == 0 || column == 5; }

double CellArea(int row, int column, double cover, double coreX, double coreY) {
  const bool edgeRow = row == 0 || row == 5, edgeColumn = column == 0 || column == 5;
  if (edgeRow && edgeColumn) return cover * cover;
  if (edgeRow) return (cover * coreX) / 4;
  if (edgeColumn) return (cover * coreY) / 4;
  return ((coreX / 4) * coreY) / 4;
}

void RequireFinite(const FiberSection& section) {
  auto check = [](double v) {
    if (!std::isfinite(v)) throw OverflowError("截面计算的结果超出双精度数的范围，请检查截面尺寸和保护层厚度");
  };
  for (const ConcreteFiber& f : section.Fibers) {
    check(f.x), check(f.y), check(f.Area);
  }
  for (const BarFiber& b : section.Bars) check(b.x), check(b.y);
}

}  // namespace

FiberSection BuildFiberSection(const SectionInput& input) {
  const double c = input.Cover;
  const auto xs = StripCentres(input.LengthX, c);
  const auto ys = StripCentres(input.LengthY, c);
  const double coreX = input.LengthX - (c + c);
  const double coreY = input.LengthY - (c + c);

  FiberSection section;
  section.LengthY = input.LengthY;
  section.LengthX = input.LengthX;
  section.Modulus = input.Modulus;

  for (int row = 0; row < 6; ++row) {
    for (int column = 0; column < 6; ++column) {
      const ConcreteSet& law = IsRing(row, column) ? input.CoreConcrete : input.CoverConcrete;
      section.Fibers[row * 6 + column] = {
          xs[column], ys[row], CellArea(row, column, c, coreX, coreY), law.fc, law.eps0, law.sigu, law.epsu, law.E0};
    }
  }

  const double left = (-input.LengthX) / 2 + c, bottom = (-input.LengthY) / 2 + c;
  const double barX[2] = {left, -left}, barY[2] = {bottom, -bottom};
  for (int k = 0; k < 4; ++k) {
    const RebarInput& bar = input.Rebars[k];
    section.Bars[k] = {barX[k % 2], barY[k / 2], bar.As, bar.fy, bar.Es};
  }

  RequireFinite(section);
  return section;
}

}  // namespace korvel::pre
