#include "common/lenient_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "common/error.h"

namespace korvel {
namespace {

TEST(LenientNumber, ReadsTheLeadingNumberAndIgnoresTheRest) {
  EXPECT_EQ(LenientNumber("12.5cm"), 12.5);
  EXPECT_EQ(LenientNumber("1,5"), 1);
  EXPECT_EQ(LenientNumber("1.5.3"), 1.5);
  EXPECT_EQ(LenientNumber("12abc"), 12);
  EXPECT_EQ(LenientNumber("2.5E+03"), 2500);
  EXPECT_EQ(LenientNumber("3e2"), 300);
  EXPECT_EQ(LenientNumber("-.5"), -0.5);
  EXPECT_EQ(LenientNumber("+7"), 7);
  EXPECT_EQ(LenientNumber("5."), 5);
  EXPECT_EQ(LenientNumber("1e"), 1);
  EXPECT_EQ(LenientNumber("1e+"), 1);
  EXPECT_EQ(LenientNumber("1E5E3"), 1e5);
}

TEST(LenientNumber, GivesZeroWhenThereIsNoNumber) {
  EXPECT_EQ(LenientNumber(""), 0);
  EXPECT_EQ(LenientNumber("abc"), 0);
  EXPECT_EQ(LenientNumber("-"), 0);
  EXPECT_EQ(LenientNumber("."), 0);
  EXPECT_EQ(LenientNumber("#9"), 0);
  EXPECT_EQ(LenientNumber("--5"), 0);
  EXPECT_EQ(LenientNumber("B3"), 0);
}

TEST(LenientNumber, SkipsBlanksTabsAndLineFeedsAnywhere) {
  EXPECT_EQ(LenientNumber("1 000"), 1000);
  EXPECT_EQ(LenientNumber("2 5"), 25);
  EXPECT_EQ(LenientNumber("  \t-\n1 . 5 e 2"), -150);
  EXPECT_EQ(LenientNumber("\r5"), 0) << "a carriage return is not skipped";
}

TEST(LenientNumber, ReadsHexadecimalAndOctalAs32BitIntegers) {
  EXPECT_EQ(LenientNumber("&H10"), 16);
  EXPECT_EQ(LenientNumber("&hff"), 255);
  EXPECT_EQ(LenientNumber("&O17"), 15);
  EXPECT_EQ(LenientNumber("&O19"), 1);
  EXPECT_EQ(LenientNumber("&HFFFF"), 65535);
  EXPECT_EQ(LenientNumber("&HFFFFFFFF"), -1);
  EXPECT_EQ(LenientNumber("&H80000000"), -2147483648.0);
  EXPECT_EQ(LenientNumber("&H"), 0);
  EXPECT_EQ(LenientNumber("&X1"), 0);
  EXPECT_THROW(LenientNumber("&H100000000"), OverflowError);
  EXPECT_THROW(LenientNumber("&O77777777777"), OverflowError);
}

TEST(LenientNumber, OverflowIsAnErrorAndUnderflowIsNot) {
  EXPECT_THROW(LenientNumber("1e400"), OverflowError);
  EXPECT_THROW(LenientNumber("-1e309"), OverflowError);
  EXPECT_THROW(LenientNumber("1e99999999999999999999"), OverflowError);
  EXPECT_THROW(LenientNumber(std::string(400, '9')), OverflowError);
  EXPECT_EQ(LenientNumber("1e-400"), 0);
  EXPECT_EQ(LenientNumber("0.0000001e-99999999999"), 0);
  EXPECT_EQ(LenientNumber("4.9e-324"), 4.9e-324);
  EXPECT_EQ(LenientNumber("1.7976931348623157e308"), 1.7976931348623157e308);
  EXPECT_EQ(LenientNumber("0e999999"), 0);
}

// The conversion must round exactly as the C library does for the same digits.
TEST(LenientNumber, OverflowQuotesOnlyTheBeginningOfAHugeText) {
  const std::string huge = "1" + std::string(100000, '0');
  try {
    LenientNumber(huge);
    FAIL() << "no overflow";
  } catch (const OverflowError& e) {
    EXPECT_LT(std::string(e.what()).size(), 200u);
  }
}

TEST(LenientNumber, PlainNumberIsOneWholeDecimal) {
  for (const char* number : {"12", "-0.25", ".5", "7.", "1E-09", "+3e2"}) EXPECT_TRUE(IsPlainNumber(number)) << number;
  for (const char* label : {"", "B3", "~12", "12A", "1e", ".", "1 2", "&H10"})
    EXPECT_FALSE(IsPlainNumber(label)) << label;
}

TEST(LenientNumber, AgreesWithStrtodOnGeneratedNumbers) {
  std::mt19937_64 random(42);
  char text[64];
  for (int i = 0; i < 20000; ++i) {
    const int exponent = static_cast<int>(random() % 600) - 300;
    const double mantissa = std::ldexp(static_cast<double>(random() >> 11), -53) * 10;
    std::snprintf(text, sizeof text, "%.*fe%d", static_cast<int>(random() % 20), mantissa, exponent);
    ASSERT_EQ(LenientNumber(text), std::strtod(text, nullptr)) << text;
  }
  for (int e = -330; e <= 307; ++e) {
    std::snprintf(text, sizeof text, "9.999999999999999999e%d", e);
    ASSERT_EQ(LenientNumber(text), std::strtod(text, nullptr)) << text;
  }
}

}  // namespace
}  // namespace korvel
