#include "conv/core/reading/read_model.h"

#include <algorithm>

#include "common/error.h"
#include "conv/core/reading/table_pass.h"

namespace korvel::conv {
namespace {

// A line that tells a model file, blanks before it allowed: one that starts a
// table with the colon SAP2000 writes; unless the modern reading is
// chosen, also one on which the classic reading opens a table of its own
// (TABLES:  "JOINT COORDINATES").
bool TellsAModel(std::string_view line, ReadingChoice reading) {
  std::string_view indented = line;  // blanks before it allowed
  indented.remove_prefix(std::min(indented.find_first_not_of(' '), indented.size()));
  if (StartsATable(indented) && indented.substr(5).starts_with(':')) return true;
  if (reading == ReadingChoice::kModern || !StartsATable(indented)) return false;
  const ModelLine header(indented);
  const std::size_t titleAt = header.TitleOffset();
  if (titleAt == ModelLine::npos) return false;
  const std::string_view title = indented.substr(titleAt);
  for (const KnownTable& table : KnownTables()) {
    if (table.KnownTo(Reading::kClassic) && title.starts_with(table.title)) return true;
  }
  return false;
}

// How one reading through the model ended.
enum class Pass { kDone, kReadAgain };

// Reads the model through once with the pass's reading. When the reading
// was a guess, it gives way as soon as the model's first declaration asks for
// the other one, so most models are read only once. A number beyond the
// range of a double ends the pass with the error kept in the read.
Pass ReadThrough(ModelInput& model, TablePass& pass, int itemLimit, bool guessed) {
  ModelRead& read = pass.read();
  ConversionResult& result = read.result;
  DeclarationWatch declaration(model.FromStart());
  ContinuedLines joinedLines(declaration);
  auto wrongGuess = [&] {
    result.declaredVersion = declaration.version();
    result.disagreeingVersion = declaration.disagreeingVersion();
    result.declaredProgram = declaration.declaredProgram();
    result.disagreeingProgram = declaration.disagreeingProgram();
    return guessed && declaration.found() && ReadingOf(declaration.version()) != result.reading;
  };

  ListInput input = pass.reading().ItemsOf(declaration, joinedLines);
  ModelLine line;
  int lineNumber = 0;
  try {
    for (int items = 0; items < itemLimit && !input.AtEnd(); ++items) {
      const ListItem item = input.Next();
      lineNumber = item.line;
      line.Assign(item.text);
      pass.Handle(line, lineNumber);
      if (wrongGuess()) return Pass::kReadAgain;
    }
  } catch (const OverflowError& e) {
    declaration.ReadToDeclaration();
    if (wrongGuess()) return Pass::kReadAgain;
    const std::string& modelName = model.name();
    read.stop = std::make_exception_ptr(LineError("模型文件", modelName, lineNumber, e.what()));
    return Pass::kDone;
  }
  result.truncated = !input.AtEnd();
  declaration.ReadToDeclaration();
  read.survey.program = declaration.program();
  read.survey.version = declaration.versionText();
  read.survey.units = declaration.units();
  return wrongGuess() ? Pass::kReadAgain : Pass::kDone;
}

std::unique_ptr<ModelRead> NewRead(Reading reading, const ConversionOptions& options) {
  auto read = std::make_unique<ModelRead>(options.sectionCapacity);
  read->result.reading = reading;
  read->result.itemLimit = options.itemLimit;
  read->survey.keepPlaces = options.keepPlaces;
  return read;
}

std::unique_ptr<ModelRead> ReadWholeModel(ModelInput& model, const ConversionOptions& options) {
  const bool guessed = options.reading == ReadingChoice::kFromModel;
  Reading reading = options.reading == ReadingChoice::kModern ? Reading::kModern : Reading::kClassic;
  if (guessed) reading = ReadingOf(model.DeclaredInTail());
  auto read = NewRead(reading, options);
  auto pass = std::make_unique<TablePass>(*read, PolicyOf(reading));
  Pass done = ReadThrough(model, *pass, options.itemLimit, guessed);
  // A model that declares no version is read by its joints: as SAP2000 12
  // and later (and the scripts that imitate them) write them, they get the
  // modern reading.
  const bool byContent = guessed && done == Pass::kDone && read->result.declaredProgram.empty() &&
                         reading == Reading::kClassic && read->cartesianJoints > 0 && read->globalJoints == 0;
  if (done == Pass::kReadAgain || byContent) {
    const Reading declared = byContent ? Reading::kModern : ReadingOf(read->result.declaredVersion);
    pass.reset();
    read = NewRead(declared, options);
    read->result.modernByContent = byContent;
    pass = std::make_unique<TablePass>(*read, PolicyOf(declared));
    ReadThrough(model, *pass, options.itemLimit, false);
  }
  try {
    pass->Finish();
  } catch (const OverflowError&) {
    throw;
  } catch (const Error& e) {  // what only the whole model shows, such as names that cannot be numbered
    throw FileError("模型文件", model.name(), e.what());
  }
  return read;
}

}  // namespace

bool HasTables(ModelInput& model, ReadingChoice reading) {
  return model.HasLine([&](std::string_view line) { return TellsAModel(line, reading); });
}

void RefuseWithoutTables(ModelInput& model, ReadingChoice reading) {
  try {
    if (HasTables(model, reading)) return;
  } catch (const LineTooLong& e) {
    throw LineError("模型文件", model.name(), e.line(), LineTooLong::Reason());
  }
  if (model.IsEmpty()) {
    throw FileError("模型文件", model.name(),
                    "文件是空的，请在 SAP2000 中重新导出模型（文件 > 导出 > SAP2000 .s2k 文本文件）");
  }
  throw FileError("模型文件", model.name(),
                  "不是 SAP2000 文本模型（或是 SAP2000 9 以前的格式），其中没有一行以 TABLE: 开始；"
                  "请在 SAP2000 中导出 .s2k 文本文件（文件 > 导出 > SAP2000 .s2k 文本文件）");
}

std::unique_ptr<ModelRead> ReadModel(ModelInput& model, const ConversionOptions& options) {
  try {
    return ReadWholeModel(model, options);
  } catch (const LineTooLong& e) {
    throw LineError("模型文件", model.name(), e.line(), LineTooLong::Reason());
  }
}

}  // namespace korvel::conv
