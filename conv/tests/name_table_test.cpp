#include "conv/core/tables/name_table.h"

#include <gtest/gtest.h>

namespace korvel::conv {
namespace {

TEST(SectionNames, NumbersNamesInOrderOfFirstAppearance) {
  SectionNames names;
  EXPECT_EQ(names.FindOrAddSection("W1"), 1);
  EXPECT_EQ(names.FindOrAddSection("W2"), 2);
  EXPECT_EQ(names.FindOrAddSection("W1"), 1);
  EXPECT_EQ(names.count(), 2);
  EXPECT_EQ(names.Name(2), "W2");
}

TEST(SectionNames, ComparesCaseSensitively) {
  SectionNames names;
  EXPECT_EQ(names.FindOrAddSection("w1"), 1);
  EXPECT_EQ(names.FindOrAddSection("W1"), 2);
}

TEST(SectionNames, EmptyNameAnswersTheNextNumberWithoutBeingAdded) {
  SectionNames names;
  EXPECT_EQ(names.FindOrAddSection(""), 1);
  EXPECT_EQ(names.count(), 0);
  EXPECT_EQ(names.FindOrAddSection("B"), 1);
  EXPECT_EQ(names.FindOrAddSection(""), 2);
}

TEST(SectionNames, FullTableGivesNewNamesNoNumberButFindsOldOnes) {
  SectionNames names;
  for (int i = 1; i <= kSectionCapacity; ++i) {
    std::string name = "S";
    name += std::to_string(i);
    ASSERT_EQ(names.FindOrAddSection(name), i);
  }
  EXPECT_EQ(names.FindOrAddSection("new"), std::nullopt);
  EXPECT_EQ(names.FindOrAddSection("new"), std::nullopt);
  EXPECT_EQ(names.FindOrAddSection("other"), std::nullopt);
  EXPECT_EQ(names.FindOrAddSection(""), std::nullopt);
  EXPECT_EQ(names.FindOrAddSection("S10000"), 10000);
  EXPECT_EQ(names.count(), kSectionCapacity);
  EXPECT_EQ(names.DroppedCount(), 2);
}

// Names that find the table full are remembered only up to a bound.
TEST(SectionNames, DroppedNamesAreCountedUpToABound) {
  SectionNames names(1);
  for (int i = 0; i <= SectionNames::kDroppedNamesCounted + 5; ++i) names.FindOrAddSection(std::to_string(i));
  EXPECT_EQ(names.DroppedCount(), SectionNames::kDroppedNamesCounted);
}

}  // namespace
}  // namespace korvel::conv
