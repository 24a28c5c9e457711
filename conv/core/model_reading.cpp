#include "conv/core/model_reading.h"

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

int DeclaredSap2000Version(LineSource& lines) {
  static const KeyTable keys{{"ProgramName=", ValueKind::kText, KeyPlace::kWholeKey, ValueEnd::kBlankOrEndOfLine},
                             {"Version=", ValueKind::kText, KeyPlace::kWholeKey, ValueEnd::kBlankOrEndOfLine}};
  bool inTable = false;
  ModelLine record;
  while (!lines.AtEnd()) {
    const std::string_view line = lines.Next();
    if (!inTable) {
      inTable = IsProgramControlHeader(line);
      continue;
    }
    if (line.find_first_not_of(' ') == std::string_view::npos) break;
    record.Assign(line);
    std::string_view program, version;
    ScanFields(record, keys, [&](std::size_t k, const FieldValue& value) {
      (k == 0 ? program : version) = value.text;
    });
    if (program == "SAP2000") return MajorVersion(version);
  }
  return 0;
}

}  // namespace korvel::conv
