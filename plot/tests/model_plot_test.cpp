#include "plot/core/model_plot.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "plot/core/model_source.h"

namespace korvel::plot {
namespace {

int Count(const std::string& text, const std::string& what) {
  int n = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

// Four joints on a 4 x 3 plan at z 0 and one above; a column with a section,
// a beam without one, a triangle wall, and a wall naming a joint not there.
conv::ModelFile SmallModel() {
  conv::ModelFile model;
  model.joints = {{1, 0, 0, 0}, {2, 4, 0, 0}, {3, 4, 3, 0}, {4, 0, 0, 3}};
  model.frames = {{10, 1, 4, 1}, {11, 4, 3, 0}};
  model.areas = {{.label = 20, .joints = {1, 2, 3, 0}, .section = 1},
                 {.label = 21, .joints = {1, 2, 3, 99}, .section = 1}};
  model.frameSections = {{"C500X500", {1, 0, 0, .5, .5, .04, 25}}};
  model.areaSections = {"\xC7\xBD\xB0\xE5"};  // 墙板 in code page 936
  return model;
}

TEST(ModelPlot, DrawsEachElementInEachOfTheFourViews) {
  const std::string svg = ModelSvg(SmallModel(), "out.txt");
  EXPECT_EQ(Count(svg, "<line x1=\"") - Count(svg, "<line x1=\"1180"), 8) << "two frames, four views";
  EXPECT_EQ(Count(svg, "class=\"frame s1\""), 4);
  EXPECT_EQ(Count(svg, "class=\"frame warning\""), 4) << "the beam without a section";
  EXPECT_EQ(Count(svg, "<polygon "), 8);
  EXPECT_EQ(Count(svg, "class=\"wall s1\""), 4);
  EXPECT_EQ(Count(svg, "class=\"wall warning\""), 4) << "the wall with joint 99 missing";
  EXPECT_EQ(Count(svg, "class=\"joints\""), 4);
  EXPECT_EQ(Count(svg, "h0"), 16) << "four joints, four views";
  EXPECT_NE(svg.find(".frame.s1{stroke:#1f77b4}"), std::string::npos);
  EXPECT_NE(svg.find(".wall.warning{fill:#e60000;stroke:#e60000}"), std::string::npos);
}

TEST(ModelPlot, TitleCountsAndLegendNamesTheSectionsInUtf8) {
  const std::string svg = ModelSvg(SmallModel(), "out.txt");
  EXPECT_NE(svg.find("模型 out.txt：4 个节点，2 个框架单元，2 个面单元"), std::string::npos);
  EXPECT_NE(ModelSvg(SmallModel(), "\xBF\xF2\xBC\xDC.txt").find("模型 框架.txt："), std::string::npos)
      << "a name in code page 936";
  EXPECT_NE(svg.find("1 C500X500（1）"), std::string::npos);
  EXPECT_NE(svg.find("1 墙板（2）"), std::string::npos);
  EXPECT_NE(svg.find("1 个单元没有截面（截面号为 0）"), std::string::npos);
  EXPECT_NE(svg.find("1 个单元的节点不在节点表中"), std::string::npos);
  EXPECT_EQ(svg.find("超出截面表"), std::string::npos);
}

// Areas that carry section 1 while the list of area sections is empty have a
// section number, one the list does not reach.
TEST(ModelPlot, SectionNumberBeyondTheListIsToldApartFromNone) {
  conv::ModelFile model = SmallModel();
  model.areaSections.clear();
  const std::string svg = ModelSvg(model, "out.txt");
  EXPECT_NE(svg.find("2 个单元的截面号超出截面表"), std::string::npos);
  EXPECT_NE(svg.find("1 个单元没有截面（截面号为 0）"), std::string::npos) << "the beam alone";
}

// The plan view: x across, y up; the joints span 4 x 3, scaled to fill
// 440 - 24 - 60 = 356 pixels over 4 units (89 per unit), centred on (880, 292).
TEST(ModelPlot, PlanPlacesAFrameEndWhereItsJointIs) {
  const std::string svg = ModelSvg(SmallModel(), "out.txt");
  // Frame 11 runs from joint 4 (0, 0) to joint 3 (4, 3): (702, 425.5) to (1058, 158.5).
  EXPECT_NE(svg.find("<line x1=\"702.0\" y1=\"425.5\" x2=\"1058.0\" y2=\"158.5\" class=\"frame warning\""),
            std::string::npos);
}

// The plan of joints at the ends of the double range spans the panel as one
// of ordinary size does.
TEST(ModelPlot, JointsAtTheEndsOfTheRangeAreDrawnApart) {
  conv::ModelFile model;
  model.joints = {{1, -1.7e308, -1.7e308, 0}, {2, 1.7e308, 1.7e308, 0}, {3, 0, 0, 0}};
  const std::string svg = ModelSvg(model, "out.txt");
  EXPECT_NE(svg.find("<path d=\"M702.0 470.0h0M1058.0 114.0h0M880.0 292.0h0\" class=\"joints\"/>"), std::string::npos)
      << svg;
}

// A frame section whose properties give no shape is not taken for one of
// another shape than a rectangle.
TEST(ModelPlot, FrameSectionOfNoKnownShapeIsNotMarkedAsNotRectangular) {
  const auto [model, extras] = ReadModelForPicture(
      "TABLE:  \"FRAME SECTION PROPERTIES 01 - GENERAL\"\r\n   SectionName=C1   t3=0.5   t2=0.5 \r\n \r\n"
      "TABLE:  \"JOINT COORDINATES\"\r\n   Joint=1   GlobalX=0   GlobalY=0   GlobalZ=0 \r\n"
      "   Joint=2   GlobalX=0   GlobalY=0   GlobalZ=3 \r\n \r\n"
      "TABLE:  \"CONNECTIVITY - FRAME\"\r\n   Frame=1   JointI=1   JointJ=2 \r\n \r\n"
      "TABLE:  \"FRAME SECTION ASSIGNMENTS\"\r\n   Frame=1   AnalSect=C1 \r\n",
      "m.s2k");
  EXPECT_EQ(Count(ModelSvg(model, "m.s2k", &extras), "class=\"frame s1\""), 4);
}

TEST(ModelPlot, EmptyModelIsAnEmptySheet) {
  const std::string svg = ModelSvg(conv::ModelFile{}, "out.txt");
  EXPECT_NE(svg.find("0 个节点，0 个框架单元，0 个面单元"), std::string::npos);
  EXPECT_EQ(Count(svg, "class=\"frame"), 0);
}

}  // namespace
}  // namespace korvel::plot
