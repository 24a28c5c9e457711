#include <gtest/gtest.h>

#include "common/error.h"
#include "conv/core/readers.h"

namespace korvel::conv {
namespace {

JointInfo Joint(std::string_view line) {
  JointInfo info{};
  ReadJoint(ModelLine(line), info);
  return info;
}

AreaInfo Area(std::string_view line) {
  AreaInfo info{};
  ReadAreaCon(ModelLine(line), info);
  return info;
}

TEST(ReadJoint, TakesLabelAndGlobalCoordinatesWithZLastOnTheLine) {
  EXPECT_EQ(Joint("Joint=7   CoordSys=GLOBAL   GlobalX=1.5   GlobalY=-2   GlobalZ=3"), (JointInfo{7, 1.5, -2, 3}));
}

TEST(ReadJoint, OnlyGlobalZMayEndTheLine) {
  EXPECT_EQ(Joint("Joint=7   GlobalX=1.5"), (JointInfo{7, 0, 0, 0}));
  EXPECT_EQ(Joint("GlobalX=1.5 Joint=7"), (JointInfo{0, 1.5, 0, 0}));
}

TEST(ReadJoint, LabelsReadAsTheirLeadingNumber) {
  EXPECT_EQ(Joint("Joint=12A ")[0], 12);
  EXPECT_EQ(Joint("Joint=B3 ")[0], 0);
}

TEST(ReadJoint, LocalCoordinatesAreNotRead) {
  EXPECT_EQ(Joint("Joint=1   CoordSys=GLOBAL   CoordType=Cartesian   XorR=5   Y=6   Z=7   SpecialJt=No"),
            (JointInfo{1, 0, 0, 0}));
}

TEST(ReadFrameCon, TakesLabelAndBothJoints) {
  FrameInfo info{};
  ReadFrameCon(ModelLine("Frame=3   JointI=1   JointJ=2   IsCurved=No"), info);
  EXPECT_EQ(info, (FrameInfo{3, 1, 2}));
  FrameInfo last{};
  ReadFrameCon(ModelLine("Frame=3   JointI=1   JointJ=2"), last);
  EXPECT_EQ(last, (FrameInfo{3, 1, 0}));
}

TEST(ReadAreaCon, ThreeJointAreaWithThicknessFromVolumeAndSurface) {
  EXPECT_EQ(Area("Area=5   NumJoints=3   Joint1=1   Joint2=2   Joint3=3   AreaArea=2   Volume=0.5   X=1"),
            (AreaInfo{5, 1, 2, 3, 0, 0.25}));
}

TEST(ReadAreaCon, LabelOnlyAsTheFirstItem) {
  EXPECT_EQ(Area("NumJoints=4   Area=5   AreaArea=2   Volume=1 ")[0], 0);
  EXPECT_EQ(Area("Area=9   AreaArea=2   Joint4=8 "), (AreaInfo{9, 0, 0, 0, 8, 0}));
}

TEST(ReadAreaCon, ThicknessUsesOnlyTheSurfaceReadBeforeTheVolume) {
  EXPECT_EQ(Area("Area=1   Volume=6   AreaArea=2 ")[5], 0);
  EXPECT_EQ(Area("Area=1   AreaArea=4   Volume=6   AreaArea=2 ")[5], 1.5);
  EXPECT_EQ(Area("Area=1   AreaArea=0   Volume=6 ")[5], 0);
}

TEST(ReadAreaCon, ThicknessBeyondTheDoubleRangeIsAnOverflow) {
  EXPECT_THROW(Area("Area=1   AreaArea=1e-300   Volume=1e300 "), OverflowError);
}

}  // namespace
}  // namespace korvel::conv
