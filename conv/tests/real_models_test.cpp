// Converts every real SAP2000 model of the shared corpus (written by SAP2000
// 16 to 25) with the reading the model asks for, and checks the meaning of
// out.txt against a reading of the model made here, independently of the
// converter: where each joint stands, which section each frame and area
// carries, and the numbers of each frame section.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <map>
#include <numbers>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "common/tests/temp_folder.h"
#include "conv/core/conversion.h"

namespace korvel::conv {
namespace {

using test_support::CurrentFolder;
using test_support::TempFolder;

const std::filesystem::path kCorpus = KORVEL_SOURCE_DIR "/../shared/corpus/s2k";

using Record = std::map<std::string, std::string>;

// The model's records by table title, continuation lines joined.
std::map<std::string, std::vector<Record>> Tables(const std::string& text) {
  std::vector<std::string> lines;
  std::string line;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      lines.push_back(line);
      line.clear();
    } else {
      line += c;
    }
  }
  if (!line.empty()) lines.push_back(line);

  static const std::regex header(R"re(^TABLE:  "(.*)"\s*$)re");
  static const std::regex pair(R"re((?:^|\s)([A-Za-z0-9]+)=("[^"]*"|\S*))re");
  std::map<std::string, std::vector<Record>> tables;
  std::string title;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::string record = lines[i];
    while (std::regex_search(record, std::regex(R"( _\s*$)")) && i + 1 < lines.size()) {
      record = std::regex_replace(record, std::regex(R"(_\s*$)"), "") +
               std::regex_replace(lines[++i], std::regex(R"(^\s+)"), "");
    }
    std::smatch match;
    if (std::regex_match(record, match, header)) {
      title = match[1];
      continue;
    }
    if (record.find_first_not_of(' ') == std::string::npos) {
      title.clear();
      continue;
    }
    Record values;
    for (auto it = std::sregex_iterator(record.begin(), record.end(), pair); it != std::sregex_iterator(); ++it) {
      std::string value = (*it)[2];
      if (value.size() >= 2 && value.front() == '"') value = value.substr(1, value.size() - 2);
      values[(*it)[1]] = value;
    }
    if (!title.empty()) tables[title].push_back(values);
  }
  return tables;
}

double Number(const Record& record, const std::string& key) {
  const auto found = record.find(key);
  return found == record.end() ? 0 : std::stod(found->second);
}

std::string Text(const Record& record, const std::string& key) {
  const auto found = record.find(key);
  return found == record.end() ? "" : found->second;
}

struct Expected {
  std::map<double, std::array<double, 3>> joints;
  std::map<double, std::string> frameSections, areaSections;  // element label -> section name
  std::map<std::string, std::array<double, 6>> sections;      // Fc, RebarFy, t2, t3, Cover, BarSize
};

Expected ReadIndependently(const std::string& text) {
  auto tables = Tables(text);
  Expected expected;
  for (const Record& joint : tables["JOINT COORDINATES"]) {
    std::array<double, 3> at{};
    if (joint.count("GlobalX")) {
      at = {Number(joint, "GlobalX"), Number(joint, "GlobalY"), Number(joint, "GlobalZ")};
    } else if (Text(joint, "CoordType") == "Cylindrical") {
      const double angle = Number(joint, "T") * std::numbers::pi / 180;
      at = {Number(joint, "XorR") * std::cos(angle), Number(joint, "XorR") * std::sin(angle), Number(joint, "Z")};
    } else {
      at = {Number(joint, "XorR"), Number(joint, "Y"), Number(joint, "Z")};
    }
    expected.joints.emplace(Number(joint, "Joint"), at);
  }
  for (const Record& a : tables["FRAME SECTION ASSIGNMENTS"]) expected.frameSections[Number(a, "Frame")] = Text(a, "AnalSect");
  for (const Record& a : tables["AREA SECTION ASSIGNMENTS"]) expected.areaSections[Number(a, "Area")] = Text(a, "Section");

  std::map<std::string, double> fc, fy, diameter;
  for (const Record& m : tables["MATERIAL PROPERTIES 03B - CONCRETE DATA"]) fc[Text(m, "Material")] = Number(m, "Fc");
  for (const Record& m : tables["MATERIAL PROPERTIES 03E - REBAR DATA"]) fy[Text(m, "Material")] = Number(m, "Fy");
  for (const Record& b : tables["REBAR SIZES"]) diameter[Text(b, "RebarID")] = Number(b, "Diameter");
  for (const Record& s : tables["FRAME SECTION PROPERTIES 01 - GENERAL"]) {
    auto& numbers = expected.sections[Text(s, "SectionName")];
    numbers[0] = fc.count(Text(s, "Material")) ? fc[Text(s, "Material")] : 0;
    numbers[2] = Number(s, "t2");
    numbers[3] = Number(s, "t3");
  }
  for (const char* table : {"FRAME SECTION PROPERTIES 02 - CONCRETE COLUMN", "FRAME SECTION PROPERTIES 03 - CONCRETE BEAM"}) {
    for (const Record& s : tables[table]) {
      auto& numbers = expected.sections[Text(s, "SectionName")];
      numbers[1] = fy.count(Text(s, "RebarMatL")) ? fy[Text(s, "RebarMatL")] : 0;
      if (std::string(table).ends_with("COLUMN")) {
        numbers[4] = Number(s, "Cover");
        numbers[5] = diameter.count(Text(s, "BarSizeL")) ? diameter[Text(s, "BarSizeL")] : 0;
      }
    }
  }
  return expected;
}

// out.txt read back: blocks of counts and lines.
struct Converted {
  std::map<double, std::array<double, 3>> joints;
  std::map<double, std::string> frameSections, areaSections;
  std::map<std::string, std::array<double, 6>> sections;
};

std::vector<std::string> Split(const std::string& line) {
  std::vector<std::string> items;
  std::stringstream in(line);
  for (std::string item; std::getline(in, item, ',');) items.push_back(item);
  return items;
}

Converted ReadOut(const std::string& out) {
  std::vector<std::string> lines;
  for (std::size_t at = 0; at < out.size();) {
    const std::size_t end = out.find("\r\n", at);
    lines.push_back(out.substr(at, end - at));
    at = end + 2;
  }
  std::size_t next = 0;
  auto take = [&] { return lines.at(next++); };
  Converted got;
  std::vector<std::array<double, 2>> frames, areas;  // label, section number
  for (int n = std::stoi(take()); n > 0; --n) {
    const auto items = Split(take());
    got.joints.emplace(std::stod(items[0]), std::array<double, 3>{std::stod(items[1]), std::stod(items[2]), std::stod(items[3])});
  }
  for (int n = std::stoi(take()); n > 0; --n) {
    const auto items = Split(take());
    frames.push_back({std::stod(items[0]), std::stod(items[3])});
  }
  for (int n = std::stoi(take()); n > 0; --n) {
    const auto items = Split(take());
    areas.push_back({std::stod(items[0]), std::stod(items[5])});
  }
  std::vector<std::string> frameNames, areaNames;
  for (int n = std::stoi(take()); n > 0; --n) {
    std::string name = take();
    name = name.substr(1, name.size() - 2);
    frameNames.push_back(name);
    const auto items = Split(take());
    got.sections[name] = {std::stod(items[1]), std::stod(items[2]), std::stod(items[3]),
                          std::stod(items[4]), std::stod(items[5]), std::stod(items[6])};
  }
  for (int n = std::stoi(take()); n > 0; --n) {
    const std::string name = take();
    areaNames.push_back(name.substr(1, name.size() - 2));
  }
  auto nameOf = [](const std::vector<std::string>& names, double number) {
    return number >= 1 && number <= names.size() ? names[static_cast<std::size_t>(number) - 1] : "";
  };
  for (const auto& [label, section] : frames) got.frameSections.emplace(label, nameOf(frameNames, section));
  for (const auto& [label, section] : areas) got.areaSections.emplace(label, nameOf(areaNames, section));
  return got;
}

bool Near(double a, double b) { return std::abs(a - b) <= 1e-9 * std::max({1.0, std::abs(a), std::abs(b)}); }

std::vector<std::string> Models() {
  std::vector<std::string> names;
  std::error_code missing;
  for (const auto& entry : std::filesystem::directory_iterator(kCorpus, missing)) {
    if (entry.path().extension() == ".s2k") names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

TEST(RealModels, ConvertToWhatTheModelsSay) {
  const auto models = Models();
  if (models.empty()) GTEST_SKIP() << "no real models at " << kCorpus;
  for (const std::string& name : models) {
    SCOPED_TRACE(name);
    const std::string text = TempFolder::ReadFile(kCorpus / name);
    TempFolder folder;
    ConversionResult result;
    {
      CurrentFolder here(folder.path());
      ConversionOptions options;
      options.startTool = false;
      result = SAP2KREAD(kCorpus / name, options);
    }
    EXPECT_EQ(result.reading, Reading::kModern);
    EXPECT_EQ(result.jointsWithoutCoordinates.count, 0);
    EXPECT_EQ(result.unmatchedAssignments.count, 0);
    const Expected expected = ReadIndependently(text);
    const Converted got = ReadOut(folder.Read("out.txt"));

    ASSERT_EQ(got.joints.size(), expected.joints.size());
    for (const auto& [label, at] : expected.joints) {
      ASSERT_TRUE(got.joints.count(label)) << "joint " << label;
      for (int i = 0; i < 3; ++i) EXPECT_TRUE(Near(got.joints.at(label)[i], at[i])) << "joint " << label << " axis " << i;
    }
    EXPECT_EQ(got.frameSections, expected.frameSections);
    EXPECT_EQ(got.areaSections, expected.areaSections);
    for (const auto& [section, numbers] : expected.sections) {
      ASSERT_TRUE(got.sections.count(section)) << section;
      for (int i = 0; i < 6; ++i) EXPECT_TRUE(Near(got.sections.at(section)[i], numbers[i])) << section << " " << i;
    }
  }
}

}  // namespace
}  // namespace korvel::conv
