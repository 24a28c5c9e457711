#include "conv/core/model_input.h"

#include <algorithm>

#include "common/output_file.h"
#include "conv/core/known_tables.h"
#include "conv/core/model_line.h"
#include "conv/core/model_reading.h"

namespace korvel::conv {
namespace {

constexpr std::uint64_t kTailBytes = 1 << 20;

int DeclaredAfterFirstLine(LineSource& lines) {
  if (!lines.AtEnd()) lines.Next();  // most likely a part of a line
  DeclarationWatch declaration(lines);
  declaration.ReadToDeclaration();
  return declaration.version();
}

// The classic reading's table line: "TABLE" first, a title it knows from
// character 10 on (TABLES: "JOINT COORDINATES" too).
bool OpensAClassicTable(std::string_view line) {
  if (!line.starts_with("TABLE")) return false;
  const ModelLine model(line);
  const std::size_t titleAt = model.OffsetOfCharacter(10);
  if (titleAt == ModelLine::npos) return false;
  const std::string_view title = line.substr(titleAt);
  for (const KnownTable& table : KnownTables()) {
    if (table.KnownTo(Reading::kClassic) && title.starts_with(table.title)) return true;
  }
  return false;
}

bool StartsATable(LineSource& lines, bool classicTitles) {
  while (!lines.AtEnd()) {
    std::string_view line = lines.Next();
    line.remove_prefix(std::min(line.find_first_not_of(' '), line.size()));
    if (line.starts_with("TABLE:") || (classicTitles && OpensAClassicTable(line))) return true;
  }
  return false;
}

}  // namespace

ModelFileInput::ModelFileInput(const std::filesystem::path& model, std::size_t bufferSize)
    : name_(DisplayName(model)), bufferSize_(bufferSize), file_(std::make_unique<InputFile>(model, "模型文件")) {}

LineSource& ModelFileInput::FromStart() {
  file_->Seek(0);
  return lines_.emplace(*file_, bufferSize_);
}

int ModelFileInput::DeclaredInTail() {
  if (file_->size() <= kTailBytes) return 0;
  file_->Seek(file_->size() - kTailBytes);
  LineReader lines(*file_, bufferSize_);
  return DeclaredAfterFirstLine(lines);
}

bool ModelFileInput::StartsATable(bool classicTitles) {
  constexpr std::size_t kLookBytes = 64 << 10;  // enough for the first lines, cheap for a small model
  file_->Seek(0);
  LineReader lines(*file_, std::min(bufferSize_, kLookBytes));
  return conv::StartsATable(lines, classicTitles);
}

LineSource& ModelTextInput::FromStart() { return lines_.emplace(text_); }

int ModelTextInput::DeclaredInTail() {
  if (text_.size() <= kTailBytes) return 0;
  LineReader lines(text_.substr(text_.size() - kTailBytes));
  return DeclaredAfterFirstLine(lines);
}

bool ModelTextInput::StartsATable(bool classicTitles) {
  LineReader lines(text_);
  return conv::StartsATable(lines, classicTitles);
}

}  // namespace korvel::conv
