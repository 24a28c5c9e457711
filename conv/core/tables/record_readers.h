#pragma once
// The record readers, one per recognised table. Each is a key table for
// ScanFields plus what it does with the values. The readers keep nothing
// between calls; number values beyond the range of a double throw
// OverflowError.

#include <string_view>

#include "conv/core/input/field_scanner.h"
#include "conv/core/input/model_line.h"
#include "conv/core/input/reading_declaration.h"
#include "conv/core/tables/element_names.h"
#include "conv/core/tables/model_tables.h"

namespace korvel::conv {

// What a reader noticed besides its values, for the warnings.
struct RecordNotes {
  std::string_view nonNumericLabel;                  // the first label that is not a number
  ElementKind nonNumericKind = ElementKind::kJoint;  // whose label it is
  bool coordinatesMissing = false;                   // a joint the reading could not place
};

// How a reading reads a record: its keys as AsRead gives them, and its
// labels. The classic reading reads labels as numbers and notes the first
// one that is not; the modern one numbers element names in the model's
// table of names.
class RecordReading {
 public:
  RecordReading(Reading reading, ElementNames& names) : reading_(reading), names_(names) {}
  // The classic reading, which numbers no names.
  static const RecordReading& Classic();

  Reading reading() const { return reading_; }
  // The label of a value of `kind`: its number (noting a label that is not a
  // number), or in the modern reading the mark of its name.
  double Label(const FieldValue& value, ElementKind kind, RecordNotes& notes) const;

 private:
  Reading reading_;
  ElementNames& names_;
};

// An assignment line: the element label and the section number of the named
// section (0 when the name found the table full).
struct SectionAssignment {
  double label = 0;
  int section = 0;
  // The line names no section (no value, or SAP2000's None): the modern
  // reading gives section 0, the classic one numbers it as any name.
  bool unnamed = false;
};

// "JOINT COORDINATES": GlobalX=, GlobalY=, GlobalZ=.
RecordNotes ReadJoint(const ModelLine& A, Joint& joint);
// "JOINT COORDINATES" as SAP2000 12 and later write it: GlobalX= ... where
// the record has them, otherwise XorR=, Y=, Z= of a joint in the GLOBAL
// system (T= for the angle of a cylindrical one).
RecordNotes ReadModernJoint(const ModelLine& A, Joint& joint, ElementNames& names);
// "CONNECTIVITY - FRAME"
RecordNotes ReadFrameCon(const ModelLine& A, Frame& frame, const RecordReading& reading = RecordReading::Classic());
// "CONNECTIVITY - AREA": the label only as the line's first item (so the tail
// of "AreaArea=" is never taken for it); thickness = Volume / AreaArea, the
// AreaArea read so far, and 0 while that is 0.
RecordNotes ReadAreaCon(const ModelLine& A, Area& area, const RecordReading& reading = RecordReading::Classic());

// "FRAME SECTION ASSIGNMENTS" and "AREA SECTION ASSIGNMENTS".
RecordNotes ReadFrameSection(const ModelLine& A, SectionNames& FrameSection, SectionAssignment& assignment,
                             const RecordReading& reading = RecordReading::Classic());
RecordNotes ReadAreaSection(const ModelLine& A, SectionNames& AreaSection, SectionAssignment& assignment,
                            const RecordReading& reading = RecordReading::Classic());

// "MATERIAL PROPERTIES 04 - DESIGN CONCRETE": Fc and RebarFy for every row.
void ReadConcrete(const ModelLine& A, SectionInfo& sectionInfo);
// "FRAME SECTION PROPERTIES 01 - GENERAL": t2 and t3.
void ReadFSectionProp(const ModelLine& A, SectionNames& FrameSection, SectionInfo& sectionInfo,
                      const RecordReading& reading = RecordReading::Classic());
// "FRAME SECTION PROPERTIES 02 - CONCRETE COLUMN": Cover and BarSize.
void ReadColumnProp(const ModelLine& A, SectionNames& FrameSection, SectionInfo& sectionInfo,
                    const RecordReading& reading = RecordReading::Classic());
// "AREA SECTION PROPERTIES": registers the name.
void ReadAreaProp(const ModelLine& A, SectionNames& AreaSection,
                  const RecordReading& reading = RecordReading::Classic());

}  // namespace korvel::conv
