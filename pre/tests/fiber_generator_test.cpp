#include "pre/core/fiber_generator.h"

#include <gtest/gtest.h>

#include <cmath>

#include "common/error.h"

namespace korvel::pre {
namespace {

SectionInput Rectangle(double x, double y, double cover) {
  SectionInput input;
  input.LengthX = x;
  input.LengthY = y;
  input.Cover = cover;
  return input;
}

const ConcreteFiber& Fiber(const FiberSection& s, int row, int column) {
  return s.Fibers[(row - 1) * 6 + (column - 1)];
}

TEST(FiberGenerator, PlacesStripCentresAndBarsOfTheWorkedExample) {
  const FiberSection s = BuildFiberSection(Rectangle(400, 600, 40));
  const double xs[] = {-180, -120, -40, 40, 120, 180};
  const double ys[] = {-280, -195, -65, 65, 195, 280};
  for (int row = 1; row <= 6; ++row) {
    for (int column = 1; column <= 6; ++column) {
      EXPECT_EQ(Fiber(s, row, column).x, xs[column - 1]);
      EXPECT_EQ(Fiber(s, row, column).y, ys[row - 1]);
    }
  }
  EXPECT_EQ(s.Bars[0].x, -160);
  EXPECT_EQ(s.Bars[0].y, -260);
  EXPECT_EQ(s.Bars[1].x, 160);
  EXPECT_EQ(s.Bars[1].y, -260);
  EXPECT_EQ(s.Bars[2].x, -160);
  EXPECT_EQ(s.Bars[2].y, 260);
  EXPECT_EQ(s.Bars[3].x, 160);
  EXPECT_EQ(s.Bars[3].y, 260);
}

TEST(FiberGenerator, AreasOfCornersEdgesAndInteriorAddUpToTheRectangle) {
  const FiberSection s = BuildFiberSection(Rectangle(400, 600, 40));
  EXPECT_EQ(Fiber(s, 1, 1).Area, 1600);
  EXPECT_EQ(Fiber(s, 6, 6).Area, 1600);
  EXPECT_EQ(Fiber(s, 1, 3).Area, 3200);
  EXPECT_EQ(Fiber(s, 6, 2).Area, 3200);
  EXPECT_EQ(Fiber(s, 3, 1).Area, 5200);
  EXPECT_EQ(Fiber(s, 4, 6).Area, 5200);
  EXPECT_EQ(Fiber(s, 2, 2).Area, 10400);
  double sum = 0;
  for (const ConcreteFiber& f : s.Fibers) sum += f.Area;
  EXPECT_EQ(sum, 240000);
}

TEST(FiberGenerator, RingTakesCoreConcreteAndInteriorTakesCoverConcrete) {
  SectionInput input = Rectangle(400, 600, 40);
  input.CoreConcrete = {30, 0.002, 6, 0.0035, 30000};
  input.CoverConcrete = {20, 0.003, 4, 0.004, 25000};
  const FiberSection s = BuildFiberSection(input);
  int ring = 0;
  for (int row = 1; row <= 6; ++row) {
    for (int column = 1; column <= 6; ++column) {
      const bool isRing = row == 1 || row == 6 || column == 1 || column == 6;
      const ConcreteSet& law = isRing ? input.CoreConcrete : input.CoverConcrete;
      const ConcreteFiber& f = Fiber(s, row, column);
      EXPECT_EQ(f.fc, law.fc);
      EXPECT_EQ(f.eps0, law.eps0);
      EXPECT_EQ(f.sigu, law.sigu);
      EXPECT_EQ(f.epsu, law.epsu);
      EXPECT_EQ(f.E0, law.E0);
      ring += isRing;
    }
  }
  EXPECT_EQ(ring, 20);
}

TEST(FiberGenerator, BarsTakeTheirOwnSteelAndModulusOnlyReachesTheHeader) {
  SectionInput input = Rectangle(400, 600, 40);
  for (int k = 0; k < 4; ++k) input.Rebars[k] = {200000.0 + k, 400.0 + k, 314.0 + k};
  input.Modulus = 30000;
  const FiberSection s = BuildFiberSection(input);
  for (int k = 0; k < 4; ++k) {
    EXPECT_EQ(s.Bars[k].Es, 200000.0 + k);
    EXPECT_EQ(s.Bars[k].fy, 400.0 + k);
    EXPECT_EQ(s.Bars[k].As, 314.0 + k);
  }
  EXPECT_EQ(s.Modulus, 30000);
  EXPECT_EQ(s.LengthX, 400);
  EXPECT_EQ(s.LengthY, 600);
  const FiberSection withoutModulus = BuildFiberSection(Rectangle(400, 600, 40));
  for (int n = 0; n < 36; ++n) EXPECT_EQ(s.Fibers[n].Area, withoutModulus.Fibers[n].Area);
}

TEST(FiberGenerator, MirroredCoordinatesAreExactNegations) {
  const FiberSection s = BuildFiberSection(Rectangle(0.3, 0.7, 0.035));
  for (int i = 1; i <= 3; ++i) {
    EXPECT_EQ(Fiber(s, 1, 7 - i).x, -Fiber(s, 1, i).x);
    EXPECT_EQ(Fiber(s, 7 - i, 1).y, -Fiber(s, i, 1).y);
  }
  // x2 comes from x1 + c/2 + dX/8, not from a direct formula
  const double x1 = (-0.3) / 2 + 0.035 / 2, dX = 0.3 - (0.035 + 0.035);
  EXPECT_EQ(Fiber(s, 1, 2).x, (x1 + 0.035 / 2) + dX / 8);
  EXPECT_EQ(Fiber(s, 1, 3).x, ((x1 + 0.035 / 2) + dX / 8) + dX / 4);
}

TEST(FiberGenerator, AllZeroInputGivesZerosWithNegatedZerosMirrored) {
  const FiberSection s = BuildFiberSection(SectionInput{});
  for (const ConcreteFiber& f : s.Fibers) {
    EXPECT_EQ(f.x, 0);
    EXPECT_EQ(f.y, 0);
    EXPECT_EQ(f.Area, 0);
  }
  EXPECT_TRUE(std::signbit(Fiber(s, 1, 6).x));
  EXPECT_TRUE(std::signbit(s.Bars[3].y));
}

TEST(FiberGenerator, CoverOfZeroPutsRingCentresOnTheFacesAndBarsOnTheCorners) {
  const FiberSection s = BuildFiberSection(Rectangle(400, 600, 0));
  EXPECT_EQ(Fiber(s, 1, 1).x, -200);
  EXPECT_EQ(Fiber(s, 1, 6).x, 200);
  EXPECT_EQ(Fiber(s, 1, 1).Area, 0);
  EXPECT_EQ(Fiber(s, 1, 3).Area, 0);
  EXPECT_EQ(s.Bars[3].x, 200);
  EXPECT_EQ(s.Bars[3].y, 300);
}

TEST(FiberGenerator, CoverOfHalfTheWidthCollapsesTheCoreColumns) {
  const FiberSection s = BuildFiberSection(Rectangle(400, 600, 200));
  for (int column = 2; column <= 5; ++column) {
    EXPECT_EQ(Fiber(s, 3, column).x, 0);
    EXPECT_EQ(Fiber(s, 3, column).Area, 0);
    EXPECT_EQ(Fiber(s, 1, column).Area, 0);
  }
}

TEST(FiberGenerator, CoverBeyondHalfCrossesTheCoreAndGivesNegativeAreas) {
  const FiberSection s = BuildFiberSection(Rectangle(400, 600, 250));
  EXPECT_GT(Fiber(s, 1, 2).x, Fiber(s, 1, 3).x);
  EXPECT_LT(Fiber(s, 1, 2).Area, 0);
}

TEST(FiberGenerator, OverflowIsReportedInsteadOfProducingInfinities) {
  EXPECT_THROW(BuildFiberSection(Rectangle(1, 1, 2e154)), OverflowError);
  EXPECT_THROW(BuildFiberSection(Rectangle(1e308, 1, -1.5e308)), OverflowError);
  EXPECT_NO_THROW(BuildFiberSection(Rectangle(1e150, 1e150, 1e100)));
}

}  // namespace
}  // namespace korvel::pre
