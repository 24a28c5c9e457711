#include <gtest/gtest.h>

#include <string>

#include "common/error.h"
#include "conv/core/tables/section_links.h"

#include "conv/core/tables/record_readers.h"

namespace korvel::conv {
namespace {

using Row = FrameSectionRow;

TEST(ReadConcrete, LastRecordStandsInEveryRow) {
  SectionInfo info;
  ReadConcrete(ModelLine("Material=C25   Fc=25   RebarFy=300   X=1"), info);
  ReadConcrete(ModelLine("Material=C30   Fc=30   RebarFy=400   X=1"), info);
  EXPECT_EQ(info.Row(1).fc, 30);
  EXPECT_EQ(info.Row(1).rebarFy, 400);
  EXPECT_EQ(info.Row(10000).fc, 30);
  EXPECT_EQ(info.Row(10000).rebarFy, 400);
}

TEST(ReadConcrete, MissingRebarFyClearsIt) {
  SectionInfo info;
  ReadConcrete(ModelLine("Fc=25   RebarFy=300   X=1"), info);
  ReadConcrete(ModelLine("Fc=30   X=1"), info);
  EXPECT_EQ(info.Row(3).fc, 30);
  EXPECT_EQ(info.Row(3).rebarFy, 0);
}

TEST(ReadConcrete, ValuesWithSuffixesOrNoBlankBehind) {
  SectionInfo info;
  ReadConcrete(ModelLine("Fc=25MPa   RebarFy=4e2 "), info);
  EXPECT_EQ(info.Row(1).fc, 25);
  EXPECT_EQ(info.Row(1).rebarFy, 400);
  ReadConcrete(ModelLine("RebarFy=   Fc=30"), info);
  EXPECT_EQ(info.Row(1).fc, 0) << "a value ending the line is not taken";
  EXPECT_EQ(info.Row(1).rebarFy, 0);
  ReadConcrete(ModelLine("RebarFy=HRB400   Fc=30 "), info);
  EXPECT_EQ(info.Row(1).rebarFy, 0);
  ReadConcrete(ModelLine("RebarFy=335MPa "), info);
  EXPECT_EQ(info.Row(1).rebarFy, 335);
}

TEST(ReadConcrete, RebarFyBeyondADoubleIsQuotedInUtf8) {
  SectionInfo info;
  try {
    ReadConcrete(ModelLine("Fc=30   RebarFy=1e999\xD6\xD0 "), info);
    FAIL() << "no error";
  } catch (const OverflowError& e) {
    EXPECT_EQ(std::string(e.what()), "数值 \"1e999中\" 超出双精度数的范围");
  }
}

TEST(ReadFSectionProp, CrossesT2AndT3IntoColumnsThreeAndFour) {
  SectionNames names;
  SectionInfo info;
  ReadFSectionProp(ModelLine("SectionName=B1   Material=C30   Shape=Rectangular   t3=0.6   t2=0.4   Area=.24"), names,
                   info);
  EXPECT_EQ(info.Row(1), (Row{1, 0, 0, 0.4, 0.6, 0, 0}));
}

TEST(ReadColumnProp, AddsCoverAndBarSizeToTheSameSection) {
  SectionNames names;
  SectionInfo info;
  ReadFSectionProp(ModelLine("SectionName=C1   t3=0.5   t2=0.5   X=1"), names, info);
  ReadColumnProp(ModelLine("SectionName=C1   RebarMatL=HRB400   Cover=0.04   BarSize=25d   X=1"), names, info);
  EXPECT_EQ(info.Row(1), (Row{1, 0, 0, 0.5, 0.5, 0.04, 25}));
  ReadColumnProp(ModelLine("SectionName=C2   Cover=0.03   BarSize=#9   X=1"), names, info);
  EXPECT_EQ(info.Row(2), (Row{2, 0, 0, 0, 0, 0.03, 0}));
}

TEST(ReadFSectionProp, RecordWithoutNameFillsTheRowTheNextNameWillGet) {
  SectionNames names;
  SectionInfo info;
  ReadColumnProp(ModelLine("Cover=0.05   BarSize=20   X=1"), names, info);
  EXPECT_EQ(names.count(), 0);
  ReadFSectionProp(ModelLine("SectionName=B9   t3=0.7   t2=0.3   X=1"), names, info);
  EXPECT_EQ(info.Row(1), (Row{1, 0, 0, 0.3, 0.7, 0.05, 20}));
}

TEST(ReadFSectionProp, SecondRecordRewritesItsColumnsAndKeepsTheNumber) {
  SectionNames names;
  SectionInfo info;
  ReadFSectionProp(ModelLine("SectionName=A   t3=1   t2=2   X=1"), names, info);
  ReadFSectionProp(ModelLine("SectionName=B   t3=3   t2=4   X=1"), names, info);
  ReadFSectionProp(ModelLine("SectionName=A   t3=5   X=1"), names, info);
  EXPECT_EQ(info.Row(1), (Row{1, 0, 0, 0, 5, 0, 0}));
  EXPECT_EQ(names.count(), 2);
}

TEST(ReadAreaProp, RegistersNamesOnceAndSkipsAnEmptyOne) {
  SectionNames names;
  ReadAreaProp(ModelLine("Section=W1   Material=C30   X=1"), names);
  ReadAreaProp(ModelLine("Section=W2   Material=C30   X=1"), names);
  ReadAreaProp(ModelLine("Section=W1   Material=C30   X=1"), names);
  ReadAreaProp(ModelLine("Material=C30   Section=W3"), names);
  EXPECT_EQ(names.count(), 2);
  EXPECT_EQ(names.Name(1), "W1");
  EXPECT_EQ(names.Name(2), "W2");
}

// The modern reading's materials: a bounded number of names, whose values a
// later record still changes.
TEST(ReadConcreteData, KeepsABoundedNumberOfMaterials) {
  SectionLinks links;
  for (std::size_t i = 0; i <= kLinkedNames; ++i) {
    ReadConcreteData(ModelLine("Material=M" + std::to_string(i) + " Fc=1"), links);
  }
  ReadConcreteData(ModelLine("Material=M0 Fc=2"), links);
  EXPECT_EQ(links.fcOf.size(), kLinkedNames);
  EXPECT_EQ(links.fcOf.find("M0")->second, 2);
}

// The modern reading's BarSize: a number in the record wins over the bar that
// BarSizeL= names, in the same record or a later one; a bar alone gives its
// diameter.
TEST(ApplySectionLinks, BarSizeGivenAsANumberWinsOverABarName) {
  ElementNames elementNames;
  const RecordReading modern(Reading::kModern, elementNames);
  SectionNames names;
  SectionInfo info;
  SectionLinks links;
  ReadRebarSize(ModelLine("RebarID=#8   Diameter=0.0254"), links);
  for (const char* record : {"SectionName=C1   BarSizeL=#8   BarSize=0.02", "SectionName=C2   BarSizeL=#8",
                             "SectionName=C3   BarSizeL=#8", "SectionName=C3   BarSize=0.016"}) {
    ReadColumnProp(ModelLine(record), names, info, modern);
    ReadSectionRebar(ModelLine(record), links);
  }
  EXPECT_EQ(ApplySectionLinks(links, names, info).count, 0);
  EXPECT_EQ(info.Row(1).barSize, 0.02);
  EXPECT_EQ(info.Row(2).barSize, 0.0254);
  EXPECT_EQ(info.Row(3).barSize, 0.016);
}

}  // namespace
}  // namespace korvel::conv
