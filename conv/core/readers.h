#pragma once
// The record readers, one per recognised table. Each is a key table for
// ScanFields plus what it does with the values. The readers keep nothing
// between calls; number values beyond the range of a double throw
// OverflowError.

#include <array>

#include "conv/core/model_line.h"
#include "conv/core/model_tables.h"

namespace korvel::conv {

using JointInfo = std::array<double, 4>;          // label, GlobalX, GlobalY, GlobalZ
using FrameInfo = std::array<double, 3>;          // label, JointI, JointJ
using AreaInfo = std::array<double, 6>;           // label, Joint1..Joint4, thickness
using FrameSectionInfo = std::array<double, 4>;   // label, -, -, section number
using AreaSectionInfo = std::array<double, 7>;    // label, -, -, -, -, -, section number

// "JOINT COORDINATES"
void ReadJoint(const ModelLine& A, JointInfo& info);
// "CONNECTIVITY - FRAME"
void ReadFrameCon(const ModelLine& A, FrameInfo& info);
// "CONNECTIVITY - AREA": the label only as the line's first item (so the tail
// of "AreaArea=" is never taken for it); thickness = Volume / AreaArea, the
// AreaArea read so far, and 0 while that is 0.
void ReadAreaCon(const ModelLine& A, AreaInfo& info);

// "FRAME SECTION ASSIGNMENTS" and "AREA SECTION ASSIGNMENTS": the label, and
// the section number of the named section (0 when the table is full).
void ReadFrameSection(const ModelLine& A, SectionNames& FrameSection, FrameSectionInfo& info);
void ReadAreaSection(const ModelLine& A, SectionNames& AreaSection, AreaSectionInfo& info);

// "MATERIAL PROPERTIES 04 - DESIGN CONCRETE": Fc and RebarFy for every row.
void ReadConcrete(const ModelLine& A, SectionInfo& sectionInfo);
// "FRAME SECTION PROPERTIES 01 - GENERAL": t2 to column 3, t3 to column 4.
void ReadFSectionProp(const ModelLine& A, SectionNames& FrameSection, SectionInfo& sectionInfo);
// "FRAME SECTION PROPERTIES 02 - CONCRETE COLUMN": Cover and BarSize.
void ReadColumnProp(const ModelLine& A, SectionNames& FrameSection, SectionInfo& sectionInfo);
// "AREA SECTION PROPERTIES": registers the name.
void ReadAreaProp(const ModelLine& A, SectionNames& AreaSection);

}  // namespace korvel::conv
