#pragma once
// Files the tool set reads. Only a regular file is read: a folder, a pipe or
// a device is refused before a byte is taken from it, so nothing can block or
// read without end.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

#include "common/file_state.h"

namespace korvel {

class InputFile {
 public:
  // `what` names the kind of file in messages ("模型文件"). Throws Error
  // "无法读取<what> "name"：reason" when the file cannot be opened or is not
  // a regular file.
  InputFile(const std::filesystem::path& file, std::string what);
  // Standard input, read as a file of that kind is (a pipe or a terminal
  // too, read to its end): named "<标准输入>" in messages.
  static InputFile StandardInput(std::string what);
  ~InputFile();
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;

  // Up to `size` bytes; 0 at the end. Throws Error on a failed read.
  std::size_t Read(char* buffer, std::size_t size);
  // What is left of the file, which may hold at most `limit` bytes: a larger
  // one is an error, not a program that runs out of memory.
  std::string ReadAll(std::size_t limit);

  // The file's size when it was opened, and moving to a byte of it.
  std::uint64_t size() const { return opened_.size; }
  void Seek(std::uint64_t offset);

  // What the file was when it was opened: which file, how large, changed when.
  const FileState& opened() const { return opened_; }
  // Throws Error "<what>在读取时被改动" when the file's size or time of
  // change is no longer what it was when it was opened: what was read may
  // then be a part of it, or a mix of two versions.
  void CheckUnchanged() const;

  // The file's name as messages quote it.
  const std::string& name() const { return name_; }

  // The error for this file, worded like every other.
  [[noreturn]] void Fail(const std::string& reason) const;

 private:
  InputFile(std::FILE* borrowed, std::string what, std::string name);

  std::FILE* file_ = nullptr;
  bool owned_ = true;
  FileState opened_;
  std::string what_, name_;
};

}  // namespace korvel
