// The geometry checks on tables built here: joints closer than 1e-9 times
// the diagonal of the model are the same place wherever the grid's cell
// edges fall, and joints farther apart never are.

#include "conv/core/reading/geometry_checks.h"

#include <gtest/gtest.h>

#include <cmath>

namespace korvel::conv {
namespace {

// `pairs` frames, each from a joint on a 1000 m line to a second joint
// `apart` tolerances away from it in a direction that turns with the pair.
GeometryFindings PairsOfJoints(int pairs, double apart) {
  ModelTables tables;
  const double tolerance = 1e-9 * 1000;  // the joints span 1000 m along x
  for (int p = 0; p < pairs; ++p) {
    const double x = 1000.0 * p / (pairs - 1), turn = p * 0.7;
    const double d = apart * tolerance;
    tables.joints.Add({2.0 * p + 1, x, 0, 0});
    tables.joints.Add({2.0 * p + 2, x + d * std::cos(turn) * 0.6, d * std::sin(turn) * 0.6, d * 0.8});
    tables.frames.Add({p + 1.0, 2.0 * p + 1, 2.0 * p + 2, 1});
  }
  return CheckGeometry(tables, ElementNames(), false);
}

TEST(GeometryChecks, JointsCloserThanTheToleranceAreOnePlaceWhereverTheCellsFall) {
  const GeometryFindings close = PairsOfJoints(200, 0.9);
  EXPECT_EQ(close.coincidentJoints.count, 200);
  EXPECT_EQ(close.zeroLengthFrames.count, 200) << "each frame joins two joints at one place";
  EXPECT_EQ(close.coincidentJoints.first, "2");
  EXPECT_EQ(close.coincidentWith, "1");
  const GeometryFindings apart = PairsOfJoints(200, 1.1);
  EXPECT_EQ(apart.coincidentJoints.count, 0);
  EXPECT_EQ(apart.zeroLengthFrames.count, 0);
  EXPECT_EQ(apart.unusedJoints, 0);
}

// A model that is one point: only exactly equal places are the same.
TEST(GeometryChecks, InAModelOfOnePointOnlyEqualPlacesAreTheSame) {
  ModelTables tables;
  tables.joints.Add({1, 5, 5, 5});
  tables.joints.Add({2, 5, 5, 5});
  tables.joints.Add({3, 5, 5, 5});
  tables.areas.Add({.label = 7, .joints = {1, 2, 3, 0}});
  const GeometryFindings result = CheckGeometry(tables, ElementNames(), false);
  EXPECT_EQ(result.coincidentJoints.count, 2);
  EXPECT_EQ(result.degenerateAreas.count, 1);
}

// An element is counted once however many of its joints are missing, and a
// frame whose ends name one joint has no length even where that joint is
// missing. A later row of a label in use is not an unused joint: elements
// find the first.
TEST(GeometryChecks, MissingAndUnusedJointsAreCountedOnce) {
  ModelTables tables;
  tables.joints.Add({1, 0, 0, 0});
  tables.joints.Add({1, 5, 0, 0});
  tables.joints.Add({2, 1, 0, 0});
  tables.frames.Add({5, 9, 9, 0});
  tables.areas.Add({.label = 6, .joints = {1, 7, 8, 0}});
  const GeometryFindings result = CheckGeometry(tables, ElementNames(), false);
  EXPECT_EQ(result.missingJoints.count, 2);
  EXPECT_EQ(result.missingJoints.first, "框架单元 5 的节点 9");
  EXPECT_EQ(result.zeroLengthFrames.count, 1);
  EXPECT_EQ(result.unusedJoints, 1);
}

}  // namespace
}  // namespace korvel::conv
