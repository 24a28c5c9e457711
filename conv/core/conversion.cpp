#include "conv/core/conversion.h"

#include "common/output_file.h"
#include "conv/core/input/model_input.h"
#include "conv/core/outputs/output_files.h"
#include "conv/core/reading/read_model.h"

namespace korvel::conv {

ConversionResult SAP2KREAD(const std::filesystem::path& model, const std::filesystem::path& folder,
                           const ConversionOptions& options) {
  ModelFileInput input(model, options.bufferSize);  // before any file is touched
  RefuseOutputAsModel(folder, input.file());
  RefuseWithoutTables(input, options.reading);
  // The log is rewritten first: outputs it could not be followed by are refused before.
  RefuseUnwritableOutputs(folder);
  OutputFolder outputs(folder);
  const auto read = ReadModel(input, options);
  if (!read->stop) input.file().CheckUnchanged();  // a stopped read keeps its log first
  FolderTarget target(outputs);
  ConversionResult result = WriteOutputs(*read, target);
  if (options.startTool) {
    result.toolStartTried = true;
    result.toolStart = StartProgram(kToolName, {}, folder);
  }
  return result;
}

ConversionResult ConvertInMemory(std::string_view model, const ConversionOptions& options, ConvertedFiles& files) {
  ModelTextInput input(model, "model.s2k");
  RefuseWithoutTables(input, options.reading);
  MemoryTarget target(files);
  return WriteOutputs(*ReadModel(input, options), target);
}

}  // namespace korvel::conv
