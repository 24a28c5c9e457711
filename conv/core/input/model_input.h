#pragma once
// Input, the converter's first stage: the model file, its lines, items and
// fields, and the reading it declares.
//
// Where a conversion reads its model: a file, or bytes already in memory.
// Each reading starts from the first byte.

#include <cstddef>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "common/input_file.h"
#include "conv/core/input/line_source.h"

namespace korvel::conv {

class ModelInput {
 public:
  virtual ~ModelInput() = default;
  virtual const std::string& name() const = 0;  // for messages
  // The model's lines from the first; valid until the next call.
  virtual LineSource& FromStart() = 0;
  // The SAP2000 version declared in the last megabyte of a larger model, 0
  // for none: the first guess at the reading, since SAP2000 writes its
  // backups with "PROGRAM CONTROL" near the end.
  virtual int DeclaredInTail() = 0;
  // Whether any line, from the first, passes `test`. Models start a table
  // within their first lines, so only a file without one is read through,
  // in bounded memory (LineTooLong for a line beyond it).
  virtual bool HasLine(const std::function<bool(std::string_view)>& test) = 0;
  // Whether the model holds no byte at all (SAP2000 stopped before writing).
  virtual bool IsEmpty() const = 0;
};

class ModelFileInput final : public ModelInput {
 public:
  // Opens the file at once: throws Error when it cannot be read.
  ModelFileInput(const std::filesystem::path& model, std::size_t bufferSize);

  const std::string& name() const override { return name_; }
  LineSource& FromStart() override;
  int DeclaredInTail() override;
  bool HasLine(const std::function<bool(std::string_view)>& test) override;
  bool IsEmpty() const override { return file_->size() == 0; }

  const InputFile& file() const { return *file_; }

 private:
  std::string name_;
  std::size_t bufferSize_;
  std::unique_ptr<InputFile> file_;
  std::optional<LineReader> lines_;
};

class ModelTextInput final : public ModelInput {
 public:
  ModelTextInput(std::string_view text, std::string name) : text_(text), name_(std::move(name)) {}

  const std::string& name() const override { return name_; }
  LineSource& FromStart() override;
  int DeclaredInTail() override;
  bool HasLine(const std::function<bool(std::string_view)>& test) override;
  bool IsEmpty() const override { return text_.empty(); }

 private:
  std::string_view text_;
  std::string name_;
  std::optional<LineReader> lines_;
};

}  // namespace korvel::conv
