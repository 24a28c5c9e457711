#pragma once
// A small SVG 1.1 writer: the few elements the pictures use, coordinates to a
// tenth, text escaped for XML. Everything is appended to one string.

#include <string>
#include <string_view>
#include <vector>

namespace korvel::plot {

struct Point {
  double x = 0, y = 0;
};

class Svg {
 public:
  // `expectedBytes` sizes the document's buffer at once.
  Svg(double width, double height, std::size_t expectedBytes = 0);

  // Attributes are given as written (fill="#123456" stroke-width="2").
  void Rect(double x, double y, double width, double height, std::string_view attributes);
  void Circle(double x, double y, double radius, std::string_view attributes);
  void Line(Point from, Point to, std::string_view attributes);
  void Polygon(const Point* points, int count, std::string_view attributes);
  // `text` is UTF-8; it is escaped.
  void Text(double x, double y, std::string_view text, std::string_view attributes = {});
  // Many points as round dots of one path: a tenth of the text of circles.
  void Dots(const std::vector<Point>& points, std::string_view attributes);
  // A style sheet for the classes of the elements, so each element need not
  // repeat its colours.
  void Style(std::string_view css);
  void BeginGroup(std::string_view attributes);
  void EndGroup();

  // The finished document.
  std::string Finish();

 private:
  void Number(double value);
  void Coordinate(std::string_view name, double value);

  std::string out_;
};

// A coordinate as the pictures write it: a value that is not finite (a
// degenerate scale) at 0, one beyond a billion pixels (far off the sheet)
// held there.
double Drawable(double value);

// Text made safe inside an XML element or attribute: markup escaped, control
// characters and bytes that are no UTF-8 character shown as "?".
std::string EscapeXml(std::string_view text);

}  // namespace korvel::plot
