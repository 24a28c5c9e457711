#include "plot/core/svg.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "common/codepage.h"

namespace korvel::plot {

Svg::Svg(double width, double height, std::size_t expectedBytes) {
  out_.reserve(expectedBytes);
  out_ += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\"";
  Coordinate("width", width);
  Coordinate("height", height);
  out_ += " font-family=\"SimSun, 'WenQuanYi Zen Hei', 'Noto Sans CJK SC', sans-serif\" font-size=\"13\">\n";
  Rect(0, 0, width, height, "fill=\"white\"");
}

double Drawable(double value) {
  constexpr double kFarOff = 1e9;
  return std::isfinite(value) ? std::clamp(value, -kFarOff, kFarOff) : 0;
}

void Svg::Number(double value) {
  // A tenth of a pixel is finer than the eye.
  value = Drawable(value);
  char digits[32];
  const auto end = std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, 1).ptr;
  out_.append(digits, end);
}

void Svg::Coordinate(std::string_view name, double value) {
  out_ += ' ';
  out_ += name;
  out_ += "=\"";
  Number(value);
  out_ += '"';
}

void Svg::Rect(double x, double y, double width, double height, std::string_view attributes) {
  out_ += "<rect";
  Coordinate("x", x);
  Coordinate("y", y);
  Coordinate("width", width);
  Coordinate("height", height);
  (out_ += ' ') += attributes;
  out_ += "/>\n";
}

void Svg::Circle(double x, double y, double radius, std::string_view attributes) {
  out_ += "<circle";
  Coordinate("cx", x);
  Coordinate("cy", y);
  Coordinate("r", radius);
  (out_ += ' ') += attributes;
  out_ += "/>\n";
}

void Svg::Line(Point from, Point to, std::string_view attributes) {
  out_ += "<line";
  Coordinate("x1", from.x);
  Coordinate("y1", from.y);
  Coordinate("x2", to.x);
  Coordinate("y2", to.y);
  (out_ += ' ') += attributes;
  out_ += "/>\n";
}

void Svg::Polygon(const Point* points, int count, std::string_view attributes) {
  out_ += "<polygon points=\"";
  for (int i = 0; i < count; ++i) {
    if (i > 0) out_ += ' ';
    Number(points[i].x);
    out_ += ',';
    Number(points[i].y);
  }
  out_ += "\" ";
  out_ += attributes;
  out_ += "/>\n";
}

void Svg::Text(double x, double y, std::string_view text, std::string_view attributes) {
  out_ += "<text";
  Coordinate("x", x);
  Coordinate("y", y);
  if (!attributes.empty()) (out_ += ' ') += attributes;
  out_ += '>';
  out_ += EscapeXml(text);
  out_ += "</text>\n";
}

void Svg::Style(std::string_view css) {
  out_ += "<style type=\"text/css\"><![CDATA[\n";
  out_ += css;
  out_ += "]]></style>\n";
}

void Svg::Dots(const std::vector<Point>& points, std::string_view attributes) {
  out_ += "<path d=\"";
  for (const Point& p : points) {
    out_ += 'M';
    Number(p.x);
    out_ += ' ';
    Number(p.y);
    out_ += "h0";
  }
  out_ += "\" ";
  out_ += attributes;
  out_ += "/>\n";
}

void Svg::BeginGroup(std::string_view attributes) {
  out_ += "<g ";
  out_ += attributes;
  out_ += ">\n";
}

void Svg::EndGroup() { out_ += "</g>\n"; }

std::string Svg::Finish() {
  out_ += "</svg>\n";
  return std::move(out_);
}

std::string EscapeXml(std::string_view text) {
  std::string escaped;
  escaped.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (static_cast<unsigned char>(c) >= 0x80) {
      // Only well-formed UTF-8 of characters that XML allows (not U+FFFE or
      // U+FFFF) is kept; any other byte is shown as "?".
      const std::size_t length = Utf8CharacterLength(text, i);
      const std::string_view character = text.substr(i, length);
      if (length == 0 || character == "\xEF\xBF\xBE" || character == "\xEF\xBF\xBF") {
        escaped += '?';
      } else {
        escaped += character;
        i += length - 1;
      }
      continue;
    }
    switch (c) {
      case '&':
        escaped += "&amp;";
        break;
      case '<':
        escaped += "&lt;";
        break;
      case '>':
        escaped += "&gt;";
        break;
      case '"':
        escaped += "&quot;";
        break;
      case '\'':
        escaped += "&apos;";
        break;
      default:
        // Control characters are not allowed in XML 1.0.
        if (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n') {
          escaped += '?';
        } else {
          escaped += c;
        }
    }
  }
  return escaped;
}

}  // namespace korvel::plot
