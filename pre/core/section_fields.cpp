#include "pre/core/section_fields.h"

#include <algorithm>

#include "common/lenient_number.h"

namespace korvel::pre {

const std::array<std::string_view, kFieldCount> kFieldNames = {
    "LengthX",   "LengthY",    "Modulus",    "Cover",      "Core.fc",  "Core.eps0", "Core.sigu",
    "Core.epsu", "Cover.fc",   "Cover.eps0", "Cover.sigu", "Cover.epsu", "Core.E0", "Cover.E0",
    "Bar1.Es",   "Bar1.fy",    "Bar1.As",    "Bar2.Es",    "Bar2.fy",  "Bar2.As",   "Bar3.Es",
    "Bar3.fy",   "Bar3.As",    "Bar4.Es",    "Bar4.fy",    "Bar4.As"};

namespace {
[[noreturn]] void FailAt(const std::string& fileName, int line, const std::string& reason) {
  throw LineError(fileName, line, reason);
}
}  // namespace

SectionInput SectionFromTexts(const SectionTexts& texts) {
  std::array<double, kFieldCount> v{};
  for (int k = 0; k < kFieldCount; ++k) {
    try {
      v[k] = LenientNumber(texts[k]);
    } catch (const OverflowError& e) {
      throw FieldOverflow(k + 1, std::string(kFieldNames[k]) + "：" + e.what());
    }
  }
  SectionInput input;
  input.LengthX = v[0];
  input.LengthY = v[1];
  input.Modulus = v[2];
  input.Cover = v[3];
  input.CoreConcrete = {v[4], v[5], v[6], v[7], v[12]};
  input.CoverConcrete = {v[8], v[9], v[10], v[11], v[13]};
  for (int bar = 0; bar < 4; ++bar) {
    input.Rebars[bar] = {v[14 + 3 * bar], v[15 + 3 * bar], v[16 + 3 * bar]};
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
    auto fail = [&](const std::string& reason) { FailAt(fileName, number, reason); };
    const std::size_t start = line.find_first_not_of(" \t");
    if (start == std::string::npos || line[start] == '#') continue;
    const std::size_t equals = line.find('=');
    if (equals == std::string::npos) fail("缺少 \"=\"");
    std::string_view name = std::string_view(line).substr(start, equals - start);
    while (!name.empty() && (name.back() == ' ' || name.back() == '\t')) name.remove_suffix(1);
    const auto found = std::find(kFieldNames.begin(), kFieldNames.end(), name);
    if (found == kFieldNames.end()) fail("未知的参数名 \"" + Excerpt(name) + "\"");
    const auto k = static_cast<std::size_t>(found - kFieldNames.begin());
    if (lineOf[k] != 0) fail("参数 \"" + std::string(name) + "\" 重复给出");
    lineOf[k] = number;
    texts[k] = line.substr(equals + 1);
  }
  if (std::all_of(lineOf.begin(), lineOf.end(), [](int line) { return line == 0; })) {
    throw Error(fileName + "：没有给出任何参数（一个全为 0 的截面不会是想要的）");
  }
  try {
    return SectionFromTexts(texts);
  } catch (const FieldOverflow& e) {
    FailAt(fileName, lineOf[e.field() - 1], e.what());
  }
}

}  // namespace korvel::pre
