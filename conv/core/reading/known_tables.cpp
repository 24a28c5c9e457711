#include "conv/core/reading/known_tables.h"

#include <array>

#include "conv/core/input/model_text.h"
#include "conv/core/reading/table_pass.h"

namespace korvel::conv {
namespace {

constexpr KnownTable::Readings kClassic{true, false}, kModern{false, true}, kBoth{true, true};

void DesignConcrete(PassState& pass, const ModelLine& A) { ReadConcrete(A, pass.read.tables.sectionInfo); }

void FrameSections(PassState& pass, const ModelLine& A) {
  ReadFSectionProp(A, pass.read.tables.frameSections, pass.read.tables.sectionInfo, pass.records);
}

void SectionShapes(PassState& pass, const ModelLine& A) { ReadSectionShape(A, pass.read.survey.shapeOf, pass.records); }

void SectionMaterial(PassState& pass, const ModelLine& A) { ReadSectionMaterial(A, pass.links); }

void ConcreteColumns(PassState& pass, const ModelLine& A) {
  ReadColumnProp(A, pass.read.tables.frameSections, pass.read.tables.sectionInfo, pass.records);
}

void SectionRebar(PassState& pass, const ModelLine& A) { ReadSectionRebar(A, pass.links); }

void AreaSections(PassState& pass, const ModelLine& A) { ReadAreaProp(A, pass.read.tables.areaSections, pass.records); }

void AddJoint(PassState& pass, const Joint& joint, const RecordNotes& notes) {
  if (notes.coordinatesMissing) {
    pass.read.result.jointsWithoutCoordinates.Note([&] {
      return "节点 " + pass.read.names.Shown(ElementKind::kJoint, joint.label) + "，" + LineExample(pass.lineNumber);
    });
  }
  pass.AddElement(pass.read.tables.joints, joint, LogEntry::kJoint, notes);
}

// Joints as SAP2000 12 and later write them: XorR=, Y=, Z= in the GLOBAL
// Cartesian system (no CoordSys= or CoordType= means that), no GlobalX=.
void NoteJointLayout(PassState& pass, const ModelLine& A) {
  enum { kSystem, kType, kXorR, kGlobalX };
  static const KeyTable keys{{"CoordSys=", ValueKind::kText, KeyPlace::kWholeKey, ValueEnd::kBlankOrEndOfLine},
                             {"CoordType=", ValueKind::kText, KeyPlace::kWholeKey, ValueEnd::kBlankOrEndOfLine},
                             {"XorR=", ValueKind::kText, KeyPlace::kWholeKey, ValueEnd::kBlankOrEndOfLine},
                             {"GlobalX=", ValueKind::kText, KeyPlace::kWholeKey, ValueEnd::kBlankOrEndOfLine}};
  bool cartesian = true, xorR = false, globalX = false;
  ScanFields(A, keys, [&](std::size_t k, const FieldValue& value) {
    if (k == kSystem) cartesian = cartesian && value.text == "GLOBAL";
    if (k == kType) cartesian = cartesian && value.text == "Cartesian";
    xorR = xorR || k == kXorR;
    globalX = globalX || k == kGlobalX;
  });
  if (globalX) {
    ++pass.read.globalJoints;
  } else if (xorR && cartesian) {
    ++pass.read.cartesianJoints;
  }
}

void ClassicJoints(PassState& pass, const ModelLine& A) {
  Joint joint;
  NoteJointLayout(pass, A);
  const RecordNotes notes = ReadJoint(A, joint);
  AddJoint(pass, joint, notes);
}

void ModernJoints(PassState& pass, const ModelLine& A) {
  Joint joint;
  const RecordNotes notes = ReadModernJoint(A, joint, pass.read.names);
  AddJoint(pass, joint, notes);
}

void Frames(PassState& pass, const ModelLine& A) {
  Frame frame;
  const RecordNotes notes = ReadFrameCon(A, frame, pass.records);
  pass.AddElement(pass.read.tables.frames, frame, LogEntry::kFrame, notes);
}

void Areas(PassState& pass, const ModelLine& A) {
  Area area;
  const RecordNotes notes = ReadAreaCon(A, area, pass.records);
  pass.AddElement(pass.read.tables.areas, area, LogEntry::kArea, notes);
}

void FrameAssignments(PassState& pass, const ModelLine& A) {
  SectionAssignment assignment;
  pass.NoteLabel(ReadFrameSection(A, pass.read.tables.frameSections, assignment, pass.records));
  pass.Assign(pass.read.tables.frames, assignment, LogEntry::kFrameAssignment);
}

void AreaAssignments(PassState& pass, const ModelLine& A) {
  SectionAssignment assignment;
  pass.NoteLabel(ReadAreaSection(A, pass.read.tables.areaSections, assignment, pass.records));
  pass.Assign(pass.read.tables.areas, assignment, LogEntry::kAreaAssignment);
}

void ConcreteData(PassState& pass, const ModelLine& A) { ReadConcreteData(A, pass.links); }
void RebarData(PassState& pass, const ModelLine& A) { ReadRebarData(A, pass.links); }
void RebarSizes(PassState& pass, const ModelLine& A) { ReadRebarSize(A, pass.links); }
void MaterialTypes(PassState& pass, const ModelLine& A) { ReadMaterialType(A, pass.links); }

constexpr std::array kTables = {
    KnownTable{"MATERIAL PROPERTIES 04 - DESIGN CONCRETE", kClassic, DesignConcrete},
    KnownTable{"FRAME SECTION PROPERTIES 01 - GENERAL", kBoth, FrameSections},
    KnownTable{"FRAME SECTION PROPERTIES 01 - GENERAL", kModern, SectionMaterial},
    KnownTable{"FRAME SECTION PROPERTIES 01 - GENERAL", kBoth, SectionShapes},
    KnownTable{"FRAME SECTION PROPERTIES 02 - CONCRETE COLUMN", kBoth, ConcreteColumns},
    KnownTable{"FRAME SECTION PROPERTIES 02 - CONCRETE COLUMN", kModern, SectionRebar},
    KnownTable{"AREA SECTION PROPERTIES", kBoth, AreaSections},
    KnownTable{"JOINT COORDINATES", kClassic, ClassicJoints},
    KnownTable{"JOINT COORDINATES", kModern, ModernJoints},
    KnownTable{"CONNECTIVITY - FRAME", kBoth, Frames},
    KnownTable{"CONNECTIVITY - AREA", kBoth, Areas},
    KnownTable{"FRAME SECTION ASSIGNMENTS", kBoth, FrameAssignments},
    KnownTable{"AREA SECTION ASSIGNMENTS", kBoth, AreaAssignments},
    KnownTable{"MATERIAL PROPERTIES 03B - CONCRETE DATA", kModern, ConcreteData},
    KnownTable{"MATERIAL PROPERTIES 03E - REBAR DATA", kModern, RebarData},
    KnownTable{"FRAME SECTION PROPERTIES 03 - CONCRETE BEAM", kModern, SectionRebar},
    KnownTable{"REBAR SIZES", kModern, RebarSizes},
    KnownTable{"MATERIAL PROPERTIES 01 - GENERAL", kModern, MaterialTypes},
};

}  // namespace

std::span<const KnownTable> KnownTables() { return kTables; }

}  // namespace korvel::conv
