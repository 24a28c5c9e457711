#include "conv/core/input/reading_declaration.h"

#include <algorithm>
#include <optional>
#include <string>

#include "conv/core/input/field_scanner.h"

namespace korvel::conv {
namespace {

bool IsProgramControlHeader(std::string_view line) {
  if (!StartsATable(line)) return false;
  const ModelLine header(line);
  const std::size_t titleAt = header.TitleOffset();
  return titleAt != ModelLine::npos && line.substr(titleAt).starts_with("PROGRAM CONTROL\"");
}

int MajorVersion(std::string_view version) {
  int major = 0;
  for (char c : version) {
    if (c < '0' || c > '9' || major > 100000) break;
    major = major * 10 + (c - '0');
  }
  return major;
}

// What a record of "PROGRAM CONTROL" says, as it stands.
struct ControlRecord {
  std::string_view program, version, units;
};

ControlRecord ScanControlRecord(std::string_view record) {
  static const KeyTable keys{{"ProgramName=", ValueKind::kText, KeyPlace::kWholeKey, ValueEnd::kBlankOrEndOfLine},
                             {"Version=", ValueKind::kText, KeyPlace::kWholeKey, ValueEnd::kBlankOrEndOfLine},
                             {"CurrUnits=", ValueKind::kText, KeyPlace::kWholeKey, ValueEnd::kBlankOrEndOfLine}};
  ControlRecord said;
  std::string_view* const into[] = {&said.program, &said.version, &said.units};
  ScanFields(ModelLine(record), keys, [&](std::size_t k, const FieldValue& value) { *into[k] = value.text; });
  return said;
}

// The SAP2000 major version that a record of "PROGRAM CONTROL" declares, and
// the program as a message names it ("CSiBridge 25"). CSiBridge, built on
// SAP2000 12 and later, writes the same tables whatever its own version.
std::optional<int> DeclaredVersion(const ControlRecord& said, std::string& shown) {
  if (said.program != "SAP2000" && said.program != "CSiBridge") return std::nullopt;
  const int major = MajorVersion(said.version);
  // SAP2000 without a version declares nothing: such a model is read by its content.
  if (said.program == "SAP2000" && major == 0) return std::nullopt;
  shown.assign(said.program);
  if (major > 0) shown.append(1, ' ').append(std::to_string(major));
  return said.program == "SAP2000" ? major : std::max(major, kFirstModernVersion);
}

}  // namespace

std::string_view DeclarationWatch::Next() {
  const std::string_view line = lines_.Next();
  if (!inProgramControl_) {
    // Most lines are told apart by their first byte.
    inProgramControl_ = !line.empty() && line[0] == 'T' && IsProgramControlHeader(line);
    return line;
  }
  const std::optional<std::string_view> record = record_.Add(line);
  if (!record) return line;
  if (record->find_first_not_of(' ') == std::string_view::npos) {
    inProgramControl_ = false;
  } else {
    const ControlRecord said = ScanControlRecord(*record);
    if (program_.empty() && !said.program.empty()) {  // the first record that names a program
      program_ = said.program;
      versionText_ = said.version;
      units_ = said.units;
    }
    std::string shown;
    if (const std::optional<int> version = DeclaredVersion(said, shown)) Note(*version, shown);
  }
  return line;
}

void DeclarationWatch::Note(int version, const std::string& shown) {
  if (!found_) {
    found_ = true;
    version_ = version;
    shown_ = shown;
  } else if (disagreeing_ == 0 && ReadingOf(version) != ReadingOf(version_)) {
    disagreeing_ = version;
    disagreeingShown_ = shown;
  }
}

void DeclarationWatch::ReadToDeclaration() {
  while (!found_ && !AtEnd()) Next();
}

}  // namespace korvel::conv
