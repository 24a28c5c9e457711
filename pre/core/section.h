#pragma once
// One rectangular reinforced-concrete section: the 26 typed parameters and the
// fiber description computed from them. Units are whatever the user typed.

#include <array>

namespace korvel::pre {

struct ConcreteSet {
  double fc = 0, eps0 = 0, sigu = 0, epsu = 0, E0 = 0;
};

struct RebarInput {
  double Es = 0, fy = 0, As = 0;
};

struct SectionInput {
  double LengthX = 0, LengthY = 0, Modulus = 0, Cover = 0;
  ConcreteSet CoreConcrete, CoverConcrete;
  std::array<RebarInput, 4> Rebars{};
};

struct ConcreteFiber {
  double x = 0, y = 0, Area = 0;
  double fc = 0, eps0 = 0, sigu = 0, epsu = 0, E0 = 0;
};

struct BarFiber {
  double x = 0, y = 0, As = 0, fy = 0, Es = 0;
};

// Fibers run row by row from the bottom, left to right within a row; bars are
// bottom-left, bottom-right, top-left, top-right.
struct FiberSection {
  double LengthY = 0, LengthX = 0, Modulus = 0;
  std::array<ConcreteFiber, 36> Fibers{};
  std::array<BarFiber, 4> Bars{};
};

}  // namespace korvel::pre
