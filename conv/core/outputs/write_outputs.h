#pragma once
// Outputs, the last stage: debug.txt, out.txt and labels.txt written, and
// read back.
//
// The files written from what was read, into a folder or into memory. A read
// stopped by a number beyond the range of a double leaves a log of what came
// before it, "out.txt" and "labels.txt" as they were, and its error is thrown.

#include <exception>
#include <filesystem>
#include <memory>
#include <string>

#include "common/error.h"
#include "common/list_writer.h"
#include "common/output_file.h"
#include "conv/core/outputs/output_files.h"
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

// Where a conversion's files go, and how each is put in place. The order is
// WriteOutputs': the log as the model was read, out.txt beside the rest of
// the log, labels.txt, then everything but out.txt put in place, out.txt last.
class OutputTarget {
 public:
  virtual ~OutputTarget() = default;
  virtual ListWriter& log() = 0;  // debug.txt as it is written
  // A read stopped by an error: the log so far is kept, nothing else written.
  virtual void KeepStoppedLog() = 0;
  // out.txt formatted, not yet in place; runs beside the log.
  virtual void PrepareModel(const ModelTables& tables) = 0;
  // labels.txt formatted for a model that names elements; null: the
  // conversion has none, and one of an earlier conversion goes.
  virtual void PrepareLabels(const ElementNames* names) = 0;
  // Everything but out.txt in place: the log complete, labels.txt replaced
  // or removed.
  virtual void PlaceAllButModel() = 0;
  virtual void PlaceModel() = 0;
  // The error for a failure before out.txt was replaced, saying what became
  // of it.
  virtual Error FailedBeforeModel(const std::exception& e) const = 0;
  // Whether the target kept others out while it was written.
  virtual bool locked() const = 0;
};

// Writes the files into a folder. out.txt replaces the old file last; a
// failure before leaves it as it was and says so. The result tells whether
// the folder kept its lock.
class FolderTarget final : public OutputTarget {
 public:
  explicit FolderTarget(OutputFolder& folder) : folder_(folder), log_(folder.log) {}

  ListWriter& log() override { return log_; }
  void KeepStoppedLog() override;
  void PrepareModel(const ModelTables& tables) override;
  void PrepareLabels(const ElementNames* names) override;
  void PlaceAllButModel() override;
  void PlaceModel() override;
  Error FailedBeforeModel(const std::exception& e) const override;
  bool locked() const override { return folder_.log.locked(); }

 private:
  OutputFolder& folder_;
  ListWriter log_;
  std::unique_ptr<OutputFile> model_, labels_;
};

// The same files' bytes, kept in memory (labels empty for a model that names
// no element).
struct ConvertedFiles {
  std::string log, model, labels;  // debug.txt, out.txt and labels.txt
};
class MemoryTarget final : public OutputTarget {
 public:
  explicit MemoryTarget(ConvertedFiles& files) : files_(files) {}

  ListWriter& log() override { return log_; }
  void KeepStoppedLog() override { files_.log = log_.Lines(); }
  void PrepareModel(const ModelTables& tables) override;
  void PrepareLabels(const ElementNames* names) override;
  void PlaceAllButModel() override { files_.log = log_.Lines(); }
  void PlaceModel() override {}
  Error FailedBeforeModel(const std::exception& e) const override { return Error(e.what()); }
  bool locked() const override { return true; }

 private:
  ConvertedFiles& files_;
  ListWriter log_;
};

ConversionResult WriteOutputs(const ModelRead& read, OutputTarget& target);

}  // namespace korvel::conv
