#pragma once
// Reads back, strictly, a list file that the tool set wrote: CR LF lines of
// comma-separated numbers or one quoted text. The first thing that does not
// fit is an Error naming the file and the line.

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace korvel {

class ListLines {
 public:
  // `kind` and `fileName` name the file in messages, as LineError words them.
  ListLines(std::string_view bytes, std::string kind, std::string fileName)
      : bytes_(bytes), kind_(std::move(kind)), fileName_(std::move(fileName)) {}

  // The next line's n numbers; `what` names the line in a message.
  std::vector<double> Numbers(std::size_t n, const std::string& what);
  template <std::size_t N>
  std::array<double, N> Numbers(const std::string& what) {
    const std::vector<double> values = Numbers(N, what);
    std::array<double, N> result{};
    std::copy(values.begin(), values.end(), result.begin());
    return result;
  }
  std::size_t Count(const std::string& what);  // a whole number >= 0
  std::string Text(const std::string& what);   // one item in double quotes

  // Fails unless every line has been read.
  void ExpectEnd();
  [[noreturn]] void Fail(const std::string& reason) const;

 private:
  std::string_view Next(const std::string& what);

  std::string_view bytes_;
  std::string kind_, fileName_;
  std::size_t pos_ = 0;
  int line_ = 0;
};

}  // namespace korvel
