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

// The major version of the SAP2000 that declares itself in "PROGRAM CONTROL"
// (ProgramName=SAP2000 Version=16.1.1 gives 16); 0 when there is none.
int DeclaredSap2000Version(LineSource& lines);

}  // namespace korvel::conv
