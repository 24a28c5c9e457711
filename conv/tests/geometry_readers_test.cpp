#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>

#include "common/error.h"
#include "conv/core/tables/record_readers.h"

namespace korvel::conv {
namespace {

Joint JointOf(std::string_view line) {
  Joint joint;
  ReadJoint(ModelLine(line), joint);
  return joint;
}

Joint ModernJointOf(std::string_view line, RecordNotes* notes = nullptr) {
  Joint joint;
  ElementNames names;
  const RecordNotes got = ReadModernJoint(ModelLine(line), joint, names);
  if (notes) *notes = got;
  return joint;
}

Area AreaOf(std::string_view line) {
  Area area;
  ReadAreaCon(ModelLine(line), area);
  return area;
}

TEST(ReadJoint, TakesLabelAndGlobalCoordinatesWithZLastOnTheLine) {
  EXPECT_EQ(JointOf("Joint=7   CoordSys=GLOBAL   GlobalX=1.5   GlobalY=-2   GlobalZ=3"), (Joint{7, 1.5, -2, 3}));
}

TEST(ReadJoint, OnlyGlobalZMayEndTheLine) {
  EXPECT_EQ(JointOf("Joint=7   GlobalX=1.5"), (Joint{7, 0, 0, 0}));
  EXPECT_EQ(JointOf("GlobalX=1.5 Joint=7"), (Joint{0, 1.5, 0, 0}));
}

TEST(ReadJoint, LabelsReadAsTheirLeadingNumber) {
  EXPECT_EQ(JointOf("Joint=12A ").label, 12);
  EXPECT_EQ(JointOf("Joint=B3 ").label, 0);
}

TEST(ReadJoint, LocalCoordinatesAreNotRead) {
  EXPECT_EQ(JointOf("Joint=1   CoordSys=GLOBAL   CoordType=Cartesian   XorR=5   Y=6   Z=7   SpecialJt=No"),
            (Joint{1, 0, 0, 0}));
}

TEST(ReadJoint, NotesLabelsThatAreNotNumbersAndMissingCoordinates) {
  Joint joint;
  RecordNotes notes = ReadJoint(ModelLine("Joint=~12   GlobalX=1   GlobalY=2   GlobalZ=3"), joint);
  EXPECT_EQ(notes.nonNumericLabel, "~12");
  EXPECT_FALSE(notes.coordinatesMissing);
  for (const char* line : {"Joint=12   XorR=1   Y=2   Z=3", "Joint=12   GlobalY=2   GlobalZ=3",
                           "Joint=12   GlobalX=1   GlobalZ=3", "Joint=12   GlobalX=1   GlobalY=2 "}) {
    notes = ReadJoint(ModelLine(line), joint);
    EXPECT_EQ(notes.nonNumericLabel, "");
    EXPECT_TRUE(notes.coordinatesMissing) << line;
  }
}

TEST(ReadModernJoint, PrefersGlobalCoordinatesAndTakesWholeKeysOnly) {
  EXPECT_EQ(ModernJointOf("Joint=3   CoordSys=CSYS1   XorR=9   Y=9   Z=9   GlobalX=1   GlobalY=2   GlobalZ=3"),
            (Joint{3, 1, 2, 3}));
  EXPECT_EQ(ModernJointOf("Joint=3   GlobalY=2   GlobalX=1   GlobalZ=3   Y=8"), (Joint{3, 1, 2, 3}))
      << "Y= is not the tail of GlobalY=";
}

TEST(ReadModernJoint, LocalCartesianCoordinatesOfTheGlobalSystem) {
  EXPECT_EQ(ModernJointOf("Joint=1   CoordSys=GLOBAL   CoordType=Cartesian   XorR=-750   Y=-500   Z=300"),
            (Joint{1, -750, -500, 300}));
  EXPECT_EQ(ModernJointOf("Joint=2   XorR=1.5   Y=2   Z=3   SpecialJt=No"), (Joint{2, 1.5, 2, 3}))
      << "no system and type given: GLOBAL and Cartesian";
}

// Quarter turns, forwards and backwards, give exact places (out.txt shows
// 0, not 8.6E-17).
TEST(ReadModernJoint, CylindricalJointOfTheGlobalSystemIsPlaced) {
  const std::pair<const char*, Joint> quarters[] = {{"90", {1, 0, 1.4, 2}},    {"-90", {1, 0, -1.4, 2}},
                                                    {"-180", {1, -1.4, 0, 2}}, {"-270", {1, 0, 1.4, 2}},
                                                    {"-360", {1, 1.4, 0, 2}},  {"-630", {1, 0, 1.4, 2}}};
  for (const auto& [angle, joint] : quarters) {
    EXPECT_EQ(ModernJointOf(std::string("Joint=1   CoordSys=GLOBAL   CoordType=Cylindrical   XorR=1.4   T=") + angle +
                            "   Z=2"),
              joint)
        << angle;
  }
  const Joint turned = ModernJointOf("Joint=2   CoordSys=GLOBAL   CoordType=Cylindrical   XorR=2   T=-60   Z=0");
  EXPECT_DOUBLE_EQ(turned.x, 1);
  EXPECT_DOUBLE_EQ(turned.y, -std::sqrt(3.0));
}

TEST(ReadModernJoint, JointOfAnotherSystemWithoutGlobalCoordinatesIsNoted) {
  RecordNotes notes;
  EXPECT_EQ(ModernJointOf("Joint=4   CoordSys=CSYS1   CoordType=Cartesian   XorR=1   Y=2   Z=3", &notes),
            (Joint{4, 0, 0, 0}));
  EXPECT_TRUE(notes.coordinatesMissing);
  ModernJointOf("Joint=5   CoordSys=GLOBAL   XorR=1   Z=3", &notes);
  EXPECT_TRUE(notes.coordinatesMissing) << "Y= missing";
  ModernJointOf("Joint=5   XorR=1   Y=0   Z=3", &notes);
  EXPECT_FALSE(notes.coordinatesMissing);
}

TEST(ReadFrameCon, TakesLabelAndBothJoints) {
  Frame frame;
  ReadFrameCon(ModelLine("Frame=3   JointI=1   JointJ=2   IsCurved=No"), frame);
  EXPECT_EQ(frame, (Frame{3, 1, 2, 0}));
  Frame last;
  ReadFrameCon(ModelLine("Frame=3   JointI=1   JointJ=2"), last);
  EXPECT_EQ(last, (Frame{3, 1, 0, 0}));
}

// Names get marks while the file is read and numbers above the largest
// numeric label of their kind once it is read.
TEST(ReadFrameCon, ModernReadingTakesTheLastValueAndNumbersNames) {
  ElementNames names;
  const RecordReading modern(Reading::kModern, names);
  Frame named, numbered;
  const RecordNotes notes = ReadFrameCon(ModelLine("Frame=Col10   JointI=N5   JointJ=7"), named, modern);
  EXPECT_EQ(notes.nonNumericLabel, "Col10");
  ReadFrameCon(ModelLine("Frame=12   JointI=-3   JointJ=N5"), numbered, modern);
  EXPECT_EQ(numbered.jointI, -3);
  EXPECT_EQ(names.Final(ElementKind::kFrame, named.label), 13);
  EXPECT_EQ(names.Final(ElementKind::kJoint, named.jointI), 8);
  EXPECT_EQ(names.Final(ElementKind::kJoint, numbered.jointJ), 8) << "the same name, the same number";
  EXPECT_EQ(names.Final(ElementKind::kJoint, named.jointJ), 7);
  Frame unnamed;
  ReadFrameCon(ModelLine("Frame=   JointI=1"), unnamed, modern);
  EXPECT_EQ(unnamed.label, 0) << "an empty value is no name";
  for (const char* label : {"~12", "12A", "B3", "07", "1,5", "1.5", "12.0", "-", "1000000000000000"}) {
    EXPECT_FALSE(ElementNames::IsNumber(label)) << label;
  }
  for (const char* label : {"12", "-3", "0", "999999999999999"}) EXPECT_TRUE(ElementNames::IsNumber(label)) << label;
}

TEST(ReadAreaCon, ThreeJointAreaWithThicknessFromVolumeAndSurface) {
  EXPECT_EQ(AreaOf("Area=5   NumJoints=3   Joint1=1   Joint2=2   Joint3=3   AreaArea=2   Volume=0.5   X=1"),
            (Area{5, {1, 2, 3, 0}, 0.25, 0}));
}

TEST(ReadAreaCon, LabelOnlyAsTheFirstItem) {
  EXPECT_EQ(AreaOf("NumJoints=4   Area=5   AreaArea=2   Volume=1 ").label, 0);
  EXPECT_EQ(AreaOf("Area=9   AreaArea=2   Joint4=8 "), (Area{9, {0, 0, 0, 8}, 0, 0}));
}

TEST(ReadAreaCon, ThicknessUsesOnlyTheSurfaceReadBeforeTheVolume) {
  EXPECT_EQ(AreaOf("Area=1   Volume=6   AreaArea=2 ").thickness, 0);
  EXPECT_EQ(AreaOf("Area=1   AreaArea=4   Volume=6   AreaArea=2 ").thickness, 1.5);
  EXPECT_EQ(AreaOf("Area=1   AreaArea=0   Volume=6 ").thickness, 0);
}

TEST(ReadAreaCon, ThicknessBeyondTheDoubleRangeIsAnOverflow) {
  EXPECT_THROW(AreaOf("Area=1   AreaArea=1e-300   Volume=1e300 "), OverflowError);
}

}  // namespace
}  // namespace korvel::conv
