#include "conv/core/input/list_input.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace korvel::conv {
namespace {

std::vector<std::string> Items(std::string_view bytes) {
  LineReader lines(bytes);
  ListInput input(lines);
  std::vector<std::string> items;
  while (!input.AtEnd()) items.emplace_back(input.Next().text);
  return items;
}

using Strings = std::vector<std::string>;

TEST(ListInput, SkipsLeadingSpacesAndKeepsTrailingBlanks) {
  EXPECT_EQ(Items("   Joint=1   GlobalX=0  \r\n"), Strings{"Joint=1   GlobalX=0  "});
  EXPECT_EQ(Items("\tJoint=1\r\n"), Strings{"\tJoint=1"}) << "a tab is no leading blank";
}

TEST(ListInput, CommasKeptMakeOneItemOfTheLine) {
  LineReader lines("   XorR=9,5   Y=0\r\nb");
  ListInput input(lines, ListInput::Commas::kKeep);
  EXPECT_EQ(input.Next().text, "XorR=9,5   Y=0");
  EXPECT_EQ(input.Next().text, "b");
  EXPECT_TRUE(input.AtEnd());
}

TEST(ListInput, EndsLinesAtCrLfLfOrALoneCr) {
  EXPECT_EQ(Items("a\r\nb\nc\rd"), (Strings{"a", "b", "c", "d"}));
  EXPECT_EQ(Items("a\n\r\nb"), (Strings{"a", "", "b"}));
}

TEST(ListInput, FinalLineEndingMakesNoFurtherItem) {
  EXPECT_EQ(Items("a\r\n"), Strings{"a"});
  EXPECT_EQ(Items(""), Strings{});
  EXPECT_EQ(Items("a\r\n\r\n"), (Strings{"a", ""}));
}

TEST(ListInput, BlankLinesAndLinesOfBlanksAreEmptyItems) {
  EXPECT_EQ(Items("a\r\n \r\n\r\nb\r\n"), (Strings{"a", "", "", "b"}));
  EXPECT_EQ(Items("a\r\n   "), (Strings{"a", ""}));
}

TEST(ListInput, CommaSplitsALineIntoItems) {
  EXPECT_EQ(Items("   Joint=1, GlobalX=2\r\n"), (Strings{"Joint=1", "GlobalX=2"}));
  EXPECT_EQ(Items("a,,b\r\n"), (Strings{"a", "", "b"}));
  EXPECT_EQ(Items("a,\r\nb"), (Strings{"a", "", "b"}));
  EXPECT_EQ(Items("a,"), (Strings{"a", ""}));
}

TEST(ListInput, QuotedItemDropsQuotesAndWhatFollowsUpToTheComma) {
  EXPECT_EQ(Items("\"a, b\" tail,c\r\nd"), (Strings{"a, b", "c", "d"}));
  EXPECT_EQ(Items("  \"x\"\r\n"), Strings{"x"});
  EXPECT_EQ(Items("\"\"\r\n"), Strings{""});
  EXPECT_EQ(Items("x \"a\",b"), (Strings{"x \"a\"", "b"})) << "quotes inside an item stay";
}

TEST(ListInput, UnclosedQuoteEndsWithItsLine) {
  EXPECT_EQ(Items("\"open, item\r\nnext"), (Strings{"open, item", "next"}));
}

TEST(ListInput, HeaderLineKeepsItsQuotedTitle) {
  EXPECT_EQ(Items("TABLE:  \"JOINT COORDINATES\"\r\n"), Strings{"TABLE:  \"JOINT COORDINATES\""});
}

TEST(ListInput, ItemsKnowTheirLine) {
  LineReader lines("a,b\r\n\nc");
  ListInput input(lines);
  EXPECT_EQ(input.Next().line, 1);
  EXPECT_EQ(input.Next().line, 1);
  EXPECT_EQ(input.Next().line, 2);
  EXPECT_EQ(input.Next().line, 3);
  EXPECT_TRUE(input.AtEnd());
}

TEST(ListInput, DoubleByteTextPassesThroughUnchanged) {
  EXPECT_EQ(Items("Section=\xC7\xBD\xB0\xE5 x\r\n"), Strings{"Section=\xC7\xBD\xB0\xE5 x"});
}

}  // namespace
}  // namespace korvel::conv
