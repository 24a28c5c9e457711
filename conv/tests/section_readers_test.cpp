#include <gtest/gtest.h>

#include "conv/core/tables/record_readers.h"

namespace korvel::conv {
namespace {

TEST(ReadFrameSection, NumbersTheAnalysisSectionAndKeepsTheLabel) {
  SectionNames names;
  SectionAssignment info;
  ReadFrameSection(ModelLine("Frame=4   SectionType=Rectangular   AutoSelect=N.A.   AnalSect=B300   DesignSect=B300"),
                   names, info);
  EXPECT_EQ(info.label, 4);
  EXPECT_EQ(info.section, 1);
  EXPECT_EQ(names.Name(1), "B300");
  SectionAssignment again;
  ReadFrameSection(ModelLine("Frame=5   AnalSect=B300   X=1"), names, again);
  EXPECT_EQ(again.section, 1);
  SectionAssignment other;
  ReadFrameSection(ModelLine("Frame=6   AnalSect=C500   X=1"), names, other);
  EXPECT_EQ(other.section, 2);
}

TEST(ReadFrameSection, NameWithoutValueGivesTheNextNumberWithoutAddingIt) {
  SectionNames names;
  names.FindOrAddSection("B1");
  SectionAssignment info;
  ReadFrameSection(ModelLine("Frame=1   AnalSect=B2"), names, info);
  EXPECT_EQ(info.section, 2);
  EXPECT_EQ(names.count(), 1);
}

TEST(ReadFrameSection, QuotedNamesAreReadWholeAndUnquotedOnesCutAtTheBlank) {
  SectionNames names;
  SectionAssignment a, b, c;
  ReadFrameSection(ModelLine("Frame=1   AnalSect=\"COL 500X500\"   DesignSect=x"), names, a);
  ReadFrameSection(ModelLine("Frame=2   AnalSect=\"COL 600X600\""), names, b);
  ReadFrameSection(ModelLine("Frame=3   AnalSect=COL 500X500 "), names, c);
  EXPECT_EQ(names.Name(1), "COL 500X500");
  EXPECT_EQ(names.Name(2), "COL 600X600");
  EXPECT_EQ(names.Name(3), "COL");
}

TEST(ReadAreaSection, TakesAreaAnywhereAndTheSectionNumberInElementSix) {
  SectionNames names;
  SectionAssignment info;
  ReadAreaSection(ModelLine("Section=W200   Area=12   MatProp=Default"), names, info);
  EXPECT_EQ(info.label, 12);
  EXPECT_EQ(info.section, 1);
}

TEST(ReadAreaSection, NamesDifferingInCaseAreTwoSections) {
  SectionNames names;
  SectionAssignment a, b;
  ReadAreaSection(ModelLine("Area=1   Section=W1   X=1"), names, a);
  ReadAreaSection(ModelLine("Area=2   Section=w1   X=1"), names, b);
  EXPECT_EQ(a.section, 1);
  EXPECT_EQ(b.section, 2);
}

TEST(ReadAreaSection, FullTableLeavesTheSectionAtZero) {
  SectionNames names(1);
  SectionAssignment a, b;
  ReadAreaSection(ModelLine("Area=1   Section=W1   X=1"), names, a);
  ReadAreaSection(ModelLine("Area=2   Section=W2   X=1"), names, b);
  EXPECT_EQ(b.label, 2);
  EXPECT_EQ(b.section, 0);
  EXPECT_EQ(names.DroppedCount(), 1);
}

}  // namespace
}  // namespace korvel::conv
