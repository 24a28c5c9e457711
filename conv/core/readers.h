#pragma once
// The record readers, one per recognised table. Each is a key table for
// ScanFields plus what it does with the values. The readers keep nothing
// between calls; number values beyond the range of a double throw
// OverflowError.

#include <string_view>

#include "conv/core/field_scanner.h"
#include "conv/core/model_line.h"
#include "conv/core/model_tables.h"

namespace korvel::conv {

// What a reader noticed besides its values, for the warnings.
struct RecordNotes {
  std::string_view nonNumericLabel;  // the first label that is not a number
  bool coordinatesMissing = false;   // a joint the reading could not place
};

// An assignment line: the element label and the section number of the named
// section (0 when the name found the table full).
struct SectionAssignment {
  double label = 0;
  int section = 0;
};

// "JOINT COORDINATES": GlobalX=, GlobalY=, GlobalZ=.
RecordNotes ReadJoint(const ModelLine& A, Joint& joint);
// "JOINT COORDINATES" as SAP2000 12 and later write it: GlobalX= ... where
// the record has them, otherwise XorR=, Y=, Z= of a joint in the GLOBAL
// system (T= for the angle of a cylindrical one).
RecordNotes ReadModernJoint(const ModelLine& A, Joint& joint);
// "CONNECTIVITY - FRAME"
RecordNotes ReadFrameCon(const ModelLine& A, Frame& frame);
// "CONNECTIVITY - AREA": the label only as the line's first item (so the tail
// of "AreaArea=" is never taken for it); thickness = Volume / AreaArea, the
// AreaArea read so far, and 0 while that is 0.
RecordNotes ReadAreaCon(const ModelLine& A, Area& area);

// "FRAME SECTION ASSIGNMENTS" and "AREA SECTION ASSIGNMENTS".
RecordNotes ReadFrameSection(const ModelLine& A, SectionNames& FrameSection, SectionAssignment& assignment);
RecordNotes ReadAreaSection(const ModelLine& A, SectionNames& AreaSection, SectionAssignment& assignment);

// "MATERIAL PROPERTIES 04 - DESIGN CONCRETE": Fc and RebarFy for every row.
void ReadConcrete(const ModelLine& A, SectionInfo& sectionInfo);
// "FRAME SECTION PROPERTIES 01 - GENERAL": t2 and t3. The keys match as the
// tail of longer ones too, unless `place` asks for whole keys.
void ReadFSectionProp(const ModelLine& A, SectionNames& FrameSection, SectionInfo& sectionInfo,
                      KeyPlace place = KeyPlace::kAnywhere);
// "FRAME SECTION PROPERTIES 02 - CONCRETE COLUMN": Cover and BarSize.
void ReadColumnProp(const ModelLine& A, SectionNames& FrameSection, SectionInfo& sectionInfo,
                    KeyPlace place = KeyPlace::kAnywhere);
// "AREA SECTION PROPERTIES": registers the name.
void ReadAreaProp(const ModelLine& A, SectionNames& AreaSection);

}  // namespace korvel::conv
