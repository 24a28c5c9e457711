#pragma once
// Which reading a model gets. SAP2000 12 and later write joints, materials,
// continuation lines and the order of tables differently from the earlier
// versions the classic reading was made for; a model says which program wrote
// it in its table "PROGRAM CONTROL", wherever that stands in the file. The
// first declaration in the file decides.

#include <string>

#include "conv/core/input/line_source.h"

namespace korvel::conv {

enum class Reading { kClassic, kModern };
enum class ReadingChoice { kFromModel, kClassic, kModern };

inline constexpr int kFirstModernVersion = 12;

inline Reading ReadingOf(int declaredVersion) {
  return declaredVersion >= kFirstModernVersion ? Reading::kModern : Reading::kClassic;
}

// Passes the lines of a model on and notes the SAP2000 major version that
// "PROGRAM CONTROL" declares (ProgramName=SAP2000 Version=16.1.1 gives 16;
// ProgramName=CSiBridge, at least 12), a record continued over several lines
// included.
class DeclarationWatch final : public LineSource {
 public:
  explicit DeclarationWatch(LineSource& lines) : lines_(lines) {}

  bool AtEnd() override { return lines_.AtEnd(); }
  std::string_view Next() override;
  int lineNumber() const override { return lines_.lineNumber(); }

  // Whether a declaration was seen, and the version the first one declares.
  bool found() const { return found_; }
  int version() const { return version_; }
  // The version of a later declaration that asks for the other reading, 0
  // for none.
  int disagreeingVersion() const { return disagreeing_; }
  // The programs as declared, for a message: "SAP2000 11", "CSiBridge 25".
  const std::string& declaredProgram() const { return shown_; }
  const std::string& disagreeingProgram() const { return disagreeingShown_; }
  // Reads on, only for the first declaration, until it is found or the file
  // ends.
  void ReadToDeclaration();
  // What the first record of "PROGRAM CONTROL" says, as it stands (code page
  // 936): ProgramName=, Version=, CurrUnits=.
  const std::string& program() const { return program_; }
  const std::string& versionText() const { return versionText_; }
  const std::string& units() const { return units_; }

 private:
  void Note(int version, const std::string& shown);

  LineSource& lines_;
  RecordJoin record_;
  bool inProgramControl_ = false, found_ = false;
  int version_ = 0, disagreeing_ = 0;
  std::string shown_, disagreeingShown_;
  std::string program_, versionText_, units_;
};

}  // namespace korvel::conv
