#pragma once
// What the modern reading gathers to give each frame section its own
// strengths and bar size: SAP2000 12 and later name a section's materials and
// bar, and keep their values in tables of their own, in any order in the
// file. Everything is linked by name once the whole file is read.

#include <string>
#include <string_view>
#include "conv/core/input/model_line.h"
#include "conv/core/tables/model_tables.h"
#include "conv/core/tables/name_table.h"

namespace korvel::conv {

// Each map and set holds at most kLinkedNames names; a name beyond them is not
// linked (its section then lacks that value, which the warnings name).
inline constexpr std::size_t kLinkedNames = 100'000;

struct SectionLinks {
  ByName<std::string> concreteOf;  // section -> Material= (frame section properties 01)
  ByName<std::string> rebarOf;     // section -> RebarMatL= (concrete column or beam)
  ByName<std::string> barOf;       // section -> BarSizeL=, where BarSize= is not given
  ByName<double> fcOf;             // material -> Fc= ("MATERIAL PROPERTIES 03B")
  ByName<double> fyOf;             // material -> Fy= ("MATERIAL PROPERTIES 03E")
  ByName<double> diameterOf;       // bar -> Diameter= ("REBAR SIZES")
  NameSet concreteMaterial;        // Type=Concrete ("MATERIAL PROPERTIES 01 - GENERAL")
  NameSet reinforced;              // sections with a concrete column or beam row
  NameSet designed;                // Shape="SD Section": drawn in the section designer

  // A concrete section: its material is concrete, or it has a concrete
  // column or beam row.
  bool IsConcrete(std::string_view section) const;
};

// Frame section properties 01: the section's concrete, and whether the section
// designer drew it.
void ReadSectionMaterial(const ModelLine& A, SectionLinks& links);
// Frame section properties 02 (concrete column) or 03 (concrete beam): the
// section's longitudinal rebar material and bar.
void ReadSectionRebar(const ModelLine& A, SectionLinks& links);
// "MATERIAL PROPERTIES 03B - CONCRETE DATA", "03E - REBAR DATA", "REBAR SIZES".
void ReadConcreteData(const ModelLine& A, SectionLinks& links);
// "MATERIAL PROPERTIES 01 - GENERAL": which materials are concrete.
void ReadMaterialType(const ModelLine& A, SectionLinks& links);
void ReadRebarData(const ModelLine& A, SectionLinks& links);
void ReadRebarSize(const ModelLine& A, SectionLinks& links);

// Bar names that "REBAR SIZES" does not hold, counted once each.
struct UnknownBars {
  int count = 0;
  std::string first;
};

// Gives every numbered frame section its Fc, RebarFy and, where BarSizeL=
// names it, its bar diameter; a missing link or value gives 0.
UnknownBars ApplySectionLinks(const SectionLinks& links, const SectionNames& names, SectionInfo& sectionInfo);

}  // namespace korvel::conv
