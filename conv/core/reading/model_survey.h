#pragma once
// What the whole model holds beyond what out.txt carries, for the warnings,
// `korvel check` and the picture of a model: the program that wrote it, the
// elements of the "CONNECTIVITY" tables out.txt leaves out, the shape of
// every frame section, and where the geometry a solver stumbles over lies.

#include <string>
#include <vector>

#include "conv/core/input/model_line.h"
#include "conv/core/reading/result.h"
#include "conv/core/tables/name_table.h"
#include "conv/core/tables/record_readers.h"
#include "conv/core/tables/section_links.h"

namespace korvel::conv {

// A place in the model, for the picture.
struct ModelPoint {
  double x = 0, y = 0, z = 0;
};

// A two-joint element out.txt leaves out (a link, a cable, a tendon).
struct LeftOutLine {
  std::size_t kind;  // index into ConversionResult::leftOut
  double jointI, jointJ;
};

struct ModelSurvey {
  // The first record of "PROGRAM CONTROL", as the model writes it (code page 936).
  std::string program, version, units;
  ByName<std::string> shapeOf;  // frame section -> Shape=
  // Once the file is read: the Shape= of each frame section of out.txt
  // ("" where the model gives none), and the frames using each number
  // (index 0: none).
  std::vector<std::string> frameShapes;
  std::vector<int> framesPerSection;
  int unusedJoints = 0;  // joints no frame and no area names

  // Kept only for a picture (ConversionOptions::keepPlaces).
  bool keepPlaces = false;
  std::vector<LeftOutLine> leftOutLines;
  std::vector<ModelPoint> zeroLengthAt, degenerateAt, coincidentAt;
};

// "FRAME SECTION PROPERTIES 01 - GENERAL": the section's Shape=.
void ReadSectionShape(const ModelLine& A, ByName<std::string>& shapeOf, const RecordReading& reading);

// The "CONNECTIVITY - …" tables that out.txt leaves out: which kind a header
// opens ("" for none), and each record of an open one counted.
class LeftOutTables {
 public:
  // Whether the header line opens such a table; `opensKnown` when the
  // reading opened a table of its own on it.
  void Header(const ModelLine& line, std::size_t titleAt, bool opensKnown, ConversionResult& result);
  void Close() { open_ = kNone; }
  void Record(const ModelLine& line, const RecordReading& reading, ConversionResult& result, ModelSurvey& survey);

 private:
  static constexpr std::size_t kNone = static_cast<std::size_t>(-1), kPending = kNone - 1;
  std::size_t open_ = kNone;  // an index into ConversionResult::leftOut, or one of these
  std::string kind_;
};

}  // namespace korvel::conv
