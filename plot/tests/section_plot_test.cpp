#include "plot/core/section_plot.h"

#include <gtest/gtest.h>

#include "common/tests/temp_folder.h"
#include "pre/core/fiber_generator.h"
#include "pre/core/matcode_reader.h"

namespace korvel::plot {
namespace {

using test_support::TempFolder;

int Count(const std::string& text, const std::string& what) {
  int n = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

const pre::FiberSection kWorked =
    pre::ReadMatcodeFile(TempFolder::ReadFile(KORVEL_SOURCE_DIR "/pre/tests/golden/worked-example.matcode0.txt"));

TEST(SectionPlot, DrawsEveryFiberByItsConcreteAndEveryBar) {
  const std::string svg = SectionSvg(kWorked, "matcode0.txt");
  EXPECT_EQ(Count(svg, "class=\"fiber "), 36);
  EXPECT_EQ(Count(svg, "class=\"fiber set1\""), 20) << "the outer ring";
  EXPECT_EQ(Count(svg, "class=\"fiber set2\""), 16) << "the interior";
  EXPECT_EQ(Count(svg, "class=\"bar\""), 4);
  EXPECT_EQ(Count(svg, "class=\"axis\""), 2);
  EXPECT_NE(svg.find("LengthX = 400"), std::string::npos);
  EXPECT_NE(svg.find("LengthY = 600"), std::string::npos);
  // KORVEL_PRE gives the ring the core concrete's values.
  EXPECT_NE(svg.find("外圈 20 根纤维，取核心区混凝土的数值"), std::string::npos);
  EXPECT_NE(svg.find("内部 16 根纤维，取保护层混凝土的数值"), std::string::npos);
  EXPECT_NE(svg.find("fy=335  Es=195000  As=201.06"), std::string::npos) << "bar 4 read back";
}

// 600 is the larger side and takes 480 pixels: 0.8 per unit, the centre at
// (310, 330). The bottom-left fiber spans x -200..-160, y -300..-260; the
// interior one right above the centre x 0..80, y 0..130.
TEST(SectionPlot, PlacesFibersAndBarsToScale) {
  const std::string svg = SectionSvg(kWorked, "matcode0.txt");
  EXPECT_NE(svg.find("<rect x=\"150.0\" y=\"538.0\" width=\"32.0\" height=\"32.0\" class=\"fiber set1\""),
            std::string::npos);
  EXPECT_NE(svg.find("<rect x=\"310.0\" y=\"226.0\" width=\"64.0\" height=\"104.0\" class=\"fiber set2\""),
            std::string::npos);
  // Bar 4 at (160, 260) with As 201.06: radius sqrt(201.06/pi) = 8 units.
  EXPECT_NE(svg.find("<circle cx=\"438.0\" cy=\"122.0\" r=\"6.4\" class=\"bar\""), std::string::npos);
}

TEST(SectionPlot, OneConcreteEverywhereIsOneSet) {
  pre::SectionInput input;
  input.LengthX = input.LengthY = 500;
  input.Cover = 50;
  input.CoreConcrete = input.CoverConcrete = {30, .002, 6, .0035, 30000};
  const std::string svg = SectionSvg(pre::BuildFiberSection(input), "x");
  EXPECT_EQ(Count(svg, "class=\"fiber set1\""), 36);
  EXPECT_NE(svg.find("外圈和内部共 36 根纤维，核心区与保护层混凝土的数值相同"), std::string::npos);
}

TEST(SectionPlot, AllZeroSectionStillDraws) {
  const std::string svg = SectionSvg(pre::BuildFiberSection(pre::SectionInput{}), "x");
  EXPECT_EQ(Count(svg, "class=\"fiber "), 36);
  EXPECT_TRUE(svg.ends_with("</svg>\n"));
}

}  // namespace
}  // namespace korvel::plot
