#include "plot/core/model_plot.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <optional>
#include <unordered_map>
#include <vector>

#include "common/codepage.h"
#include "plot/core/palette.h"
#include "plot/core/svg.h"

namespace korvel::plot {
namespace {

constexpr double kWidth = 1500, kHeight = 1000;
constexpr double kPanelWidth = 560, kPanelHeight = 440;
constexpr int kLegendRows = 28;  // per kind of section; the rest are counted

struct Vec3 {
  double x, y, z;
};

// One view: where a point of the model lands on the sheet before scaling.
struct View {
  const char* title;
  Point (*project)(const Vec3&);
  Point corner;  // top left of the panel
};

const std::array<View, 4> kViews = {{
    {"轴测图",
     [](const Vec3& p) {
       return Point{(p.x - p.y) * 0.8660254037844386, -p.z + (p.x + p.y) * 0.5};
     },
     {20, 60}},
    {"平面图（X-Y）",
     [](const Vec3& p) {
       return Point{p.x, -p.y};
     },
     {600, 60}},
    {"立面图（X-Z）",
     [](const Vec3& p) {
       return Point{p.x, -p.z};
     },
     {20, 540}},
    {"立面图（Y-Z）",
     [](const Vec3& p) {
       return Point{p.y, -p.z};
     },
     {600, 540}},
}};

// The joints of an element that the joint block holds.
class JointIndex {
 public:
  explicit JointIndex(const conv::ModelFile& model) {
    for (const conv::Joint& joint : model.joints) at_.try_emplace(joint.label, Vec3{joint.x, joint.y, joint.z});
  }
  std::optional<Vec3> Find(double label) const {
    const auto found = at_.find(label);
    return found == at_.end() ? std::nullopt : std::optional<Vec3>(found->second);
  }

 private:
  std::unordered_map<double, Vec3> at_;
};

struct Element {
  std::array<Vec3, 4> corners;  // the joints found, in order
  int found;                    // how many
  bool complete;                // every joint found
  int section;                  // 0 for none or unknown
  bool wall;
  bool notRectangular = false;  // a frame whose section out.txt cannot describe
};

// Walls take the second half of the palette, so a wall section and a frame
// section of the same number differ in colour.
constexpr int kWallColours = static_cast<int>(kPalette.size()) / 2;

std::string_view SectionColour(int section, bool wall) {
  return PaletteColour(section - 1 + (wall ? kWallColours : 0));
}

// Colours come from the style sheet by class; an element only names its kind
// and section, or "warning". One attribute text per class, made once.
class Classes {
 public:
  Classes(std::size_t frameSections, std::size_t wallSections) {
    for (std::size_t m = 0; m <= frameSections; ++m) frames_.push_back(Make("frame", m));
    for (std::size_t m = 0; m <= wallSections; ++m) walls_.push_back(Make("wall", m));
  }
  const std::string& Of(const Element& e) const {
    const std::size_t section = e.complete ? static_cast<std::size_t>(e.section) : 0;
    if (section != 0 && e.notRectangular) return notRectangular_;
    return (e.wall ? walls_ : frames_)[section];
  }

 private:
  static std::string Make(const char* kind, std::size_t section) {
    return std::string("class=\"") + kind + (section == 0 ? " warning\"" : " s" + std::to_string(section) + "\"");
  }
  std::vector<std::string> frames_, walls_;
  std::string notRectangular_ = "class=\"frame not-rectangular\"";
};

// What out.txt leaves out or cannot describe, drawn over the model.
constexpr char kExtrasStyle[] =
    ".frame.not-rectangular{stroke:#d400d4;stroke-width:2.5}"
    ".left-out{stroke:#999;stroke-width:1.2;stroke-dasharray:6 4;fill:none}"
    ".zero-length{fill:none;stroke:#e60000;stroke-width:2}"
    ".degenerate{fill:none;stroke:#ff7f0e;stroke-width:2}"
    ".coincident{fill:none;stroke:#0050ff;stroke-width:2}\n";

std::string StyleSheet(std::size_t frameSections, std::size_t wallSections) {
  std::string css =
      ".frame{fill:none;stroke-width:1.5}.wall{fill-opacity:0.35}.joints{stroke:#222;stroke-width:3;"
      "stroke-linecap:round}";
  const std::string warning(kWarningColour);
  css += ".frame.warning{stroke:" + warning + ";stroke-width:2.5;fill:" + warning + "}";
  css += ".wall.warning{fill:" + warning + ";stroke:" + warning + "}\n";
  for (std::size_t m = 1; m <= frameSections; ++m) {
    css += ".frame.s" + std::to_string(m) + "{stroke:" + std::string(SectionColour(static_cast<int>(m), false)) + "}";
  }
  for (std::size_t m = 1; m <= wallSections; ++m) {
    const std::string colour(SectionColour(static_cast<int>(m), true));
    css += ".wall.s" + std::to_string(m) + "{fill:" + colour + ";stroke:" + colour + "}";
  }
  return css + "\n";
}

// `unit` (a power of two) brings the model's coordinates near 1, so that
// sums and differences of them stay finite even at the ends of the double
// range.
void DrawPanel(Svg& svg, const View& view, double unit, const conv::ModelFile& model,
               const std::vector<Element>& elements, const Classes& classes, const ModelExtras* extras) {
  auto project = [&](const Vec3& v) { return view.project({v.x * unit, v.y * unit, v.z * unit}); };
  svg.Rect(view.corner.x, view.corner.y, kPanelWidth, kPanelHeight, "fill=\"none\" stroke=\"#bbb\"");
  svg.Text(view.corner.x + 8, view.corner.y + 18, view.title, "font-weight=\"bold\"");
  double left = INFINITY, right = -INFINITY, top = INFINITY, bottom = -INFINITY;
  for (const conv::Joint& joint : model.joints) {
    const Point p = project({joint.x, joint.y, joint.z});
    left = std::min(left, p.x), right = std::max(right, p.x), top = std::min(top, p.y), bottom = std::max(bottom, p.y);
  }
  if (model.joints.empty()) return;
  const double spread = std::max(right - left, bottom - top);
  const double margin = 30, usable = std::min(kPanelWidth, kPanelHeight - 24) - 2 * margin;
  const double scale = spread > 0 && std::isfinite(usable / spread) ? usable / spread : 1;
  const Point middle{view.corner.x + kPanelWidth / 2, view.corner.y + 12 + kPanelHeight / 2};
  auto place = [&](const Vec3& v) {
    const Point p = project(v);
    return Point{middle.x + (p.x - (left + right) / 2) * scale, middle.y + (p.y - (top + bottom) / 2) * scale};
  };

  auto placePoint = [&](const conv::ModelPoint& p) { return place({p.x, p.y, p.z}); };
  if (extras) {
    // A link between two joints at one place (a bearing) is a dashed ring.
    for (const ModelExtras::Line& line : extras->leftOutLines) {
      const Point from = placePoint(line.from), to = placePoint(line.to);
      if (std::abs(from.x - to.x) < 1 && std::abs(from.y - to.y) < 1) {
        svg.Circle(from.x, from.y, 5, "class=\"left-out\"");
      } else {
        svg.Line(from, to, "class=\"left-out\"");
      }
    }
  }
  std::array<Point, 4> corners;
  for (const Element& e : elements) {
    if (!e.wall) continue;
    for (int i = 0; i < e.found; ++i) corners[i] = place(e.corners[i]);
    if (e.found >= 3) {
      svg.Polygon(corners.data(), e.found, classes.Of(e));
    } else {
      for (int i = 0; i < e.found; ++i) svg.Circle(corners[i].x, corners[i].y, 4, classes.Of(e));
    }
  }
  for (const Element& e : elements) {
    if (e.wall) continue;
    if (e.found == 2) {
      svg.Line(place(e.corners[0]), place(e.corners[1]), classes.Of(e));
    } else {
      for (int i = 0; i < e.found; ++i) svg.Circle(place(e.corners[i]).x, place(e.corners[i]).y, 4, classes.Of(e));
    }
  }
  std::vector<Point> dots;
  dots.reserve(model.joints.size());
  for (const conv::Joint& joint : model.joints) dots.push_back(place({joint.x, joint.y, joint.z}));
  svg.Dots(dots, "class=\"joints\"");
  if (!extras) return;
  for (const conv::ModelPoint& p : extras->zeroLength) {
    const Point at = placePoint(p);
    svg.Circle(at.x, at.y, 7, "class=\"zero-length\"");
  }
  for (const conv::ModelPoint& p : extras->degenerate) {
    const Point at = placePoint(p);
    svg.Rect(at.x - 6, at.y - 6, 12, 12, "class=\"degenerate\"");
  }
  for (const conv::ModelPoint& p : extras->coincident) {
    const Point at = placePoint(p);
    svg.Circle(at.x, at.y, 11, "class=\"coincident\"");
  }
}

// What out.txt leaves out or cannot describe, each kind with its count.
double ExtrasLegend(Svg& svg, double y, const ModelExtras& extras, int notRectangularFrames) {
  const double x = 1180;
  auto line = [&](const char* style, const std::string& text) {
    y += 18;
    svg.Line({x, y - 4}, {x + 16, y - 4}, style);
    svg.Text(x + 22, y, text, "class=\"legend\"");
  };
  svg.Text(x, y, "out.txt 未包含或写不对的", "font-weight=\"bold\"");
  for (const ModelExtras::Kind& kind : extras.leftOut) {
    line("class=\"left-out\"", std::to_string(kind.count) + " 个" + kind.word + "（未写入 out.txt）");
  }
  if (notRectangularFrames > 0) {
    line("class=\"frame not-rectangular\"", std::to_string(notRectangularFrames) + " 个框架单元的截面不是矩形");
  }
  auto mark = [&](std::size_t count, const char* style, bool square, const char* text) {
    if (count == 0) return;
    y += 18;
    if (square) {
      svg.Rect(x + 2, y - 10, 12, 12, style);
    } else {
      svg.Circle(x + 8, y - 4, 6, style);
    }
    svg.Text(x + 22, y, std::to_string(count) + text, "class=\"legend\"");
  };
  mark(extras.zeroLength.size(), "class=\"zero-length\"", false, " 个长度为 0 的框架单元");
  mark(extras.degenerate.size(), "class=\"degenerate\"", true, " 个有重复角点或面积为 0 的面单元");
  mark(extras.coincident.size(), "class=\"coincident\"", false, " 个与另一节点位置重合的节点");
  return y + 30;
}

// One kind of section in the legend: a swatch, the name and how many elements carry it.
double LegendBlock(Svg& svg, double y, const char* heading, const std::vector<std::string>& names,
                   const std::vector<int>& counts, bool wall) {
  const double x = 1180;
  svg.Text(x, y, heading, "font-weight=\"bold\"");
  const int shown = std::min<int>(static_cast<int>(names.size()), kLegendRows);
  for (int m = 0; m < shown; ++m) {
    y += 18;
    const std::string colour(SectionColour(m + 1, wall));
    if (wall) {
      svg.Rect(x, y - 10, 16, 12, "fill=\"" + colour + "\" fill-opacity=\"0.35\" stroke=\"" + colour + "\"");
    } else {
      svg.Line({x, y - 4}, {x + 16, y - 4}, "stroke=\"" + colour + "\" stroke-width=\"3\"");
    }
    svg.Text(
        x + 22, y,
        std::to_string(m + 1) + " " + Cp936ToUtf8ForDisplay(names[m]) + "（" + std::to_string(counts[m + 1]) + "）",
        "class=\"legend\"");
  }
  if (static_cast<int>(names.size()) > shown) {
    y += 18;
    svg.Text(x + 22, y, "另有 " + std::to_string(names.size() - shown) + " 个截面");
  }
  return y + 30;
}

}  // namespace

std::string ModelSvg(const conv::ModelFile& model, const std::string& source, const ModelExtras* extras) {
  const JointIndex joints(model);
  std::vector<Element> elements;
  elements.reserve(model.frames.size() + model.areas.size());
  std::vector<int> frameCounts(model.frameSections.size() + 1), wallCounts(model.areaSections.size() + 1);
  int missingJoints = 0, withoutSection = 0, beyondSections = 0, notRectangularFrames = 0;
  auto add = [&](std::initializer_list<double> labels, double section, std::size_t sections, std::vector<int>& counts,
                 bool wall) {
    Element e{{}, 0, true, 0, wall};
    for (double label : labels) {
      if (const auto at = joints.Find(label)) {
        e.corners[e.found++] = *at;
      } else {
        e.complete = false;
      }
    }
    const bool known = section >= 1 && section <= static_cast<double>(sections) && section == std::floor(section);
    e.section = known ? static_cast<int>(section) : 0;
    if (extras && !wall && e.section > 0 && static_cast<std::size_t>(e.section) <= extras->notRectangular.size()) {
      e.notRectangular = extras->notRectangular[static_cast<std::size_t>(e.section) - 1] != 0;
      notRectangularFrames += e.notRectangular;
    }
    ++counts[static_cast<std::size_t>(e.section)];
    missingJoints += !e.complete;
    withoutSection += section == 0;
    beyondSections += !known && section != 0;
    elements.push_back(e);
  };
  for (const conv::Frame& frame : model.frames) {
    add({frame.jointI, frame.jointJ}, frame.section, model.frameSections.size(), frameCounts, false);
  }
  for (const conv::Area& area : model.areas) {
    const auto& [j1, j2, j3, j4] = area.joints;
    // Joint4 = 0 is a triangle.
    if (j4 == 0) {
      add({j1, j2, j3}, area.section, model.areaSections.size(), wallCounts, true);
    } else {
      add({j1, j2, j3, j4}, area.section, model.areaSections.size(), wallCounts, true);
    }
  }

  // Some 80 bytes an element in each of the four views, 16 a joint.
  const std::size_t extraShapes = extras ? extras->leftOutLines.size() + extras->zeroLength.size() +
                                               extras->degenerate.size() + extras->coincident.size()
                                         : 0;
  Svg svg(kWidth, kHeight, 330 * elements.size() + 70 * model.joints.size() + 330 * extraShapes);
  svg.Text(20, 32,
           "模型 " + NameForDisplay(source) + "：" + std::to_string(model.joints.size()) + " 个节点，" +
               std::to_string(model.frames.size()) + " 个框架单元，" + std::to_string(model.areas.size()) + " 个面单元",
           "font-size=\"18\" font-weight=\"bold\"");
  svg.Style(StyleSheet(model.frameSections.size(), model.areaSections.size()) + (extras ? kExtrasStyle : ""));
  const Classes classes(model.frameSections.size(), model.areaSections.size());
  double largest = 0;
  for (const conv::Joint& joint : model.joints) {
    for (double coordinate : {joint.x, joint.y, joint.z}) {
      if (std::isfinite(coordinate)) largest = std::max(largest, std::abs(coordinate));
    }
  }
  const double unit = largest > 0 ? std::ldexp(1.0, std::clamp(-std::ilogb(largest), -1000, 1000)) : 1;
  for (const View& view : kViews) DrawPanel(svg, view, unit, model, elements, classes, extras);

  std::vector<std::string> frameNames, wallNames;
  for (const auto& section : model.frameSections) frameNames.push_back(section.name);
  double y = LegendBlock(svg, 80, "框架截面", frameNames, frameCounts, false);
  y = LegendBlock(svg, y, "面截面", model.areaSections, wallCounts, true);
  if (withoutSection > 0 || beyondSections > 0 || missingJoints > 0) {
    svg.Text(1180, y, "需要检查", "font-weight=\"bold\" fill=\"" + std::string(kWarningColour) + "\"");
    const std::string red = "class=\"warning-count\" fill=\"" + std::string(kWarningColour) + "\"";
    if (withoutSection > 0)
      svg.Text(1180, y += 18, std::to_string(withoutSection) + " 个单元没有截面（截面号为 0）", red);
    if (beyondSections > 0) {
      svg.Text(1180, y += 18, std::to_string(beyondSections) + " 个单元的截面号超出截面表", red);
    }
    if (missingJoints > 0) svg.Text(1180, y += 18, std::to_string(missingJoints) + " 个单元的节点不在节点表中", red);
    y += 30;
  }
  const bool extrasFound = extras && (!extras->leftOut.empty() || notRectangularFrames > 0 || extraShapes > 0);
  if (extrasFound) ExtrasLegend(svg, y, *extras, notRectangularFrames);
  return svg.Finish();
}

}  // namespace korvel::plot
