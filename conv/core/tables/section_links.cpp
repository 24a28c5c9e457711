#include "conv/core/tables/section_links.h"

#include <optional>

#include "conv/core/input/field_scanner.h"

namespace korvel::conv {
namespace {

constexpr auto kWhole = KeyPlace::kWholeKey;
constexpr auto kEnd = ValueEnd::kBlankOrEndOfLine;
constexpr auto kNumber = ValueKind::kDecimalCommaNumber;

// One record of a name and the values that go with it; the last occurrence
// of a key in the record counts.
template <std::size_t N>
struct NamedValues {
  std::string_view name;
  std::array<std::optional<FieldValue>, N> values;
};

template <std::size_t N>
NamedValues<N> Scan(const ModelLine& A, const KeyTable& keys) {
  NamedValues<N> record;
  ScanFields(A, keys, [&](std::size_t k, const FieldValue& value) {
    if (k == 0) {
      record.name = value.text;
    } else {
      record.values[k - 1] = value;
    }
  });
  return record;
}

template <typename Value>
void Put(ByName<Value>& map, std::string_view name, Value value) {
  if (const auto found = map.find(name); found != map.end()) {
    found->second = std::move(value);
  } else if (map.size() < kLinkedNames) {
    map.emplace(name, std::move(value));
  }
}

void Put(NameSet& set, std::string_view name) {
  if (set.size() < kLinkedNames) set.emplace(name);
}

void ReadNamedNumber(const ModelLine& A, const KeyTable& keys, ByName<double>& into) {
  const auto record = Scan<1>(A, keys);
  if (!record.name.empty() && record.values[0]) Put(into, record.name, record.values[0]->number);
}

void Link(ByName<std::string>& links, std::string_view section, const std::optional<FieldValue>& target) {
  if (!section.empty() && target) Put(links, section, std::string(target->text));
}

}  // namespace

bool SectionLinks::IsConcrete(std::string_view section) const {
  if (reinforced.contains(section)) return true;
  const auto material = concreteOf.find(section);
  return material != concreteOf.end() && concreteMaterial.contains(material->second);
}

void ReadSectionMaterial(const ModelLine& A, SectionLinks& links) {
  static const KeyTable keys{{"SectionName=", ValueKind::kText, kWhole, kEnd},
                             {"Material=", ValueKind::kText, kWhole, kEnd},
                             {"Shape=", ValueKind::kText, kWhole, kEnd}};
  const auto record = Scan<2>(A, keys);
  Link(links.concreteOf, record.name, record.values[0]);
  if (!record.name.empty() && record.values[1] && record.values[1]->text == "SD Section") {
    Put(links.designed, record.name);
  }
}

void ReadSectionRebar(const ModelLine& A, SectionLinks& links) {
  static const KeyTable keys{{"SectionName=", ValueKind::kText, kWhole, kEnd},
                             {"RebarMatL=", ValueKind::kText, kWhole, kEnd},
                             {"BarSizeL=", ValueKind::kText, kWhole, kEnd},
                             {"BarSize=", ValueKind::kText, kWhole, kEnd}};
  const auto record = Scan<3>(A, keys);
  if (!record.name.empty()) Put(links.reinforced, record.name);
  Link(links.rebarOf, record.name, record.values[0]);
  if (record.values[2]) {
    if (const auto found = links.barOf.find(record.name); found != links.barOf.end())
      links.barOf.erase(found);  // a bar size given as a number wins
  } else {
    Link(links.barOf, record.name, record.values[1]);
  }
}

void ReadConcreteData(const ModelLine& A, SectionLinks& links) {
  static const KeyTable keys{{"Material=", ValueKind::kText, kWhole, kEnd}, {"Fc=", kNumber, kWhole, kEnd}};
  ReadNamedNumber(A, keys, links.fcOf);
}

void ReadMaterialType(const ModelLine& A, SectionLinks& links) {
  static const KeyTable keys{{"Material=", ValueKind::kText, kWhole, kEnd}, {"Type=", ValueKind::kText, kWhole, kEnd}};
  const auto record = Scan<1>(A, keys);
  if (!record.name.empty() && record.values[0] && record.values[0]->text == "Concrete") {
    Put(links.concreteMaterial, record.name);
  }
}

void ReadRebarData(const ModelLine& A, SectionLinks& links) {
  static const KeyTable keys{{"Material=", ValueKind::kText, kWhole, kEnd}, {"Fy=", kNumber, kWhole, kEnd}};
  ReadNamedNumber(A, keys, links.fyOf);
}

void ReadRebarSize(const ModelLine& A, SectionLinks& links) {
  static const KeyTable keys{{"RebarID=", ValueKind::kText, kWhole, kEnd}, {"Diameter=", kNumber, kWhole, kEnd}};
  ReadNamedNumber(A, keys, links.diameterOf);
}

UnknownBars ApplySectionLinks(const SectionLinks& links, const SectionNames& names, SectionInfo& sectionInfo) {
  auto valueOf = [](const ByName<std::string>& link, const ByName<double>& values,
                    std::string_view key) -> std::optional<double> {
    const auto linked = link.find(key);
    if (linked == link.end()) return std::nullopt;
    const auto value = values.find(linked->second);
    if (value == values.end()) return std::nullopt;
    return value->second;
  };
  UnknownBars unknown;
  NameSet unknownNames;
  for (int m = 1; m <= names.count(); ++m) {
    const std::string& name = names.Name(m);
    FrameSectionRow& row = sectionInfo.MutableRow(m);
    row.fc = valueOf(links.concreteOf, links.fcOf, name).value_or(0);
    row.rebarFy = valueOf(links.rebarOf, links.fyOf, name).value_or(0);
    const auto bar = links.barOf.find(name);
    if (bar == links.barOf.end()) continue;
    const auto diameter = links.diameterOf.find(bar->second);
    row.barSize = diameter == links.diameterOf.end() ? 0 : diameter->second;
    if (diameter == links.diameterOf.end() && unknownNames.insert(bar->second).second) {
      if (unknown.count++ == 0) unknown.first = bar->second;
    }
  }
  return unknown;
}

}  // namespace korvel::conv
