#include "conv/core/input/model_input.h"

#include <algorithm>

#include "common/output_file.h"
#include "conv/core/input/reading_declaration.h"

namespace korvel::conv {
namespace {

constexpr std::uint64_t kTailBytes = 1 << 20;

int DeclaredAfterFirstLine(LineSource& lines) {
  if (!lines.AtEnd()) lines.Next();  // most likely a part of a line
  DeclarationWatch declaration(lines);
  declaration.ReadToDeclaration();
  return declaration.version();
}

bool HasLine(LineSource& lines, const std::function<bool(std::string_view)>& test) {
  while (!lines.AtEnd()) {
    if (test(lines.Next())) return true;
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

bool ModelFileInput::HasLine(const std::function<bool(std::string_view)>& test) {
  constexpr std::size_t kLookBytes = 64 << 10;  // enough for the first lines, cheap for a small model
  file_->Seek(0);
  LineReader lines(*file_, std::min(bufferSize_, kLookBytes));
  return conv::HasLine(lines, test);
}

LineSource& ModelTextInput::FromStart() { return lines_.emplace(text_); }

int ModelTextInput::DeclaredInTail() {
  if (text_.size() <= kTailBytes) return 0;
  LineReader lines(text_.substr(text_.size() - kTailBytes));
  return DeclaredAfterFirstLine(lines);
}

bool ModelTextInput::HasLine(const std::function<bool(std::string_view)>& test) {
  LineReader lines(text_);
  return conv::HasLine(lines, test);
}

}  // namespace korvel::conv
