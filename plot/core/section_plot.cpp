#include "plot/core/section_plot.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <vector>

#include "common/codepage.h"
#include "common/real_format.h"
#include "plot/core/palette.h"
#include "plot/core/svg.h"

namespace korvel::plot {
namespace {

constexpr double kWidth = 960, kHeight = 640;
constexpr Point kCentre{310, 330};
constexpr double kDrawing = 480;  // the larger side of the section, in pixels

// Strip boundaries along one side: the section starts at -length/2 and each
// centre is the middle of its strip, so each boundary follows from the last.
std::array<double, 7> Boundaries(double length, const std::array<double, 6>& centres) {
  std::array<double, 7> bounds{-length / 2};
  for (int i = 0; i < 6; ++i) bounds[i + 1] = 2 * centres[i] - bounds[i];
  return bounds;
}

bool IsRing(int fiber) {
  const int row = fiber / 6, column = fiber % 6;
  return row == 0 || row == 5 || column == 0 || column == 5;
}

struct ConcreteSet {
  const pre::ConcreteFiber* first;
  int fibers = 0, ring = 0;
};

bool SameConcrete(const pre::ConcreteFiber& a, const pre::ConcreteFiber& b) {
  return a.fc == b.fc && a.eps0 == b.eps0 && a.sigu == b.sigu && a.epsu == b.epsu && a.E0 == b.E0;
}

std::string Values(std::initializer_list<std::pair<const char*, double>> values) {
  std::string text;
  for (const auto& [name, value] : values) {
    if (!text.empty()) text += "  ";
    text += name;
    text += '=';
    text += FormatReal(value);
  }
  return text;
}

}  // namespace

std::string SectionSvg(const pre::FiberSection& s, const std::string& source) {
  std::array<double, 6> columnCentres{}, rowCentres{};
  for (int i = 0; i < 6; ++i) {
    columnCentres[i] = s.Fibers[i].x;
    rowCentres[i] = s.Fibers[i * 6].y;
  }
  const auto xs = Boundaries(s.LengthX, columnCentres), ys = Boundaries(s.LengthY, rowCentres);

  double extent = std::max(std::abs(s.LengthX), std::abs(s.LengthY));
  for (double bound : xs) extent = std::max(extent, 2 * std::abs(bound));
  for (double bound : ys) extent = std::max(extent, 2 * std::abs(bound));
  const double scale = extent > 0 && std::isfinite(kDrawing / extent) ? kDrawing / extent : 1;
  auto at = [&](double x, double y) { return Point{kCentre.x + x * scale, kCentre.y - y * scale}; };

  std::vector<ConcreteSet> sets;
  std::array<int, 36> setOf{};
  for (int n = 0; n < 36; ++n) {
    const auto found = std::find_if(sets.begin(), sets.end(),
                                    [&](const ConcreteSet& set) { return SameConcrete(*set.first, s.Fibers[n]); });
    setOf[n] = static_cast<int>(found - sets.begin());
    if (found == sets.end()) sets.push_back({&s.Fibers[n]});
    ++sets[setOf[n]].fibers;
    sets[setOf[n]].ring += IsRing(n);
  }

  Svg svg(kWidth, kHeight);
  svg.Text(20, 30, "纤维截面 " + NameForDisplay(source) + "：36 根混凝土纤维，4 根钢筋",
           "font-size=\"16\" font-weight=\"bold\"");

  svg.BeginGroup("stroke=\"#333\" stroke-width=\"0.6\"");
  for (int n = 0; n < 36; ++n) {
    const int row = n / 6, column = n % 6;
    const Point a = at(xs[column], ys[row]), b = at(xs[column + 1], ys[row + 1]);
    const std::string attributes = "class=\"fiber set" + std::to_string(setOf[n] + 1) + "\" fill=\"" +
                                   std::string(PaletteColour(setOf[n])) + "\" fill-opacity=\"0.55\"";
    svg.Rect(std::min(a.x, b.x), std::min(a.y, b.y), std::abs(b.x - a.x), std::abs(b.y - a.y), attributes);
  }
  svg.EndGroup();

  // Axes through the centroid of the fibers.
  double area = 0, momentX = 0, momentY = 0;
  for (const pre::ConcreteFiber& f : s.Fibers) area += f.Area, momentX += f.Area * f.x, momentY += f.Area * f.y;
  const Point centroid = area != 0 && std::isfinite(momentX / area) && std::isfinite(momentY / area)
                             ? at(momentX / area, momentY / area)
                             : kCentre;
  const double reach = kDrawing / 2 + 30;
  svg.Line({kCentre.x - reach, centroid.y}, {kCentre.x + reach, centroid.y},
           "class=\"axis\" stroke=\"#555\" stroke-dasharray=\"6 4\"");
  svg.Line({centroid.x, kCentre.y - reach}, {centroid.x, kCentre.y + reach},
           "class=\"axis\" stroke=\"#555\" stroke-dasharray=\"6 4\"");
  svg.Text(kCentre.x + reach + 4, centroid.y + 4, "x");
  svg.Text(centroid.x + 4, kCentre.y - reach - 4, "y");

  for (int k = 0; k < 4; ++k) {
    const pre::BarFiber& bar = s.Bars[k];
    const Point p = at(bar.x, bar.y);
    const double radius = std::max(2.0, std::sqrt(std::max(bar.As, 0.0) / std::numbers::pi) * scale);
    svg.Circle(p.x, p.y, radius, "class=\"bar\" fill=\"#111\"");
    svg.Text(p.x + radius + 2, p.y - radius - 2, std::to_string(k + 1), "font-size=\"11\"");
  }

  // Overall dimensions below and left of the section.
  const Point low = at(-s.LengthX / 2, -s.LengthY / 2), high = at(s.LengthX / 2, s.LengthY / 2);
  const double below = std::max(low.y, high.y) + 28, left = std::min(low.x, high.x) - 28;
  svg.Line({low.x, below}, {high.x, below}, "class=\"dimension\" stroke=\"#000\"");
  svg.Text((low.x + high.x) / 2, below + 16, "LengthX = " + FormatReal(s.LengthX), "text-anchor=\"middle\"");
  svg.Line({left, low.y}, {left, high.y}, "class=\"dimension\" stroke=\"#000\"");
  svg.Text(left - 8, (low.y + high.y) / 2, "LengthY = " + FormatReal(s.LengthY),
           "text-anchor=\"middle\" transform=\"rotate(-90 " + FormatReal(Drawable(left - 8)) + " " +
               FormatReal(Drawable((low.y + high.y) / 2)) + ")\"");

  double y = 70;
  const double x = 600;
  svg.Text(x, y, "Modulus = " + FormatReal(s.Modulus));
  for (std::size_t i = 0; i < sets.size(); ++i) {
    const ConcreteSet& set = sets[i];
    // KORVEL_PRE gives the outer ring the core concrete's values and the
    // interior the cover concrete's; the legend says so, lest the ring be
    // taken for cover.
    const char* where = set.ring == set.fibers ? "外圈 " : set.ring == 0 ? "内部 " : "外圈和内部共 ";
    const char* concrete = set.ring == set.fibers ? "，取核心区混凝土的数值"
                           : set.ring == 0        ? "，取保护层混凝土的数值"
                                                  : "，核心区与保护层混凝土的数值相同";
    y += 30;
    svg.Rect(x, y - 11, 14, 14,
             "fill=\"" + std::string(PaletteColour(static_cast<int>(i))) + "\" fill-opacity=\"0.55\" stroke=\"#333\"");
    svg.Text(x + 20, y, std::string(where) + std::to_string(set.fibers) + " 根纤维" + concrete);
    y += 18;
    const pre::ConcreteFiber& f = *set.first;
    svg.Text(x + 20, y, Values({{"fc", f.fc}, {"eps0", f.eps0}, {"sigu", f.sigu}}), "font-size=\"12\"");
    y += 16;
    svg.Text(x + 20, y, Values({{"epsu", f.epsu}, {"E0", f.E0}}), "font-size=\"12\"");
  }
  y += 30;
  svg.Circle(x + 7, y - 4, 5, "fill=\"#111\"");
  svg.Text(x + 20, y, "钢筋（圆面积按 As 比例）");
  for (int k = 0; k < 4; ++k) {
    const pre::BarFiber& bar = s.Bars[k];
    y += 18;
    svg.Text(x + 20, y, std::to_string(k + 1) + "：" + Values({{"fy", bar.fy}, {"Es", bar.Es}, {"As", bar.As}}),
             "font-size=\"12\"");
  }
  return svg.Finish();
}

}  // namespace korvel::plot
