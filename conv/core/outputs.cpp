#include "conv/core/outputs.h"

#include "common/output_file.h"

namespace korvel::conv {
namespace {

void WriteRow(ListWriter& out, const ElementTable& table, int row, std::initializer_list<int> columns) {
  for (int column : columns) out.Real(table.At(row, column));
  out.EndLine();
}

void WriteSectionRow(ListWriter& out, const SectionInfo& info, int row) {
  for (int column = 0; column < 7; ++column) out.Real(info.At(row, column));
  out.EndLine();
}

}  // namespace

void WriteSectionDump(ListWriter& log, const ModelTables& tables) {
  for (int m = 1; m <= tables.frameSections.count(); ++m) WriteSectionRow(log, tables.sectionInfo, m);
}

void WriteModelFile(const std::filesystem::path& file, const ModelTables& tables) {
  OutputFile target(file, OutputFile::Mode::kReplaceWhenDone);
  ListWriter out(target);
  out.Count(tables.joints.count()).EndLine();
  for (int r = 1; r <= tables.joints.count(); ++r) WriteRow(out, tables.joints, r, {0, 1, 2, 3});
  out.Count(tables.frames.count()).EndLine();
  for (int r = 1; r <= tables.frames.count(); ++r) WriteRow(out, tables.frames, r, {0, 1, 2, 3});
  out.Count(tables.areas.count()).EndLine();
  for (int r = 1; r <= tables.areas.count(); ++r) WriteRow(out, tables.areas, r, {0, 1, 2, 3, 4, 6});
  // The section counts are held as numbers, unlike the element counts.
  out.Real(tables.frameSections.count()).EndLine();
  for (int m = 1; m <= tables.frameSections.count(); ++m) {
    out.Text(tables.frameSections.Name(m)).EndLine();
    WriteSectionRow(out, tables.sectionInfo, m);
  }
  out.Real(tables.areaSections.count()).EndLine();
  for (int m = 1; m <= tables.areaSections.count(); ++m) out.Text(tables.areaSections.Name(m)).EndLine();
  out.Flush();
  target.Commit();
}

}  // namespace korvel::conv
