#include "conv/core/input/line_source.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "common/input_file.h"

namespace korvel::conv {

LineReader::LineReader(InputFile& file, std::size_t bufferSize)
    : file_(&file), buffer_(bufferSize < 2 ? 2 : bufferSize), data_(buffer_.data()) {}

LineReader::LineReader(std::string_view text) : data_(text.data()), end_(text.size()), eof_(true) {}

std::string LineTooLong::Reason() {
  return "这一行超过 " + std::to_string(LineReader::kLongestLine >> 20) +
         " MB，SAP2000 文本模型没有这么长的行（文件可能没有换行符，或不是文本模型）";
}

bool LineReader::Refill() {
  if (eof_) return false;
  if (begin_ > 0) {
    std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
    end_ -= begin_;
    begin_ = 0;
  }
  if (end_ == buffer_.size()) {
    // Room for the longest line and its CR LF, no more.
    const std::size_t wider = std::min(buffer_.size() * 2, kLongestLine + 2);
    if (wider <= buffer_.size()) throw LineTooLong(line_ + 1);
    buffer_.resize(wider);
  }
  data_ = buffer_.data();
  const std::size_t got = file_->Read(buffer_.data() + end_, buffer_.size() - end_);
  if (got == 0) eof_ = true;
  end_ += got;
  return got > 0;
}

bool LineReader::AtEnd() {
  while (begin_ == end_) {
    if (!Refill()) return true;
  }
  return false;
}

std::string_view LineReader::Next() {
  for (;;) {
    const char* start = data_ + begin_;
    const std::size_t available = end_ - begin_;
    const char* newline = static_cast<const char*>(std::memchr(start, '\n', available));
    const std::size_t searched = newline ? static_cast<std::size_t>(newline - start) : available;
    const char* cr = static_cast<const char*>(std::memchr(start, '\r', searched));
    const char* stop = cr ? cr : newline;
    // A CR as the last byte read may be the first half of CR LF. A refill
    // may move the bytes, so the search starts again after it.
    const bool undecided = !stop || (stop == cr && cr + 1 == data_ + end_);
    if (undecided && !eof_) {
      Refill();
      continue;
    }
    ++line_;
    std::string_view line{start, stop ? static_cast<std::size_t>(stop - start) : available};
    if (line.size() > kLongestLine) throw LineTooLong(line_);
    if (stop) {
      std::size_t next = static_cast<std::size_t>(stop - data_) + 1;
      if (stop == cr && next < end_ && data_[next] == '\n') ++next;
      begin_ = next;
    } else {
      begin_ = end_;
    }
    // A byte-order mark before the first line, as Notepad saves UTF-8, is no text.
    if (line_ == 1 && line.starts_with("\xEF\xBB\xBF")) line.remove_prefix(3);
    return line;
  }
}

bool ContinuedLines::EndsInContinuation(std::string_view line, std::string_view* rest) {
  const std::size_t last = line.find_last_not_of(' ');
  if (last == std::string_view::npos || last == 0 || line[last] != '_' || line[last - 1] != ' ') return false;
  if (rest) *rest = line.substr(0, last);
  return true;
}

std::optional<std::string_view> RecordJoin::Add(std::string_view line) {
  std::string_view head;
  const bool continues = ContinuedLines::EndsInContinuation(line, &head);
  if (!open_ && !continues) return line;  // most lines: no copy
  std::string_view text = continues ? head : line;
  if (open_) {
    text.remove_prefix(std::min(text.find_first_not_of(' '), text.size()));
  } else {
    joined_.clear();
  }
  // Copied before the source reads on, which may move its buffer.
  joined_ += text;
  open_ = continues;
  if (open_) return std::nullopt;
  return joined_;
}

std::string_view RecordJoin::Unfinished() {
  open_ = false;
  return joined_;
}

std::string_view ContinuedLines::Next() {
  std::optional<std::string_view> record = join_.Add(lines_.Next());
  line_ = lines_.lineNumber();
  while (!record && !lines_.AtEnd()) record = join_.Add(lines_.Next());
  return record ? *record : join_.Unfinished();
}

}  // namespace korvel::conv
