#include "pre/core/section_fields.h"

#include <algorithm>

#include "common/lenient_number.h"

namespace korvel::pre {

// The window's columns: section and core concrete, cover concrete, bar areas.
const std::array<SectionField, kFieldCount> kSectionFields = {{
    {"LengthX", "截面X方向长度", 1920, 240, 1215, [](SectionInput& s) -> double& { return s.LengthX; }, 0},
    {"LengthY", "截面Y方向长度", 1920, 720, 1215, [](SectionInput& s) -> double& { return s.LengthY; }, 0},
    {"Modulus", "截面弹性模量", 1920, 1200, 1215, [](SectionInput& s) -> double& { return s.Modulus; }, 0},
    {"Cover", "保护层厚度", 1920, 1680, 1215, [](SectionInput& s) -> double& { return s.Cover; }, 0},
    {"Core.fc", "核心区混凝土fc", 1920, 2160, 1455, [](SectionInput& s) -> double& { return s.CoreConcrete.fc; }, 0},
    {"Core.eps0", "核心区混凝土eps0", 1920, 2640, 1575, [](SectionInput& s) -> double& { return s.CoreConcrete.eps0; },
     0},
    {"Core.sigu", "核心区混凝土sigu", 1920, 3120, 1575, [](SectionInput& s) -> double& { return s.CoreConcrete.sigu; },
     0},
    {"Core.epsu", "核心区混凝土epsu", 1920, 3600, 1575, [](SectionInput& s) -> double& { return s.CoreConcrete.epsu; },
     0},
    {"Cover.fc", "保护层混凝土fc", 4920, 2160, 1455, [](SectionInput& s) -> double& { return s.CoverConcrete.fc; }, 5},
    {"Cover.eps0", "保护层混凝土eps0", 4920, 2640, 1575,
     [](SectionInput& s) -> double& { return s.CoverConcrete.eps0; }, 6},
    {"Cover.sigu", "保护层混凝土sigu", 4920, 3120, 1575,
     [](SectionInput& s) -> double& { return s.CoverConcrete.sigu; }, 7},
    {"Cover.epsu", "保护层混凝土epsu", 4920, 3600, 1575,
     [](SectionInput& s) -> double& { return s.CoverConcrete.epsu; }, 8},
    {"Core.E0", "核心区混凝土E0", 1920, 4080, 1575, [](SectionInput& s) -> double& { return s.CoreConcrete.E0; }, 0},
    {"Cover.E0", "保护层混凝土E0", 4920, 4080, 1575, [](SectionInput& s) -> double& { return s.CoverConcrete.E0; }, 13},
    {"Bar1.Es", "钢筋1 Es", 1920, 4560, 1575, [](SectionInput& s) -> double& { return s.Rebars[0].Es; }, 0},
    {"Bar1.fy", "钢筋1 fy", 4920, 4560, 1575, [](SectionInput& s) -> double& { return s.Rebars[0].fy; }, 0},
    {"Bar1.As", "钢筋1 As", 7920, 4560, 975, [](SectionInput& s) -> double& { return s.Rebars[0].As; }, 0},
    {"Bar2.Es", "钢筋2 Es", 1920, 5040, 1575, [](SectionInput& s) -> double& { return s.Rebars[1].Es; }, 0},
    {"Bar2.fy", "钢筋2 fy", 4920, 5040, 1575, [](SectionInput& s) -> double& { return s.Rebars[1].fy; }, 0},
    {"Bar2.As", "钢筋2 As", 7920, 5040, 975, [](SectionInput& s) -> double& { return s.Rebars[1].As; }, 0},
    {"Bar3.Es", "钢筋3 Es", 1920, 5520, 1575, [](SectionInput& s) -> double& { return s.Rebars[2].Es; }, 0},
    {"Bar3.fy", "钢筋3 fy", 4920, 5520, 1575, [](SectionInput& s) -> double& { return s.Rebars[2].fy; }, 0},
    {"Bar3.As", "钢筋3 As", 7920, 5520, 975, [](SectionInput& s) -> double& { return s.Rebars[2].As; }, 0},
    {"Bar4.Es", "钢筋4 Es", 1920, 6000, 1575, [](SectionInput& s) -> double& { return s.Rebars[3].Es; }, 0},
    {"Bar4.fy", "钢筋4 fy", 4920, 6000, 1575, [](SectionInput& s) -> double& { return s.Rebars[3].fy; }, 0},
    {"Bar4.As", "钢筋4 As", 7920, 6000, 1095, [](SectionInput& s) -> double& { return s.Rebars[3].As; }, 0},
}};

namespace {
[[noreturn]] void FailAt(const std::string& fileName, int line, const std::string& reason) {
  throw LineError(kSectionFileKind, fileName, line, reason);
}
}  // namespace

SectionInput SectionFromTexts(const SectionTexts& texts) {
  SectionInput input;
  for (int k = 0; k < kFieldCount; ++k) {
    try {
      kSectionFields[k].value(input) = LenientNumber(texts[k]);
    } catch (const OverflowError& e) {
      throw FieldOverflow(k + 1, std::string(kSectionFields[k].name) + " 的" + e.what());
    }
  }
  return input;
}

SectionInput ReadSectionFile(std::istream& in, const std::string& fileName) {
  SectionTexts texts;
  texts.fill("0");
  std::array<int, kFieldCount> lineOf{};  // 0 while not given
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    // Notepad starts a UTF-8 file with a byte-order mark, which no one sees.
    if (number == 1 && line.starts_with("\xEF\xBB\xBF")) line.erase(0, 3);
    auto fail = [&](const std::string& reason) { FailAt(fileName, number, reason); };
    const std::size_t start = line.find_first_not_of(" \t");
    if (start == std::string::npos || line[start] == '#') continue;
    const std::size_t equals = line.find('=');
    if (equals == std::string::npos) fail("缺少 \"=\"");
    std::string_view name = std::string_view(line).substr(start, equals - start);
    while (!name.empty() && (name.back() == ' ' || name.back() == '\t')) name.remove_suffix(1);
    const auto found = std::find_if(kSectionFields.begin(), kSectionFields.end(),
                                    [&](const SectionField& field) { return field.name == name; });
    if (found == kSectionFields.end()) fail("未知的参数名 \"" + Excerpt(name) + "\"");
    const auto k = static_cast<std::size_t>(found - kSectionFields.begin());
    if (lineOf[k] != 0) fail("参数 \"" + std::string(name) + "\" 重复给出");
    lineOf[k] = number;
    texts[k] = line.substr(equals + 1);
  }
  if (std::all_of(lineOf.begin(), lineOf.end(), [](int line) { return line == 0; })) {
    throw FileError(kSectionFileKind, fileName,
                    "没有给出任何参数（文件是空的或只有注释），请每行写一个 名称=数值（如 LengthX=400）");
  }
  try {
    return SectionFromTexts(texts);
  } catch (const FieldOverflow& e) {
    FailAt(fileName, lineOf[e.field() - 1], e.what());
  }
}

}  // namespace korvel::pre
