#pragma once
// The lines of a model file, one at a time. CR LF, LF and a lone CR end a
// line; a final line ending makes no further line.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace korvel {
class InputFile;
}

namespace korvel::conv {

class LineSource {
 public:
  virtual ~LineSource() = default;
  virtual bool AtEnd() = 0;
  // The next line without its ending; only when !AtEnd(). The text stays
  // valid until the next call.
  virtual std::string_view Next() = 0;
  // The file line of the text last returned, from 1.
  virtual int lineNumber() const = 0;
};

// Reads through a buffer of fixed size, so memory does not grow with the
// file; only a line longer than the buffer widens it. Without a file it
// splits text already in memory.
class LineReader final : public LineSource {
 public:
  static constexpr std::size_t kBufferSize = 1 << 20;

  explicit LineReader(InputFile& file, std::size_t bufferSize = kBufferSize);
  explicit LineReader(std::string_view text);

  bool AtEnd() override;
  std::string_view Next() override;
  int lineNumber() const override { return line_; }

 private:
  bool Refill();  // false when nothing more could be read

  InputFile* file_ = nullptr;
  std::vector<char> buffer_;
  const char* data_ = nullptr;  // the buffer, or the text in memory
  std::size_t begin_ = 0, end_ = 0;
  bool eof_ = false;
  int line_ = 0;
};

// Joins a line that ends in a blank and "_" (blanks may follow) with the
// next one: the "_" and the next line's leading blanks are dropped. The
// joined record counts as the line it starts on.
class ContinuedLines final : public LineSource {
 public:
  explicit ContinuedLines(LineSource& lines) : lines_(lines) {}

  bool AtEnd() override { return lines_.AtEnd(); }
  std::string_view Next() override;
  int lineNumber() const override { return line_; }

  // Whether `line` ends in the continuation mark; `rest` is then the text
  // before the "_".
  static bool EndsInContinuation(std::string_view line, std::string_view* rest = nullptr);

 private:
  LineSource& lines_;
  std::string joined_;
  int line_ = 0;
};

}  // namespace korvel::conv
