#pragma once
// One conversion of a SAP2000 text model, as a pipeline: the model read into
// tables (ReadModel), the files written into a folder (WriteOutputs), the
// tool Plakon.exe started there.

#include <filesystem>
#include <string_view>

#include "conv/core/outputs/write_outputs.h"
#include "conv/core/reading/result.h"

namespace korvel::conv {

// Converts `model` into `folder` (kCurrentFolder for the current one). Throws
// Error (nothing created) when the model cannot be read, is one of the
// folder's outputs or has no line that starts a table (not a SAP2000 text
// model); Error naming the line for a number beyond the range of a double,
// with "out.txt" left as it was, the tool not started and "debug.txt" holding
// what was logged; Error when the model changed while it was read or an
// output file cannot be written.
ConversionResult SAP2KREAD(const std::filesystem::path& model, const std::filesystem::path& folder,
                           const ConversionOptions& options = {});

// The same conversion on a model in memory, the files' bytes kept in memory
// and no tool started: what fuzzing needs, thousands of times a second.
ConversionResult ConvertInMemory(std::string_view model, const ConversionOptions& options, ConvertedFiles& files);

}  // namespace korvel::conv
