#include "common/codepage.h"

#include <gtest/gtest.h>

#include "common/error.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace korvel {
namespace {

#ifdef _WIN32
// The Windows tests run as the tool set's users do: in a Chinese system
// locale, whose narrow code page is 936.
TEST(Codepage, SystemRunsInCodePage936) { EXPECT_EQ(GetACP(), 936u); }
#endif

TEST(Codepage, ConvertsChineseTextToGbkBytesAndBack) {
  EXPECT_EQ(Utf8ToCp936("读取节点坐标"), "\xB6\xC1\xC8\xA1\xBD\xDA\xB5\xE3\xD7\xF8\xB1\xEA");
  EXPECT_EQ(Utf8ToCp936("墙板截面; "), "\xC7\xBD\xB0\xE5\xBD\xD8\xC3\xE6; ");
  EXPECT_EQ(Cp936ToUtf8("\xC7\xBD\xB0\xE5 W1"), "墙板 W1");
  EXPECT_EQ(Utf8ToCp936(""), "");
}

TEST(Codepage, RoundTripsEveryTwoByteCharacterOfARow) {
  std::string row;
  for (int trail = 0xA1; trail <= 0xFE; ++trail) row += {'\xB0', static_cast<char>(trail)};
  EXPECT_EQ(Utf8ToCp936(Cp936ToUtf8(row)), row);
}

TEST(Codepage, SingleByteThatGrowsToThreeIsConvertedNotShownAsUnknown) {
  EXPECT_EQ(Cp936ToUtf8ForDisplay(std::string(6, '\x80')), "€€€€€€");
}

// Whole up to the limit, then cut on a character of its encoding and marked.
TEST(Codepage, ShortenedTextsNeverEndInsideACharacter) {
  EXPECT_EQ(Shortened("abcd", 4, Encoding::kUtf8, "…"), "abcd");
  EXPECT_EQ(Shortened("abcde", 4, Encoding::kUtf8, "…"), "abcd…");
  EXPECT_EQ(Shortened("a梁柱", 5, Encoding::kUtf8, "…"), "a梁…") << "3-byte characters";
  EXPECT_EQ(Shortened("a\xC1\xBA\xD6\xF9", 4, Encoding::kCp936, "..."), "a\xC1\xBA...") << "2-byte characters";
  EXPECT_EQ(Shortened("ab\xC1\xBA\xD6", 4, Encoding::kCp936, ""), "ab\xC1\xBA");
  EXPECT_EQ(Excerpt(std::string(61, 'x')), std::string(60, 'x') + "…");
}

TEST(Codepage, TextWithoutAGbkFormIsAnError) {
  EXPECT_THROW(Utf8ToCp936("\xF0\x9F\x98\x80"), Error);  // an emoji
}

}  // namespace
}  // namespace korvel
