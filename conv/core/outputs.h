#pragma once
// The converter's files: the progress log "debug.txt", written while the model
// is read and completed by the section dump, and the model file "out.txt" that
// the downstream tool Plakon.exe reads.

#include <filesystem>

#include "common/list_writer.h"
#include "conv/core/model_tables.h"

namespace korvel::conv {

inline constexpr char kProgressLogName[] = "debug.txt";
inline constexpr char kModelFileName[] = "out.txt";

// One line per frame section: the seven numbers of its SectionInfo row.
void WriteSectionDump(ListWriter& log, const ModelTables& tables);

// Counts, then that many lines: joints, frames, areas, frame sections (name
// line and numbers line), area section names. Replaces the file only when it
// is complete.
void WriteModelFile(const std::filesystem::path& file, const ModelTables& tables);

}  // namespace korvel::conv
