#include "conv/core/input/model_line.h"

#include <gtest/gtest.h>

namespace korvel::conv {
namespace {

TEST(ModelLine, CountsDoubleByteCharactersOnce) {
  const ModelLine line("\xB9\xB9\xBC\xFE=1 x");  // two GBK characters, then =1 x
  EXPECT_EQ(line.CharacterCount(), 6u);
  EXPECT_TRUE(line.StartsCharacter(0));
  EXPECT_FALSE(line.StartsCharacter(1));
  EXPECT_TRUE(line.StartsCharacter(2));
  EXPECT_EQ(line.OffsetOfCharacter(3), 4u);
  EXPECT_EQ(line.OffsetOfCharacter(7), ModelLine::npos);
}

TEST(ModelLine, TrailByteThatIsAnAsciiLetterBelongsToItsCharacter) {
  const ModelLine line("\x81J");
  EXPECT_EQ(line.CharacterCount(), 1u);
  EXPECT_FALSE(line.StartsCharacter(1));
}

TEST(ModelLine, BytesThatFormNoPairAreCharactersOfTheirOwn) {
  EXPECT_EQ(ModelLine("\x81").CharacterCount(), 1u);
  EXPECT_EQ(ModelLine("\x81\x7F").CharacterCount(), 2u);
  EXPECT_EQ(ModelLine("\x81 ").CharacterCount(), 2u);
  EXPECT_EQ(ModelLine("\x80\x41").CharacterCount(), 2u);
  EXPECT_EQ(ModelLine("\xFF\x41").CharacterCount(), 2u);
  EXPECT_EQ(ModelLine("\xC3\x98\xC3").CharacterCount(), 2u);
}

TEST(ModelLine, NextBlankFindsEachBlankOnRepeatedCalls) {
  const ModelLine line("a b  c");
  EXPECT_EQ(line.NextBlank(0), 1u);
  EXPECT_EQ(line.NextBlank(1), 1u);
  EXPECT_EQ(line.NextBlank(2), 3u);
  EXPECT_EQ(line.NextBlank(4), 4u);
  EXPECT_EQ(line.NextBlank(5), ModelLine::npos);
  EXPECT_EQ(line.NextBlank(0), 1u) << "an earlier position is answered too";
}

TEST(ModelLine, ReassigningForgetsTheEarlierLine) {
  ModelLine line("ab cd");
  EXPECT_EQ(line.NextBlank(3), ModelLine::npos);
  line.Assign("abc d");
  EXPECT_EQ(line.NextBlank(3), 3u);
  line.Assign("\xB9\xB9 x");
  EXPECT_EQ(line.CharacterCount(), 3u);
  line.Assign("plain");
  EXPECT_TRUE(line.StartsCharacter(1));
}

}  // namespace
}  // namespace korvel::conv
