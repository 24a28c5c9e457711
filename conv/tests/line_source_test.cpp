#include "conv/core/input/line_source.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/error.h"
#include "common/input_file.h"
#include "common/tests/temp_folder.h"

namespace korvel::conv {
namespace {

using test_support::TempFolder;
using Strings = std::vector<std::string>;

Strings Drain(LineSource& lines) {
  Strings got;
  while (!lines.AtEnd()) got.emplace_back(lines.Next());
  return got;
}

Strings LinesOf(std::string_view text) {
  LineReader lines(text);
  return Drain(lines);
}

TEST(LineReader, EndsLinesAtCrLfLfOrALoneCr) {
  EXPECT_EQ(LinesOf("a\r\nb\nc\rd"), (Strings{"a", "b", "c", "d"}));
  EXPECT_EQ(LinesOf("a\n\r\nb"), (Strings{"a", "", "b"}));
  EXPECT_EQ(LinesOf("a\r\n"), Strings{"a"});
  EXPECT_EQ(LinesOf(""), Strings{});
}

// Every buffer size from 2 bytes up puts a line end, a CR LF pair and long
// lines across buffer boundaries; the lines must not change.
TEST(LineReader, FileReadThroughAnySmallBufferGivesTheSameLines) {
  const std::string body = "first line\r\n\r\nsecond\rthird\n" + std::string(300, 'x') + "\r\nlast";
  TempFolder folder;
  // The file may end in the middle of a line, after a lone CR or after CR LF.
  for (const std::string& text : {body, body + "\r", body + "\r\n", body + "\r\r"}) {
    const Strings expected = LinesOf(text);
    folder.Write("model.s2k", text);
    for (std::size_t size = 2; size < 40; ++size) {
      InputFile file(folder.Path("model.s2k"), "模型文件");
      LineReader lines(file, size);
      Strings got;
      while (!lines.AtEnd()) got.emplace_back(lines.Next());
      EXPECT_EQ(got, expected) << "buffer of " << size << ", ending " << text.size();
      EXPECT_EQ(lines.lineNumber(), static_cast<int>(expected.size()));
    }
  }
}

Strings Joined(std::string_view text) {
  LineReader lines(text);
  ContinuedLines joined(lines);
  return Drain(joined);
}

TEST(ContinuedLines, JoinsALineEndingInBlankUnderscoreWithTheNext) {
  EXPECT_EQ(Joined("   A=1   B=2 _\r\n        C=3\r\nD=4"), (Strings{"   A=1   B=2 C=3", "D=4"}));
  EXPECT_EQ(Joined("A=1 _  \r\n  B=2 _\r\n C=3"), Strings{"A=1 B=2 C=3"}) << "trailing blanks, two marks";
  EXPECT_EQ(Joined("A=1 _\r\n    _\r\n  B=2"), Strings{"A=1 B=2"}) << "a line of the mark alone goes on";
}

TEST(ContinuedLines, UnderscoreWithoutABlankBeforeItIsText) {
  EXPECT_EQ(Joined("Name=A_\r\nB=1"), (Strings{"Name=A_", "B=1"}));
  EXPECT_EQ(Joined("_\r\nB=1"), (Strings{"_", "B=1"}));
}

TEST(ContinuedLines, MarkOnTheLastLineIsDropped) { EXPECT_EQ(Joined("A=1 _\r\n"), Strings{"A=1 "}); }

TEST(ContinuedLines, RecordCountsAsTheLineItStartsOn) {
  LineReader lines("x\r\nA=1 _\r\nB=2\r\ny");
  ContinuedLines joined(lines);
  std::vector<int> numbers;
  while (!joined.AtEnd()) {
    joined.Next();
    numbers.push_back(joined.lineNumber());
  }
  EXPECT_EQ(numbers, (std::vector<int>{1, 2, 4}));
}

TEST(InputFile, RefusesWhatIsNotARegularFile) {
  TempFolder folder;
  EXPECT_THROW(InputFile(folder.path(), "模型文件"), Error);
  EXPECT_THROW(InputFile(folder.Path("missing.s2k"), "模型文件"), Error);
  EXPECT_THROW(InputFile("", "模型文件"), Error);
#ifndef _WIN32
  try {
    InputFile("/dev/zero", "模型文件");
    ADD_FAILURE() << "a device was opened";
  } catch (const Error& e) {
    EXPECT_NE(std::string(e.what()).find("/dev/zero"), std::string::npos) << e.what();
  }
#endif
}

}  // namespace
}  // namespace korvel::conv
