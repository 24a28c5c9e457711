#pragma once
// Lines of list output: items separated by single commas, each line ended by
// CR LF. Text items stand in double quotes exactly as given (no escaping),
// counts as plain digits, reals as AppendReal writes them.

#include <string>
#include <string_view>

namespace korvel {

class OutputFile;

class ListWriter {
 public:
  ListWriter() = default;                                  // keeps the lines in Lines()
  explicit ListWriter(OutputFile& file) : file_(&file) {}  // writes as it goes

  ListWriter& Text(std::string_view bytes);
  ListWriter& Count(long long value);
  ListWriter& Real(double value);
  void EndLine();
  void Flush();  // hands what is pending to the file

  // The lines not yet handed to a file: all of them without one.
  const std::string& Lines() const { return pending_; }

 private:
  void BeginItem();

  OutputFile* file_ = nullptr;
  std::string pending_;
  bool lineOpen_ = false;
};

}  // namespace korvel
