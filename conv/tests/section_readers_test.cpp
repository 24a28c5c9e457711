#include <gtest/gtest.h>

#include "conv/core/readers.h"

namespace korvel::conv {
namespace {

TEST(ReadFrameSection, NumbersTheAnalysisSectionAndKeepsTheLabel) {
  SectionNames names;
  FrameSectionInfo info{};
  ReadFrameSection(ModelLine("Frame=4   SectionType=Rectangular   AutoSelect=N.A.   AnalSect=B300   DesignSect=B300"),
                   names, info);
  EXPECT_EQ(info, (FrameSectionInfo{4, 0, 0, 1}));
  EXPECT_EQ(names.Name(1), "B300");
  FrameSectionInfo again{};
  ReadFrameSection(ModelLine("Frame=5   AnalSect=B300   X=1"), names, again);
  EXPECT_EQ(again[3], 1);
  FrameSectionInfo other{};
  ReadFrameSection(ModelLine("Frame=6   AnalSect=C500   X=1"), names, other);
  EXPECT_EQ(other[3], 2);
}

TEST(ReadFrameSection, NameWithoutValueGivesTheNextNumberWithoutAddingIt) {
  SectionNames names;
  names.FindOrAddSection("B1");
  FrameSectionInfo info{};
  ReadFrameSection(ModelLine("Frame=1   AnalSect=B2"), names, info);
  EXPECT_EQ(info[3], 2);
  EXPECT_EQ(names.count(), 1);
}

TEST(ReadFrameSection, QuotedNamesAreReadWholeAndUnquotedOnesCutAtTheBlank) {
  SectionNames names;
  FrameSectionInfo a{}, b{}, c{};
  ReadFrameSection(ModelLine("Frame=1   AnalSect=\"COL 500X500\"   DesignSect=x"), names, a);
  ReadFrameSection(ModelLine("Frame=2   AnalSect=\"COL 600X600\""), names, b);
  ReadFrameSection(ModelLine("Frame=3   AnalSect=COL 500X500 "), names, c);
  EXPECT_EQ(names.Name(1), "COL 500X500");
  EXPECT_EQ(names.Name(2), "COL 600X600");
  EXPECT_EQ(names.Name(3), "COL");
}

TEST(ReadAreaSection, TakesAreaAnywhereAndTheSectionNumberInElementSix) {
  SectionNames names;
  AreaSectionInfo info{};
  ReadAreaSection(ModelLine("Section=W200   Area=12   MatProp=Default"), names, info);
  EXPECT_EQ(info, (AreaSectionInfo{12, 0, 0, 0, 0, 0, 1}));
}

TEST(ReadAreaSection, NamesDifferingInCaseAreTwoSections) {
  SectionNames names;
  AreaSectionInfo a{}, b{};
  ReadAreaSection(ModelLine("Area=1   Section=W1   X=1"), names, a);
  ReadAreaSection(ModelLine("Area=2   Section=w1   X=1"), names, b);
  EXPECT_EQ(a[6], 1);
  EXPECT_EQ(b[6], 2);
}

TEST(ReadAreaSection, FullTableLeavesTheSectionAtZero) {
  SectionNames names(1);
  AreaSectionInfo a{}, b{};
  ReadAreaSection(ModelLine("Area=1   Section=W1   X=1"), names, a);
  ReadAreaSection(ModelLine("Area=2   Section=W2   X=1"), names, b);
  EXPECT_EQ(b, (AreaSectionInfo{2, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(names.DroppedCount(), 1);
}

}  // namespace
}  // namespace korvel::conv
