#include "conv/core/model_reading.h"

#include <algorithm>

#include "conv/core/field_scanner.h"

namespace korvel::conv {
namespace {

bool IsProgramControlHeader(std::string_view line) {
  // The title stands from character 10 of a header, in plain ASCII.
  return line.starts_with("TABLE") && line.size() > 9 && line.substr(9).starts_with("PROGRAM CONTROL\"");
}

int MajorVersion(std::string_view version) {
  int major = 0;
  for (char c : version) {
    if (c < '0' || c > '9' || major > 100000) break;
    major = major * 10 + (c - '0');
  }
  return major;
}

}  // namespace

std::string_view DeclarationWatch::Next() {
  const std::string_view line = lines_.Next();
  if (found_) return line;
  if (!inProgramControl_) {
    // Most lines are told apart by their first byte.
    inProgramControl_ = !line.empty() && line[0] == 'T' && IsProgramControlHeader(line);
    return line;
  }
  if (line.find_first_not_of(' ') == std::string_view::npos) {
    inProgramControl_ = false;
    return line;
  }
  static const KeyTable keys{{"ProgramName=", ValueKind::kText, KeyPlace::kWholeKey, ValueEnd::kBlankOrEndOfLine},
                             {"Version=", ValueKind::kText, KeyPlace::kWholeKey, ValueEnd::kBlankOrEndOfLine}};
  const ModelLine record(line);
  std::string_view program, version;
  ScanFields(record, keys, [&](std::size_t k, const FieldValue& value) { (k == 0 ? program : version) = value.text; });
  if (program == "SAP2000") {
    found_ = true;
    version_ = MajorVersion(version);
  } else if (program == "CSiBridge") {
    // Built on SAP2000 12 and later, it writes the same tables whatever its own version.
    found_ = true;
    version_ = std::max(MajorVersion(version), kFirstModernVersion);
  }
  return line;
}

void DeclarationWatch::ReadToDeclaration() {
  while (!found_ && !AtEnd()) Next();
}

}  // namespace korvel::conv
