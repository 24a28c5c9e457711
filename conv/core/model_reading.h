#pragma once
// Which reading a model gets. SAP2000 12 and later write joints, materials,
// continuation lines and the order of tables differently from the earlier
// versions the classic reading was made for; a model says which program wrote
// it in its table "PROGRAM CONTROL", wherever that stands in the file.

#include "conv/core/line_source.h"

namespace korvel::conv {

enum class Reading { kClassic, kModern };
enum class ReadingChoice { kFromModel, kClassic, kModern };

inline constexpr int kFirstModernVersion = 12;

// Passes the lines of a model on and notes the SAP2000 major version that
// "PROGRAM CONTROL" declares (ProgramName=SAP2000 Version=16.1.1 gives 16;
// ProgramName=CSiBridge, at least 12).
class DeclarationWatch final : public LineSource {
 public:
  explicit DeclarationWatch(LineSource& lines) : lines_(lines) {}

  bool AtEnd() override { return lines_.AtEnd(); }
  std::string_view Next() override;
  int lineNumber() const override { return lines_.lineNumber(); }

  // The declared version, 0 while none has been seen.
  int version() const { return version_; }
  // Reads on, only for the declaration, until it is found or the file ends.
  void ReadToDeclaration();

 private:
  LineSource& lines_;
  bool inProgramControl_ = false, found_ = false;
  int version_ = 0;
};

}  // namespace korvel::conv
