#pragma once
// The converter's files: the progress log "debug.txt", the lines recorded
// while the model was read followed by the section dump, the model file
// "out.txt" that the downstream tool Plakon.exe reads and, for a model that
// names elements, "labels.txt" with the number each name got.

#include <filesystem>
#include <memory>

#include "common/input_file.h"
#include "common/list_writer.h"
#include "common/output_file.h"
#include "conv/core/reading/model_read.h"
#include "conv/core/tables/element_names.h"
#include "conv/core/tables/model_tables.h"

namespace korvel::conv {

inline constexpr char kProgressLogName[] = "debug.txt";
inline constexpr char kModelFileName[] = "out.txt";
inline constexpr char kLabelFileName[] = "labels.txt";

// The converter's outputs, in one list for every check.
inline constexpr const char* kOutputNames[] = {kProgressLogName, kModelFileName, kLabelFileName};

// A model that is one of the outputs of `folder` (by its name, a link or a
// hard link) would be truncated, replaced or removed by its own conversion;
// so would an output that reaches another one. Both are refused before any
// output is touched.
void RefuseOutputAsModel(const std::filesystem::path& folder, const InputFile& model);

// One line per element and assignment line read, in input order.
void WriteProgressLines(ListWriter& log, const ProgressLog& progress, const ModelTables& tables);

// One line per frame section: the seven numbers of its SectionInfo row.
void WriteSectionDump(ListWriter& log, const ModelTables& tables);

// Counts, then that many lines: joints, frames, areas, frame sections (name
// line and numbers line), area section names.
void WriteModelLines(ListWriter& out, const ModelTables& tables);
// Those lines as a file, which replaces the old one when committed.
std::unique_ptr<OutputFile> WriteModelFile(const std::filesystem::path& file, const ModelTables& tables);

// A line per name: the kind ("joint", "frame" or "area"), the name and its
// number; joints first, then frames and areas, each in number order.
void WriteLabelLines(ListWriter& out, const ElementNames& names);
// Those lines as a file, which replaces the old one when committed.
std::unique_ptr<OutputFile> WriteLabelFile(const std::filesystem::path& file, const ElementNames& names);

}  // namespace korvel::conv
