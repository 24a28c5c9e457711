#pragma once
// The second stage of a conversion: the files written from what was read,
// into a folder or into memory. A read stopped by a number beyond the range
// of a double leaves a log of what came before it, "out.txt" and "labels.txt"
// as they were, and its error is thrown.

#include <filesystem>
#include <string>

#include "common/output_file.h"
#include "conv/core/outputs/outputs.h"
#include "conv/core/reading/model_read.h"

namespace korvel::conv {

// The current folder as the converter names its files in it: "debug.txt",
// not "./debug.txt", in every message.
inline const std::filesystem::path kCurrentFolder;

// A folder claimed for a conversion before its model is read: its log is
// opened in place and locked, so a second conversion there is kept out.
// Throws Error when the log cannot be written or is held by another writer.
struct OutputFolder {
  explicit OutputFolder(const std::filesystem::path& folder)
      : path(folder), log(folder / kProgressLogName, OutputFile::Mode::kWriteInPlace) {}

  std::filesystem::path path;
  OutputFile log;
};

// Throws the Error that writing an output of `folder` would (not a regular
// file, read-only, a folder where no file can be created), before any
// output is touched. A read-only labels.txt is refused even when the
// conversion would remove it.
void RefuseUnwritableOutputs(const std::filesystem::path& folder);

// Writes debug.txt and out.txt into the folder, and labels.txt for a model
// that names elements (an older one and its temporaries are removed
// otherwise). out.txt replaces the old file last, once the log is complete
// and labels.txt replaced or removed; a failure before leaves it as it was
// and says so. The result tells whether the folder kept its lock.
ConversionResult WriteOutputs(const ModelRead& read, OutputFolder& folder);

// The same files' bytes, kept in memory.
struct ConvertedFiles {
  std::string log, model, labels;  // debug.txt, out.txt and labels.txt
};
ConversionResult WriteOutputs(const ModelRead& read, ConvertedFiles& files);

}  // namespace korvel::conv
