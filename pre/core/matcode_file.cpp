#include "pre/core/matcode_file.h"

#include "common/list_writer.h"
#include "common/output_file.h"
#include "pre/core/fiber_generator.h"

namespace korvel::pre {

std::string MatcodeText(const FiberSection& section) {
  ListWriter out;
  out.Count(1).EndLine();
  out.Real(section.LengthY).Real(section.LengthX).Real(section.Modulus).EndLine();
  for (const ConcreteFiber& f : section.Fibers) {
    out.Real(f.x).Real(f.y).Real(f.Area).EndLine();
    out.Real(f.fc).Real(f.eps0).EndLine();
    out.Real(f.sigu).Real(f.epsu).EndLine();
    out.Real(f.E0).EndLine();
  }
  for (const BarFiber& b : section.Bars) {
    out.Real(b.x).Real(b.y).Real(b.As).EndLine();
    out.Real(b.fy).Real(b.Es).EndLine();
  }
  return out.Lines();
}

void WriteMatcodeFile(const FiberSection& section, const std::filesystem::path& file) {
  OutputFile out(file, OutputFile::Mode::kReplaceWhenDone);
  out.Write(MatcodeText(section));
  out.Commit();
}

void Write_File(const SectionInput& input, const std::filesystem::path& file) {
  WriteMatcodeFile(BuildFiberSection(input), file);
}

}  // namespace korvel::pre
