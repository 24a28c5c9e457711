// Converts every real model of the shared corpus (SAP2000 14 to 26 and
// CSiBridge) as plain `korvel convert MODEL` does, and checks everything that
// out.txt carries against a reading of the model made here: where each joint
// stands, which joints each frame and area joins (through their coordinates,
// so named elements may be numbered freely), the section of every element,
// the numbers of every frame section, labels.txt for named elements and the
// warnings a model of that kind must give.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <iomanip>
#include <regex>
#include <sstream>

#include "common/error.h"
#include "common/tests/temp_folder.h"
#include "conv/core/conversion.h"
#include "conv/core/model_check.h"
#include "conv/core/outputs/model_file.h"
#include "conv/tests/sap2000_text_reading.h"

namespace korvel::conv {
namespace {

using namespace sap2000_text;
using test_support::TempFolder;

const std::filesystem::path kCorpus = KORVEL_SOURCE_DIR "/../shared/corpus";

std::vector<std::filesystem::path> Models() {
  std::vector<std::filesystem::path> models;
  for (const char* folder : {"s2k", "s2k-more"}) {
    std::error_code missing;
    for (const auto& entry : std::filesystem::directory_iterator(kCorpus / folder, missing)) {
      if (entry.path().extension() == ".s2k" || entry.path().extension() == ".b2k") models.push_back(entry.path());
    }
  }
  std::sort(models.begin(), models.end());
  return models;
}

// The differences found in one model, by quantity: how many, and the first few.
class Differences {
 public:
  void Note(const std::string& quantity, const std::string& example) {
    auto& [count, examples] = found_[quantity];
    if (count++ < 3) examples += "\n    " + example;
  }
  void Report(const std::string& model) const {
    for (const auto& [quantity, found] : found_)
      ADD_FAILURE() << model << ": " << found.first << " × " << quantity << found.second;
  }

 private:
  std::map<std::string, std::pair<int, std::string>> found_;
};

std::string Show(double number) {
  std::ostringstream text;
  text << std::setprecision(12) << number;
  return text.str();
}
std::string Show(const Point& at) {
  std::ostringstream text;
  text << std::setprecision(12) << "(" << at[0] << ", " << at[1] << ", " << at[2] << ")";
  return text.str();
}

bool Near(double a, double b) { return std::abs(a - b) <= 1e-9 * std::max({1.0, std::abs(a), std::abs(b)}); }
bool Near(const Point& a, const Point& b) { return Near(a[0], b[0]) && Near(a[1], b[1]) && Near(a[2], b[2]); }

// labels.txt: a line per name, the kind and the name as text and its number.
using LabelNumbers = std::map<std::pair<std::string, std::string>, double>;
LabelNumbers ReadLabels(const std::string& bytes, Differences& differences) {
  static const std::regex line(R"re("(joint|frame|area)","(.*)",(-?[0-9.]+)\r)re");
  LabelNumbers labels;
  std::istringstream in(bytes);
  for (std::string text; std::getline(in, text);) {
    std::smatch match;
    if (!std::regex_match(text, match, line)) {
      differences.Note("labels.txt line", text);
    } else if (!labels.emplace(std::pair(match[1], match[2]), std::stod(match[3])).second) {
      differences.Note("labels.txt name listed twice", text);
    }
  }
  return labels;
}

// Checks out.txt and labels.txt of a converted model against the model.
class Comparison {
 public:
  // `labels` holds the bytes of labels.txt, if it was written.
  Comparison(const Model& model, const ModelFile& got, const std::optional<std::string>& labels)
      : model_(model), got_(got) {
    if (labels) labels_ = ReadLabels(*labels, differences_);
    for (const Joint& joint : got.joints) gotJoints_.emplace(joint.label, Point{joint.x, joint.y, joint.z});
    for (const auto& section : got.frameSections) frameSectionNames_.push_back(section.name);
  }

  Differences Run() {
    Labels();
    Joints();
    Elements(kFrame, model_.frames, got_.frames);
    Elements(kArea, model_.areas, got_.areas);
    Sections();
    return std::move(differences_);
  }

 private:
  // A number label keeps its number, a name gets the one labels.txt gives it.
  std::optional<double> ExpectedLabel(Kind kind, const std::string& label) const {
    if (const auto number = LabelNumber(label)) return number;
    const auto listed = labels_.find({kKindNames[kind], label});
    return listed == labels_.end() ? std::nullopt : std::optional(listed->second);
  }

  void Label(Kind kind, const std::string& label, double got) {
    const auto expected = ExpectedLabel(kind, label);
    if (!expected || *expected != got) {
      differences_.Note(std::string(kKindNames[kind]) + " label", label + " written as " + Show(got));
    }
  }

  void Labels() {
    std::set<double> numbers[3];
    for (const auto& [key, number] : labels_) {
      const Kind kind = key.first == "joint" ? kJoint : key.first == "frame" ? kFrame : kArea;
      if (!model_.names[kind].count(key.second)) differences_.Note("labels.txt name not in the model", key.second);
      if (number != std::floor(number) || number <= model_.largestNumber[kind] ||
          !numbers[kind].insert(number).second) {
        differences_.Note("labels.txt number clashing", key.first + " " + key.second + " " + Show(number));
      }
    }
    for (Kind kind : {kJoint, kFrame, kArea}) {
      for (const std::string& name : model_.names[kind]) {
        if (!labels_.count({kKindNames[kind], name})) differences_.Note("name missing from labels.txt", name);
      }
    }
  }

  void Count(const std::string& kind, std::size_t got, std::size_t expected) {
    if (got != expected) differences_.Note(kind + " count", std::to_string(got) + " for " + std::to_string(expected));
  }

  void Joints() {
    Count("joint", got_.joints.size(), model_.joints.size());
    for (std::size_t row = 0; row < std::min(got_.joints.size(), model_.joints.size()); ++row) {
      const auto& [label, at] = model_.joints[row];
      const Joint& got = got_.joints[row];
      const Point gotAt{got.x, got.y, got.z};
      Label(kJoint, label, got.label);
      if (at && !Near(*at, gotAt)) {
        differences_.Note("joint coordinates", "joint " + label + " at " + Show(gotAt) + " for " + Show(*at));
      }
    }
  }

  static std::array<double, 2> Corners(const Frame& frame) { return {frame.jointI, frame.jointJ}; }
  static std::array<double, 4> Corners(const Area& area) { return area.joints; }

  // Rows of out.txt follow the connectivity records of the model one to one.
  template <typename Row>
  void Elements(Kind kind, const std::vector<Element>& expected, const std::vector<Row>& got) {
    const std::string kindName = kKindNames[kind];
    Count(kindName, got.size(), expected.size());
    const auto& names = kind == kFrame ? frameSectionNames_ : got_.areaSections;
    for (std::size_t row = 0; row < std::min(got.size(), expected.size()); ++row) {
      const Element& element = expected[row];
      Label(kind, element.label, got[row].label);
      const auto corners = Corners(got[row]);
      for (std::size_t corner = 0; corner < element.joints.size(); ++corner) {
        Corner(kindName + " " + element.label, element.joints[corner], corners.at(corner));
      }
      const auto assigned = model_.sectionOf[kind].find(LabelKey(element.label));
      const std::string section = assigned == model_.sectionOf[kind].end() ? "" : assigned->second;
      const double number = got[row].section;
      const std::string gotSection =
          number >= 1 && number <= names.size() ? names[static_cast<std::size_t>(number) - 1] : "";
      if (gotSection != section) {
        differences_.Note(kindName + " section",
                          kindName + " " + element.label + ": \"" + gotSection + "\" for \"" + section + "\"");
      }
    }
  }

  // A joint an element names stands where the model puts it; a joint the
  // model lacks must not be found in out.txt either, and a corner not given is 0.
  void Corner(const std::string& element, const std::string& joint, double got) {
    const auto found = gotJoints_.find(got);
    if (joint.empty()) {
      if (got != 0) differences_.Note("element joints", element + ": joint " + Show(got) + " for no corner");
    } else if (!model_.HasJoint(joint)) {
      if (found != gotJoints_.end()) {
        differences_.Note("element joints", element + ": missing joint " + joint + " found in out.txt");
      }
    } else if (const auto& at = model_.jointAt.at(LabelKey(joint)); found == gotJoints_.end()) {
      differences_.Note("element joints",
                        element + ": joint " + joint + " written as " + Show(got) + ", not in out.txt");
    } else if (at && !Near(*at, found->second)) {
      differences_.Note("element joints",
                        element + ": joint " + joint + " at " + Show(found->second) + " for " + Show(*at));
    }
  }

  void Sections() {
    static const char* const kColumns[] = {"Fc", "RebarFy", "t2", "t3", "Cover", "bar diameter"};
    std::set<std::string> written, expected;
    for (const auto& section : got_.frameSections) {
      written.insert(section.name);
      const auto numbers = model_.frameSections.find(section.name);
      const FrameSectionRow& row = section.row;
      const double values[] = {row.fc, row.rebarFy, row.t2, row.t3, row.cover, row.barSize};
      for (std::size_t i = 0; numbers != model_.frameSections.end() && i < 6; ++i) {
        if (!Near(values[i], numbers->second.numbers[i])) {
          differences_.Note(std::string("frame section ") + kColumns[i],
                            section.name + ": " + Show(values[i]) + " for " + Show(numbers->second.numbers[i]));
        }
      }
    }
    for (const auto& [name, section] : model_.frameSections) expected.insert(name);
    SameNames("frame section", written, expected);
    SameNames("area section", {got_.areaSections.begin(), got_.areaSections.end()}, model_.areaSections);
  }

  void SameNames(const std::string& kind, const std::set<std::string>& written, const std::set<std::string>& expected) {
    for (const std::string& name : written) {
      if (!expected.count(name)) differences_.Note(kind + " not in the model", name);
    }
    for (const std::string& name : expected) {
      if (!written.count(name)) differences_.Note(kind + " missing", name);
    }
  }

  const Model& model_;
  const ModelFile& got_;
  LabelNumbers labels_;
  std::map<double, Point> gotJoints_;
  std::vector<std::string> frameSectionNames_;
  Differences differences_;
};

// The section each element of a kind is assigned ("" for none).
std::vector<std::string> SectionsOf(const Model& model, Kind kind) {
  std::vector<std::string> sections;
  for (const Element& element : kind == kFrame ? model.frames : model.areas) {
    const auto assigned = model.sectionOf[kind].find(LabelKey(element.label));
    sections.push_back(assigned == model.sectionOf[kind].end() ? "" : assigned->second);
  }
  return sections;
}

// Geometry a solver stumbles over, found the plain way: joints at the same
// place are closer than 1e-9 times the diagonal of the box around all joints.
struct Geometry {
  bool zeroLength = false, degenerate = false, coincident = false;
};
Geometry FindGeometry(const Model& model) {
  Point low{INFINITY, INFINITY, INFINITY}, high{-INFINITY, -INFINITY, -INFINITY};
  std::map<std::string, Point> at;  // a joint without a place stands at 0, as out.txt has it
  for (const auto& [label, point] : model.joints) {
    const Point p = point.value_or(Point{0, 0, 0});
    at.emplace(LabelKey(label), p);
    for (int c = 0; c < 3; ++c) low[c] = std::min(low[c], p[c]), high[c] = std::max(high[c], p[c]);
  }
  const double tolerance = at.empty() ? 0 : 1e-9 * std::hypot(high[0] - low[0], high[1] - low[1], high[2] - low[2]);
  auto same = [&](const Point& a, const Point& b) {
    const double d = std::hypot(a[0] - b[0], a[1] - b[1], a[2] - b[2]);
    return tolerance == 0 ? d == 0 : d < tolerance;
  };
  Geometry found;
  std::set<std::string> used;
  for (const Element& frame : model.frames) {
    const std::string i = LabelKey(frame.joints[0]), j = LabelKey(frame.joints[1]);
    used.insert(i), used.insert(j);
    found.zeroLength |= i == j || (at.count(i) && at.count(j) && same(at[i], at[j]));
  }
  for (const Element& area : model.areas) {
    std::vector<Point> corners;
    std::set<std::string> labels;
    for (const std::string& joint : area.joints) {
      if (joint.empty()) continue;
      used.insert(LabelKey(joint));
      labels.insert(LabelKey(joint));
      if (at.count(LabelKey(joint))) corners.push_back(at[LabelKey(joint)]);
    }
    if (corners.size() < 3) continue;
    bool degenerate = labels.size() < corners.size();
    for (std::size_t a = 0; a < corners.size(); ++a) {
      for (std::size_t b = a + 1; b < corners.size(); ++b) degenerate |= same(corners[a], corners[b]);
    }
    found.degenerate |= degenerate;
  }
  std::vector<Point> places;
  for (const std::string& joint : used) {
    if (at.count(joint)) places.push_back(at[joint]);
  }
  std::sort(places.begin(), places.end());
  for (std::size_t a = 0; a < places.size() && !found.coincident; ++a) {
    for (std::size_t b = a + 1; b < places.size() && places[b][0] - places[a][0] <= tolerance; ++b) {
      found.coincident |= same(places[a], places[b]);
    }
  }
  return found;
}

// What the user must be told about a model, a fragment of each warning.
std::set<std::string> ExpectedWarnings(const Model& model) {
  std::set<std::string> expected;
  auto expect = [&](bool when, const char* fragment) {
    if (when) expected.insert(fragment);
  };
  expect(model.frames.empty() && model.areas.empty(), "没有单元");
  expect(std::any_of(model.joints.begin(), model.joints.end(), [](const auto& joint) { return !joint.second; }),
         "读不到坐标");
  bool missingJoint = false, unmatched = false;
  for (const auto* elements : {&model.frames, &model.areas}) {
    for (const Element& element : *elements) {
      for (const std::string& joint : element.joints) missingJoint |= !joint.empty() && !model.HasJoint(joint);
    }
  }
  for (Kind kind : {kFrame, kArea}) {
    std::set<std::string> labels;
    for (const Element& element : kind == kFrame ? model.frames : model.areas) labels.insert(LabelKey(element.label));
    for (const auto& [label, section] : model.sectionOf[kind]) unmatched |= !labels.count(label);
  }
  expect(missingJoint, "不存在的节点");
  expect(unmatched, "找不到对应的单元");
  expect(!model.names[kJoint].empty() || !model.names[kFrame].empty() || !model.names[kArea].empty(), "labels.txt");
  std::set<std::string> carried;  // the sections frame elements carry
  for (const Element& frame : model.frames) {
    const auto assigned = model.sectionOf[kFrame].find(LabelKey(frame.label));
    if (assigned != model.sectionOf[kFrame].end()) carried.insert(assigned->second);
  }
  for (const auto& [name, section] : model.frameSections) {
    expect(section.designed, "截面设计器");
    // A designer's section is told of once, by the warning that says its bars are not read.
    const bool strengthCounts = section.concrete && !section.designed && carried.count(name);
    expect(strengthCounts && section.numbers[0] == 0, "混凝土强度 Fc 为 0");
    expect(strengthCounts && section.numbers[1] == 0, "钢筋屈服强度 RebarFy 为 0");
    expect(!section.bar.empty() && !model.barSizes.count(section.bar), "REBAR SIZES");
  }
  expect(!model.leftOut.empty(), "未写入 out.txt");
  for (const std::string& section : SectionsOf(model, kFrame)) {
    const auto found = model.frameSections.find(section);
    expect(found != model.frameSections.end() && !found->second.shape.empty() && found->second.shape != "Rectangular" &&
               !found->second.designed,
           "不是矩形");
    expect(section.empty(), "个框架单元没有截面");
  }
  for (const std::string& section : SectionsOf(model, kArea)) expect(section.empty(), "个面单元没有截面");
  const Geometry geometry = FindGeometry(model);
  expect(geometry.zeroLength, "长度为 0");
  expect(geometry.degenerate, "重复的角点");
  expect(geometry.coincident, "位置重合");
  return expected;
}

void CheckWarnings(const std::vector<std::string>& warnings, const std::set<std::string>& expected,
                   Differences& differences) {
  for (const std::string& warning : warnings) {
    if (std::none_of(expected.begin(), expected.end(),
                     [&](const std::string& f) { return warning.find(f) != std::string::npos; })) {
      differences.Note("unexpected warning", warning);
    }
  }
  for (const std::string& fragment : expected) {
    if (std::none_of(warnings.begin(), warnings.end(),
                     [&](const std::string& w) { return w.find(fragment) != std::string::npos; })) {
      differences.Note("warning missing", fragment);
    }
  }
}

// `korvel check --json MODEL`: the counts by kind, the shape of every frame
// section and the frames using it.
void CompareCheck(const Model& model, const ModelCheck& check, Differences& differences) {
  auto count = [&](const std::string& what, int got, std::size_t expected) {
    if (got != static_cast<int>(expected)) {
      differences.Note("check " + what, std::to_string(got) + " for " + std::to_string(expected));
    }
  };
  count("joints", check.joints, model.joints.size());
  count("frames", check.frames, model.frames.size());
  count("areas", check.areas, model.areas.size());
  std::map<std::string, int> leftOut;
  for (const LeftOutElements& elements : check.leftOut) {
    std::string kind = elements.kind;
    for (char& c : kind) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    leftOut[kind] += elements.count;
  }
  if (leftOut != model.leftOut) differences.Note("check leftOut", std::to_string(leftOut.size()) + " kinds");
  std::map<std::string, int> frames;
  for (const std::string& section : SectionsOf(model, kFrame)) ++frames[section];
  for (const ModelCheck::FrameSection& section : check.frameSections) {
    const auto found = model.frameSections.find(section.name);
    const std::string shape = found == model.frameSections.end() ? "" : found->second.shape;
    if (section.shape != shape) differences.Note("check shape", section.name + ": " + section.shape + " for " + shape);
    if (section.frames != frames[section.name]) {
      differences.Note("check frames of a section", section.name + ": " + std::to_string(section.frames) + " for " +
                                                        std::to_string(frames[section.name]));
    }
  }
  count("frame sections", static_cast<int>(check.frameSections.size()), model.frameSections.size());
}

// As `korvel convert --no-tool MODEL` in `folder`.
ConversionResult Convert(const std::filesystem::path& file, const TempFolder& folder) {
  ConversionOptions options;
  options.startTool = false;
  return SAP2KREAD(file, folder.path(), options);
}

// A file in which no line starts a table is refused, and nothing is written.
void CheckRefused(const std::filesystem::path& file) {
  const std::string name = file.filename().string();
  TempFolder folder;
  try {
    Convert(file, folder);
    ADD_FAILURE() << name << ": converted although no line starts a table";
  } catch (const Error& error) {
    const std::string message = error.what();
    EXPECT_NE(message.find("不是 SAP2000 文本模型"), std::string::npos) << name << ": " << message;
    EXPECT_NE(message.find(name), std::string::npos) << name << ": " << message;
  }
  EXPECT_TRUE(folder.Names().empty()) << name << ": files written although refused";
}

TEST(RealModels, ConvertToWhatTheModelsSay) {
  const auto models = Models();
  if (models.empty()) GTEST_SKIP() << "no real models at " << kCorpus;
  for (const auto& file : models) {
    const std::string name = file.filename().string();
    const Model model = ReadModel(TempFolder::ReadFile(file));
    if (!model.isTableModel) {
      CheckRefused(file);
      continue;
    }
    TempFolder folder;
    try {
      const ConversionResult result = Convert(file, folder);
      const auto labels = folder.Has("labels.txt") ? std::optional(folder.Read("labels.txt")) : std::nullopt;
      Differences differences = Comparison(model, ReadModelFile(folder.Read("out.txt")), labels).Run();
      CheckWarnings(result.Warnings(), ExpectedWarnings(model), differences);
      CompareCheck(model, CheckModelFile(file, {}), differences);
      differences.Report(name);
    } catch (const Error& error) {
      ADD_FAILURE() << name << ": " << error.what();
    }
  }
}

}  // namespace
}  // namespace korvel::conv
