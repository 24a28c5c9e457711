#include "common/list_writer.h"

#include <gtest/gtest.h>

namespace korvel {
namespace {

TEST(ListWriter, SeparatesItemsBySingleCommasAndEndsLinesWithCrLf) {
  ListWriter out;
  out.Count(3).EndLine();
  out.Real(-180).Real(0.5).Count(0).EndLine();
  EXPECT_EQ(out.Lines(), "3\r\n-180,.5,0\r\n");
}

TEST(ListWriter, QuotesTextUnchanged) {
  ListWriter out;
  out.Text("读取节点坐标").Real(12).EndLine();
  out.Text("PL \"16\", x").EndLine();
  out.Text("").EndLine();
  EXPECT_EQ(out.Lines(), "\"读取节点坐标\",12\r\n\"PL \"16\", x\"\r\n\"\"\r\n");
}

TEST(ListWriter, CountsAreWrittenAsPlainDigits) {
  ListWriter out;
  out.Count(1000000).Count(-3).EndLine();
  EXPECT_EQ(out.Lines(), "1000000,-3\r\n");
}

}  // namespace
}  // namespace korvel
