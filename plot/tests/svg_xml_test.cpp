// Both pictures are well-formed XML whose root is an SVG 1.1 element, read
// with an XML parser that knows nothing of how they were written.

#include <gtest/gtest.h>
#include <QXmlStreamReader>

#include "common/tests/temp_folder.h"
#include "plot/core/model_plot.h"
#include "plot/core/section_plot.h"
#include "pre/core/matcode_reader.h"

namespace korvel::plot {
namespace {

using test_support::TempFolder;

// The number of elements, or -1 with the parser's complaint.
int Elements(const std::string& svg, std::string& problem) {
  QXmlStreamReader xml(QByteArray::fromStdString(svg));
  int elements = 0;
  while (!xml.atEnd()) {
    if (xml.readNext() == QXmlStreamReader::StartElement) {
      if (elements++ == 0 && (xml.name() != u"svg" || xml.attributes().value("version") != u"1.1")) {
        problem = "root is not svg 1.1";
        return -1;
      }
    }
  }
  if (xml.hasError()) {
    problem = xml.errorString().toStdString() + " at line " + std::to_string(xml.lineNumber());
    return -1;
  }
  return elements;
}

TEST(SvgXml, SectionPictureIsWellFormed) {
  const auto section =
      pre::ReadMatcodeFile(TempFolder::ReadFile(KORVEL_SOURCE_DIR "/pre/tests/golden/worked-example.matcode0.txt"));
  std::string problem;
  EXPECT_GT(Elements(SectionSvg(section, "a&b <matcode0.txt>"), problem), 40) << problem;
}

// Coordinates far beyond the sheet (a huge bar, a tiny section) and names
// that are no UTF-8.
TEST(SvgXml, SectionPictureOfExtremeValuesIsWellFormed) {
  auto section =
      pre::ReadMatcodeFile(TempFolder::ReadFile(KORVEL_SOURCE_DIR "/pre/tests/golden/worked-example.matcode0.txt"));
  section.Bars[0].As = 1e100;
  std::string problem;
  EXPECT_GT(Elements(SectionSvg(section, "\xBF\xF2\xBC\xDC.txt"), problem), 40) << problem;
  section.LengthX = section.LengthY = 1e-30;
  EXPECT_GT(Elements(SectionSvg(section, "\xFF.txt"), problem), 40) << problem;
}

TEST(SvgXml, ModelPictureWithAwkwardNamesIsWellFormed) {
  conv::ModelFile model;
  model.joints = {{1, 0, 0, 0}, {2, 1, 0, 0}};
  model.frames = {{1, 1, 2, 1}};
  model.frameSections = {{"A&B <\"C\">", {1, 0, 0, 0, 0, 0, 0}}, {"\xC7\xBD\xB0\xE5", {}}, {"\xFF\xFF", {}}};
  std::string problem;
  EXPECT_GT(Elements(ModelSvg(model, "out.txt"), problem), 10) << problem;
}

}  // namespace
}  // namespace korvel::plot
