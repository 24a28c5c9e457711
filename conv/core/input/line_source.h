#pragma once
// The lines of a model file, one at a time. CR LF, LF and a lone CR end a
// line; a final line ending makes no further line.

#include <cstddef>
#include <exception>
#include <optional>
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

// A line longer than the longest a model may have (16 MB, thousands of times
// a real model's longest): a file without line breaks, not a model.
class LineTooLong : public std::exception {
 public:
  explicit LineTooLong(int line) : line_(line) {}
  int line() const { return line_; }
  const char* what() const noexcept override { return "line too long"; }
  // The reason for a message that names the file and the line.
  static std::string Reason();

 private:
  int line_;
};

// Reads through a buffer of fixed size, so memory does not grow with the
// file; only a line longer than the buffer widens it, up to kLongestLine
// bytes, beyond which it throws LineTooLong. Without a file it splits text
// already in memory.
class LineReader final : public LineSource {
 public:
  static constexpr std::size_t kBufferSize = 1 << 20;
  static constexpr std::size_t kLongestLine = 16 << 20;

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

// Gathers the lines of one record: a line that ends in a blank and "_"
// (blanks may follow) goes on in the next line, whose leading blanks are
// dropped, as is the "_". The mark is looked for before that, so a line of
// blanks and "_" only goes on too.
class RecordJoin {
 public:
  // The record that `line` completes, or nothing while it goes on. The text
  // is `line` itself or held here until the next call.
  std::optional<std::string_view> Add(std::string_view line);
  // What was gathered, for a file that ends inside a record.
  std::string_view Unfinished();

 private:
  std::string joined_;
  bool open_ = false;
};

// The records of a model, each as one line; the joined record counts as the
// line it starts on.
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
  RecordJoin join_;
  int line_ = 0;
};

}  // namespace korvel::conv
