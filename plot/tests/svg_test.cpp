#include "plot/core/svg.h"

#include <gtest/gtest.h>

#include <limits>

namespace korvel::plot {
namespace {

TEST(Svg, EscapesTextForXml) {
  EXPECT_EQ(EscapeXml("B&W <\"PL 16\"> 'a'"), "B&amp;W &lt;&quot;PL 16&quot;&gt; &apos;a&apos;");
  EXPECT_EQ(EscapeXml("a\x01"
                      "b"),
            "a?b")
      << "control characters are not XML";
  EXPECT_EQ(EscapeXml("墙板"), "墙板");
  EXPECT_EQ(EscapeXml("\xBF\xF2\xBC\xDC.txt"), "????.txt") << "code page 936 bytes are no UTF-8";
  EXPECT_EQ(EscapeXml("\xED\xA0\x80|\xEF\xBF\xBF|\xC3"), "???|???|?") << "a surrogate, U+FFFF, a cut character";
}

TEST(Svg, WritesTenthsAndNothingThatIsNotANumber) {
  Svg svg(10, 10);
  svg.Circle(1.04, -2.5, std::numeric_limits<double>::infinity(), "class=\"c\"");
  svg.Dots({{1, 2}, {3.25, 4}}, "class=\"d\"");
  svg.Circle(-1e100, 1e31, 1e308, "class=\"far\"");
  const std::string text = svg.Finish();
  EXPECT_NE(text.find("<circle cx=\"1.0\" cy=\"-2.5\" r=\"0.0\" class=\"c\"/>"), std::string::npos) << text;
  EXPECT_NE(text.find("<circle cx=\"-1000000000.0\" cy=\"1000000000.0\" r=\"1000000000.0\" class=\"far\"/>"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("<path d=\"M1.0 2.0h0M3.2 4.0h0\" class=\"d\"/>"), std::string::npos) << text;
  EXPECT_TRUE(text.starts_with("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg "));
  EXPECT_TRUE(text.ends_with("</svg>\n"));
}

}  // namespace
}  // namespace korvel::plot
