#include "conv/core/outputs/write_outputs.h"

#include <exception>
#include <memory>
#include <new>
#include <thread>

#include "common/error.h"
#include "common/list_writer.h"
#include "common/output_file.h"
#include "common/system_reason.h"
#include "conv/core/outputs/outputs.h"
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

ConversionResult WriteOutputs(const ModelRead& read, OutputFolder& folder) {
  ListWriter log(folder.log);
  if (read.stop) {
    WriteProgressLines(log, read.progress, read.tables);
    log.Flush();
    folder.log.Commit();
    std::rethrow_exception(read.stop);
  }

  // out.txt is written on a second core while the log is completed; the
  // geometry is checked there too, once out.txt is formatted. Every other
  // output is complete (labels.txt replaced or removed, the log handed to the
  // system) before out.txt replaces the old one, so a failure on the way
  // leaves out.txt as it was.
  std::unique_ptr<OutputFile> modelFile;
  std::exception_ptr modelFailure;
  GeometryFindings geometry;
  std::thread modelWriter([&] {
    try {
      modelFile = WriteModelFile(folder.path / kModelFileName, read.tables);
      geometry = CheckGeometry(read.tables, read.names, false);
    } catch (...) {
      modelFailure = std::current_exception();
    }
  });
  try {
    std::unique_ptr<OutputFile> labelFile;
    try {
      WriteProgressLines(log, read.progress, read.tables);
      WriteSectionDump(log, read.tables);
      log.Flush();
      if (read.names.count() > 0) labelFile = WriteLabelFile(folder.path / kLabelFileName, read.names);
    } catch (...) {
      modelWriter.join();
      throw;
    }
    modelWriter.join();
    if (modelFailure) std::rethrow_exception(modelFailure);
    if (labelFile) {
      labelFile->Commit();
    } else {
      RemoveLabelFile(folder.path);
    }
    folder.log.Flush();
  } catch (const std::bad_alloc&) {
    throw;
  } catch (const std::exception& e) {
    throw KeptModelFile(folder.path, e);
  }
  modelFile->Commit();
  folder.log.Commit();
  ConversionResult result = read.result;
  geometry.Into(result);
  result.unlockedFolder = !folder.log.locked();
  return result;
}

ConversionResult WriteOutputs(const ModelRead& read, ConvertedFiles& files) {
  ListWriter log;
  WriteProgressLines(log, read.progress, read.tables);
  if (read.stop) {
    files.log = log.Lines();
    std::rethrow_exception(read.stop);
  }
  WriteSectionDump(log, read.tables);
  files.log = log.Lines();
  ListWriter model;
  WriteModelLines(model, read.tables);
  files.model = model.Lines();
  ListWriter labels;
  WriteLabelLines(labels, read.names);
  files.labels = labels.Lines();
  ConversionResult result = read.result;
  CheckGeometry(read.tables, read.names, false).Into(result);
  return result;
}

}  // namespace korvel::conv
