#include "conv/core/input/field_scanner.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/error.h"

namespace korvel::conv {
namespace {

struct Taken {
  std::size_t key;
  std::string text;
  double number;
  bool operator==(const Taken&) const = default;
};

std::vector<Taken> Scan(std::string_view line, const KeyTable& keys, Reading reading = Reading::kClassic) {
  std::vector<Taken> taken;
  ModelLine A(line);
  ScanFields(A, keys, reading, [&](std::size_t k, const FieldValue& v) {
    taken.push_back({k, std::string(v.text), v.number});
  });
  return taken;
}

const FieldKey kEndOfLine{"Z=", ValueKind::kNumber, KeyPlace::kAnywhere, ValueEnd::kBlankOrEndOfLine};

TEST(FieldScanner, ValueRunsToTheNextBlank) {
  EXPECT_EQ(Scan("X=1.5 Y=-2 ", KeyTable{{"X="}, {"Y="}}), (std::vector<Taken>{{0, "1.5", 1.5}, {1, "-2", -2}}));
}

TEST(FieldScanner, ValueAtTheEndOfTheLineNeedsTheEndOfLineRule) {
  EXPECT_EQ(Scan("X=3", KeyTable{{"X="}}), std::vector<Taken>{});
  EXPECT_EQ(Scan("Z=3", KeyTable{kEndOfLine}), (std::vector<Taken>{{0, "3", 3}}));
}

TEST(FieldScanner, KeyFollowedByABlankOrEndingTheLineGivesAnEmptyValueOrNone) {
  EXPECT_EQ(Scan("X= Y", KeyTable{{"X="}}), (std::vector<Taken>{{0, "", 0}}));
  EXPECT_EQ(Scan("a X=", KeyTable{{"X="}}), std::vector<Taken>{});
  EXPECT_EQ(Scan("a Z=", KeyTable{kEndOfLine}), (std::vector<Taken>{{0, "", 0}}));
}

TEST(FieldScanner, NumbersAreReadLeniently) {
  const KeyTable keys{{"V="}};
  EXPECT_EQ(Scan("V=2.5E+03 ", keys)[0].number, 2500);
  EXPECT_EQ(Scan("V=12abc ", keys)[0].number, 12);
  EXPECT_EQ(Scan("V=abc ", keys)[0].number, 0);
  EXPECT_EQ(Scan("V=-0.5 ", keys)[0].number, -0.5);
  EXPECT_THROW(Scan("V=1e999 ", keys), OverflowError);
}

TEST(FieldScanner, TheModernReadingTakesWholeKeysToTheLineEndAndReadsDecimalCommas) {
  const KeyTable keys{{"Y="}, {"Name=", ValueKind::kText}};
  EXPECT_EQ(Scan("GlobalY=1 Y=9,5", keys, Reading::kModern), (std::vector<Taken>{{0, "9,5", 9.5}}));
  EXPECT_EQ(Scan("GlobalY=1 Y=9,5", keys), (std::vector<Taken>{{0, "1", 1}})) << "as written: a tail, to a blank";
  EXPECT_EQ(Scan("Y=1.5,2 Name=B,1", keys, Reading::kModern), (std::vector<Taken>{{0, "1.5,2", 1.5}, {1, "B,1", 0}}))
      << "a comma beside a period, and a text, stay as they are";
}

TEST(FieldScanner, OnlyTheExactKeyMatches) {
  EXPECT_EQ(Scan("joint=1 JOINT=2 ", KeyTable{{"Joint="}}), std::vector<Taken>{});
  EXPECT_EQ(Scan("JointI=4 SectionName=B ", KeyTable{{"Joint="}, {"Section=", ValueKind::kText}}),
            std::vector<Taken>{});
}

TEST(FieldScanner, KeyMatchesAsTheTailOfALongerKeyUnlessFirstCharacterOnly) {
  EXPECT_EQ(Scan("Area=5 AreaArea=2 ", KeyTable{{"Area="}}), (std::vector<Taken>{{0, "5", 5}, {0, "2", 2}}));
  const KeyTable first{{"Area=", ValueKind::kNumber, KeyPlace::kFirstCharacterOnly}};
  EXPECT_EQ(Scan("Area=5 AreaArea=2 ", first), (std::vector<Taken>{{0, "5", 5}}));
  EXPECT_EQ(Scan("Joint1=3 Area=5 ", first), std::vector<Taken>{});
}

TEST(FieldScanner, EveryOccurrenceIsTakenInLineOrder) {
  EXPECT_EQ(Scan("X=1 X=2 ", KeyTable{{"X="}}), (std::vector<Taken>{{0, "1", 1}, {0, "2", 2}}));
}

TEST(FieldScanner, ScanResumesRightBehindTheKeyNotBehindTheValue) {
  EXPECT_EQ(Scan("A=B=7 ", KeyTable{{"A="}, {"B="}}), (std::vector<Taken>{{0, "B=7", 0}, {1, "7", 7}}));
}

TEST(FieldScanner, TextValuesKeepQuotesUnlessTheyEnclose) {
  const KeyTable keys{{"S=", ValueKind::kText}};
  EXPECT_EQ(Scan("S=\"PL 16\" T=1", keys), (std::vector<Taken>{{0, "PL 16", 0}}));
  EXPECT_EQ(Scan("S=\"PL 16\"", keys), (std::vector<Taken>{{0, "PL 16", 0}})) << "closed by the quote";
  EXPECT_EQ(Scan("S=\"\" x", keys), (std::vector<Taken>{{0, "", 0}}));
  EXPECT_EQ(Scan("S=\"PL 16 x", keys), (std::vector<Taken>{{0, "\"PL", 0}})) << "no closing quote";
  EXPECT_EQ(Scan("S=a\"b c\" ", keys), (std::vector<Taken>{{0, "a\"b", 0}}));
  EXPECT_EQ(Scan("N=\"7 8\" ", KeyTable{{"N="}}), (std::vector<Taken>{{0, "\"7", 0}})) << "numbers untouched";
}

TEST(FieldScanner, KeyNeverMatchesInsideADoubleByteCharacter) {
  // 0x81 0x4A is one character whose trail byte reads as "J".
  EXPECT_EQ(Scan("\x81Joint=5 ", KeyTable{{"Joint="}}), std::vector<Taken>{});
  EXPECT_EQ(Scan("\x81\x81Joint=5 ", KeyTable{{"Joint="}}), (std::vector<Taken>{{0, "5", 5}}));
  EXPECT_EQ(Scan("S=\xC7\xBD\xB0\xE5 ", KeyTable{{"S=", ValueKind::kText}}),
            (std::vector<Taken>{{0, "\xC7\xBD\xB0\xE5", 0}}));
}

TEST(FieldScanner, EmptyLineTakesNothing) { EXPECT_EQ(Scan("", KeyTable{kEndOfLine}), std::vector<Taken>{}); }

TEST(FieldScanner, LongLinesWithoutBlanksStayLinear) {
  std::string line;
  for (int i = 0; i < 20000; ++i) line += "X=";
  EXPECT_EQ(Scan(line, KeyTable{{"X="}}).size(), 0u);
  EXPECT_EQ(Scan(line + " ", KeyTable{{"X="}}).size(), 20000u);
}

}  // namespace
}  // namespace korvel::conv
