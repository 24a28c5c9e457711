#include "conv/core/outputs/write_outputs.h"

#include <exception>
#include <memory>
#include <new>
#include <thread>

#include "common/error.h"
#include "common/list_writer.h"
#include "common/output_file.h"
#include "common/system_reason.h"
#include "conv/core/outputs/output_files.h"
#include "conv/core/reading/geometry_checks.h"

namespace korvel::conv {
namespace {

// A conversion without names leaves no labels.txt of an earlier one behind,
// nor a temporary of one.
void RemoveLabelFile(const std::filesystem::path& folder) {
  std::error_code failed;
  std::filesystem::remove(folder / kLabelFileName, failed);
  if (failed) throw FileError("无法删除文件", DisplayName(folder / kLabelFileName), SystemReason(failed.value()));
  RemoveAbandonedTemporariesOf(folder / kLabelFileName);
}

// What a failure before out.txt is replaced adds to its message.
Error KeptModelFile(const std::filesystem::path& folder, const std::exception& e) {
  std::error_code ignored;
  const bool existed = std::filesystem::exists(folder / kModelFileName, ignored);
  return Error(std::string(e.what()) + (existed ? "；out.txt 保持原样，没有被替换" : "；没有写出 out.txt"));
}

}  // namespace

void RefuseUnwritableOutputs(const std::filesystem::path& folder) {
  for (const char* output : kOutputNames) RefuseUnlessReplaceable(folder / output);
}

void FolderTarget::KeepStoppedLog() {
  log_.Flush();
  folder_.log.Commit();
}

void FolderTarget::PrepareModel(const ModelTables& tables) {
  model_ = WriteModelFile(folder_.path / kModelFileName, tables);
}

void FolderTarget::PrepareLabels(const ElementNames* names) {
  log_.Flush();
  if (names) labels_ = WriteLabelFile(folder_.path / kLabelFileName, *names);
}

void FolderTarget::PlaceAllButModel() {
  if (labels_) {
    labels_->Commit();
  } else {
    RemoveLabelFile(folder_.path);
  }
  folder_.log.Flush();
}

void FolderTarget::PlaceModel() {
  model_->Commit();
  folder_.log.Commit();
}

Error FolderTarget::FailedBeforeModel(const std::exception& e) const { return KeptModelFile(folder_.path, e); }

void MemoryTarget::PrepareModel(const ModelTables& tables) {
  ListWriter model;
  WriteModelLines(model, tables);
  files_.model = model.Lines();
}

void MemoryTarget::PrepareLabels(const ElementNames* names) {
  ListWriter labels;
  if (names) WriteLabelLines(labels, *names);
  files_.labels = labels.Lines();
}

ConversionResult WriteOutputs(const ModelRead& read, OutputTarget& target) {
  ListWriter& log = target.log();
  WriteProgressLines(log, read.progress, read.tables);
  if (read.stop) {
    target.KeepStoppedLog();
    std::rethrow_exception(read.stop);
  }

  // out.txt is formatted on a second core while the log is completed; the
  // geometry is checked there too, once out.txt is formatted. Every other
  // output is in place before out.txt replaces the old one, so a failure on
  // the way leaves out.txt as it was.
  std::exception_ptr modelFailure;
  GeometryFindings geometry;
  std::thread modelWriter([&] {
    try {
      target.PrepareModel(read.tables);
      geometry = CheckGeometry(read.tables, read.names, false);
    } catch (...) {
      modelFailure = std::current_exception();
    }
  });
  try {
    try {
      WriteSectionDump(log, read.tables);
      target.PrepareLabels(read.names.count() > 0 ? &read.names : nullptr);
    } catch (...) {
      modelWriter.join();
      throw;
    }
    modelWriter.join();
    if (modelFailure) std::rethrow_exception(modelFailure);
    target.PlaceAllButModel();
  } catch (const std::bad_alloc&) {
    throw;
  } catch (const std::exception& e) {
    throw target.FailedBeforeModel(e);
  }
  target.PlaceModel();
  ConversionResult result = read.result;
  geometry.Into(result);
  result.unlockedFolder = !target.locked();
  return result;
}

}  // namespace korvel::conv
