#pragma once
// What a SAP2000 text model says, read in a few plain steps that share
// nothing with the converter, so that its results can be checked against
// them: records of titled tables, " _" continuations joined, Key=Value items
// separated by blanks (a quoted value may hold blanks), numbers with a decimal
// point or a decimal comma, and labels that are numbers or names.

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <numbers>
#include <optional>
#include <regex>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace korvel::conv::sap2000_text {

using Record = std::map<std::string, std::string>;

inline std::string Value(const Record& record, const std::string& key) {
  const auto found = record.find(key);
  return found == record.end() ? "" : found->second;
}

// A missing value is 0; "9,5" is 9.5 when the value holds no period.
inline double Number(const Record& record, const std::string& key) {
  std::string value = Value(record, key);
  if (value.find('.') == std::string::npos) std::replace(value.begin(), value.end(), ',', '.');
  return std::strtod(value.c_str(), nullptr);
}

// A label is a number when its whole value is a decimal number; any other
// value is a name. Numbers are keyed by their value, so "12" and "12.0" meet.
inline std::optional<double> LabelNumber(const std::string& label) {
  static const std::regex decimal(R"([+-]?(\d+\.?\d*|\.\d+))");
  if (!std::regex_match(label, decimal)) return std::nullopt;
  return std::stod(label);
}
inline std::string LabelKey(const std::string& label) {
  const auto number = LabelNumber(label);
  if (!number) return label;
  char text[32];
  std::snprintf(text, sizeof text, "%.17g", *number);
  return text;
}

inline Record Items(std::string_view line) {
  Record record;
  for (std::size_t at = 0; at < line.size();) {
    if (line[at] == ' ') {
      ++at;
      continue;
    }
    const std::size_t equals = line.find_first_of("= ", at);
    if (equals == std::string_view::npos || line[equals] == ' ') {  // an item without a key
      at = equals == std::string_view::npos ? line.size() : equals;
      continue;
    }
    const std::string key(line.substr(at, equals - at));
    const bool quoted = equals + 1 < line.size() && line[equals + 1] == '"';
    const std::size_t start = equals + 1 + (quoted ? 1 : 0);
    const std::size_t end = std::min(line.find(quoted ? '"' : ' ', start), line.size());
    record[key] = std::string(line.substr(start, end - start));
    at = end + (quoted ? 1 : 0);
  }
  return record;
}

struct Tables {
  bool any = false;  // some line starts a table
  std::map<std::string, std::vector<Record>> records;
  const std::vector<Record>& operator[](const std::string& title) const {
    static const std::vector<Record> none;
    const auto found = records.find(title);
    return found == records.end() ? none : found->second;
  }
};

inline Tables ReadTables(std::string_view text) {
  std::vector<std::string_view> lines;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t end = std::min(text.find_first_of("\r\n", at), text.size());
    lines.push_back(text.substr(at, end - at));
    at = end + (text.substr(end, 2) == "\r\n" ? 2 : 1);
  }
  Tables tables;
  std::string title;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::string line(lines[i]);
    while (line.ends_with(" _") && i + 1 < lines.size()) {
      const std::string_view next = lines[++i];
      line.pop_back();
      line += next.substr(std::min(next.find_first_not_of(' '), next.size()));
    }
    const std::string_view trimmed = std::string_view(line).substr(std::min(line.find_first_not_of(' '), line.size()));
    if (trimmed.starts_with("TABLE:")) {
      tables.any = true;
      const std::size_t open = trimmed.find('"');
      title = open == std::string_view::npos
                  ? ""
                  : std::string(trimmed.substr(open + 1, trimmed.find('"', open + 1) - open - 1));
    } else if (trimmed.empty()) {
      title.clear();
    } else if (!title.empty()) {
      tables.records[title].push_back(Items(line));
    }
  }
  return tables;
}

using Point = std::array<double, 3>;

struct Element {
  std::string label;
  std::vector<std::string> joints;  // labels; "" for a corner not given
};

struct FrameSection {
  std::array<double, 6> numbers{};  // Fc, RebarFy, t2, t3, Cover, bar diameter
  bool concrete = false, designed = false;
  std::string bar;    // BarSizeL= of a section without BarSize=
  std::string shape;  // Shape=
};

enum Kind { kJoint, kFrame, kArea };
inline constexpr const char* kKindNames[] = {"joint", "frame", "area"};

struct Model {
  bool isTableModel = false;
  std::vector<std::pair<std::string, std::optional<Point>>> joints;  // no point: another system
  std::map<std::string, std::optional<Point>> jointAt;               // by label key
  std::vector<Element> frames, areas;
  std::map<std::string, std::string> sectionOf[3];  // frame and area label keys -> section name
  std::map<std::string, FrameSection> frameSections;
  std::set<std::string> areaSections;
  std::set<std::string> names[3];      // labels that are names, wherever they stand
  double largestNumber[3] = {};        // largest numeric label of each kind
  std::set<std::string> barSizes;      // "REBAR SIZES"
  std::map<std::string, int> leftOut;  // other "CONNECTIVITY - " tables: kind in lower case -> records

  void NoteLabel(Kind kind, const std::string& label) {
    if (const auto number = LabelNumber(label)) {
      largestNumber[kind] = std::max(largestNumber[kind], *number);
    } else if (!label.empty()) {
      names[kind].insert(label);
    }
  }
  bool HasJoint(const std::string& label) const { return jointAt.count(LabelKey(label)) > 0; }
};

inline std::optional<Point> JointPoint(const Record& joint) {
  if (joint.count("GlobalX") && joint.count("GlobalY") && joint.count("GlobalZ")) {
    return Point{Number(joint, "GlobalX"), Number(joint, "GlobalY"), Number(joint, "GlobalZ")};
  }
  const std::string system = Value(joint, "CoordSys"), type = Value(joint, "CoordType");
  if ((system != "" && system != "GLOBAL") || !joint.count("XorR") || !joint.count("Z")) return std::nullopt;
  if (type == "Cylindrical" && joint.count("T")) {
    const double r = Number(joint, "XorR"), angle = Number(joint, "T") * std::numbers::pi / 180;
    return Point{r * std::cos(angle), r * std::sin(angle), Number(joint, "Z")};
  }
  if ((type != "" && type != "Cartesian") || !joint.count("Y")) return std::nullopt;
  return Point{Number(joint, "XorR"), Number(joint, "Y"), Number(joint, "Z")};
}

inline Model ReadModel(std::string_view text) {
  const Tables tables = ReadTables(text);
  Model model;
  model.isTableModel = tables.any;
  for (const Record& joint : tables["JOINT COORDINATES"]) {
    model.joints.emplace_back(Value(joint, "Joint"), JointPoint(joint));
    model.jointAt.emplace(LabelKey(Value(joint, "Joint")), model.joints.back().second);
    model.NoteLabel(kJoint, Value(joint, "Joint"));
  }
  auto elements = [&](const char* table, Kind kind, const char* label, std::vector<const char*> corners) {
    std::vector<Element> read;
    for (const Record& record : tables[table]) {
      Element element{Value(record, label), {}};
      model.NoteLabel(kind, element.label);
      for (const char* corner : corners) {
        element.joints.push_back(Value(record, corner));
        model.NoteLabel(kJoint, element.joints.back());
      }
      read.push_back(element);
    }
    return read;
  };
  model.frames = elements("CONNECTIVITY - FRAME", kFrame, "Frame", {"JointI", "JointJ"});
  model.areas = elements("CONNECTIVITY - AREA", kArea, "Area", {"Joint1", "Joint2", "Joint3", "Joint4"});
  // An assignment naming no section, or SAP2000's None, gives none.
  auto section = [](const Record& a, const char* key) {
    const std::string name = Value(a, key);
    return name == "None" ? std::string() : name;
  };
  for (const Record& a : tables["FRAME SECTION ASSIGNMENTS"]) {
    model.sectionOf[kFrame][LabelKey(Value(a, "Frame"))] = section(a, "AnalSect");
    if (!section(a, "AnalSect").empty()) model.frameSections[Value(a, "AnalSect")];
    model.NoteLabel(kFrame, Value(a, "Frame"));
  }
  for (const Record& a : tables["AREA SECTION ASSIGNMENTS"]) {
    model.sectionOf[kArea][LabelKey(Value(a, "Area"))] = section(a, "Section");
    if (!section(a, "Section").empty()) model.areaSections.insert(Value(a, "Section"));
    model.NoteLabel(kArea, Value(a, "Area"));
  }
  for (const auto& [title, records] : tables.records) {
    if (!title.starts_with("CONNECTIVITY - ") || title == "CONNECTIVITY - FRAME" || title == "CONNECTIVITY - AREA")
      continue;
    std::string kind = title.substr(15);
    for (char& c : kind) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (!records.empty()) model.leftOut[kind] += static_cast<int>(records.size());
  }
  for (const Record& s : tables["AREA SECTION PROPERTIES"]) {
    if (!Value(s, "Section").empty()) model.areaSections.insert(Value(s, "Section"));
  }

  std::map<std::string, double> fc, fy, diameter;
  std::set<std::string> concrete;
  for (const Record& m : tables["MATERIAL PROPERTIES 01 - GENERAL"]) {
    if (Value(m, "Type") == "Concrete") concrete.insert(Value(m, "Material"));
  }
  for (const Record& m : tables["MATERIAL PROPERTIES 03B - CONCRETE DATA"]) fc[Value(m, "Material")] = Number(m, "Fc");
  for (const Record& m : tables["MATERIAL PROPERTIES 03E - REBAR DATA"]) fy[Value(m, "Material")] = Number(m, "Fy");
  for (const Record& b : tables["REBAR SIZES"]) {
    diameter[Value(b, "RebarID")] = Number(b, "Diameter");
    model.barSizes.insert(Value(b, "RebarID"));
  }
  auto valueOf = [](const std::map<std::string, double>& values, const std::string& name) {
    const auto found = values.find(name);
    return found == values.end() ? 0.0 : found->second;
  };
  for (const Record& s : tables["FRAME SECTION PROPERTIES 01 - GENERAL"]) {
    FrameSection& section = model.frameSections[Value(s, "SectionName")];
    section.numbers[0] = valueOf(fc, Value(s, "Material"));
    section.numbers[2] = Number(s, "t2");
    section.numbers[3] = Number(s, "t3");
    section.concrete = concrete.count(Value(s, "Material")) > 0;
    section.designed = Value(s, "Shape") == "SD Section";
    section.shape = Value(s, "Shape");
  }
  for (const char* table :
       {"FRAME SECTION PROPERTIES 02 - CONCRETE COLUMN", "FRAME SECTION PROPERTIES 03 - CONCRETE BEAM"}) {
    const bool column = std::string_view(table).ends_with("COLUMN");
    for (const Record& s : tables[table]) {
      const bool named = column || model.frameSections.count(Value(s, "SectionName"));
      if (!named) continue;  // a beam table names no section of its own
      FrameSection& section = model.frameSections[Value(s, "SectionName")];
      section.concrete = true;
      section.numbers[1] = valueOf(fy, Value(s, "RebarMatL"));
      if (!column) continue;
      section.numbers[4] = Number(s, "Cover");
      section.bar = s.count("BarSize") ? "" : Value(s, "BarSizeL");
      section.numbers[5] = s.count("BarSize") ? Number(s, "BarSize") : valueOf(diameter, section.bar);
    }
  }
  return model;
}

}  // namespace korvel::conv::sap2000_text
