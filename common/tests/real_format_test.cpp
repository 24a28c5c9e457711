#include "common/real_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <regex>

#include "common/error.h"

namespace korvel {
namespace {

TEST(RealFormat, WritesPlainFormWithoutLeadingZeroOrTrailingZeros) {
  EXPECT_EQ(FormatReal(1600), "1600");
  EXPECT_EQ(FormatReal(-180), "-180");
  EXPECT_EQ(FormatReal(0.002), ".002");
  EXPECT_EQ(FormatReal(-0.5), "-.5");
  EXPECT_EQ(FormatReal(-0.25), "-.25");
  EXPECT_EQ(FormatReal(1.5), "1.5");
  EXPECT_EQ(FormatReal(30000), "30000");
  EXPECT_EQ(FormatReal(0.0001), ".0001");
  EXPECT_EQ(FormatReal(123456789012345.0), "123456789012345");
  EXPECT_EQ(FormatReal(100000000000000.0), "100000000000000");
}

TEST(RealFormat, WritesZeroOfEitherSignAs0) {
  EXPECT_EQ(FormatReal(0.0), "0");
  EXPECT_EQ(FormatReal(-0.0), "0");
}

TEST(RealFormat, RoundsInTheFifteenthDigit) {
  EXPECT_EQ(FormatReal(0.1 + 0.2), ".3");
  EXPECT_EQ(FormatReal(2.0 / 3), ".666666666666667");
  EXPECT_EQ(FormatReal(-2.0 / 3), "-.666666666666667");
  EXPECT_EQ(FormatReal(1234567890123456.0), "1.23456789012346E+15");
  EXPECT_EQ(FormatReal(999999999999999.9), "1E+15") << "rounding up changes the exponent";
  EXPECT_EQ(FormatReal(0.000099999999999999999), ".0001");
  EXPECT_EQ(FormatReal(2.75790315580631E-02), ".0275790315580631");
}

TEST(RealFormat, WritesExponentFormOutsideTheRange) {
  EXPECT_EQ(FormatReal(0.00001), "1E-05");
  EXPECT_EQ(FormatReal(1e15), "1E+15");
  EXPECT_EQ(FormatReal(1.5e-9), "1.5E-09");
  EXPECT_EQ(FormatReal(2.5e20), "2.5E+20");
  EXPECT_EQ(FormatReal(1e100), "1E+100");
  EXPECT_EQ(FormatReal(-3.25e-300), "-3.25E-300");
  EXPECT_EQ(FormatReal(-4.40858287376056E-14), "-4.40858287376056E-14");
  EXPECT_EQ(FormatReal(4.9e-324), "4.94065645841247E-324");
  EXPECT_EQ(FormatReal(1.7976931348623157e308), "1.79769313486232E+308");
}

TEST(RealFormat, RefusesWhatIsNotAFiniteNumber) {
  std::string out;
  EXPECT_THROW(AppendReal(out, std::numeric_limits<double>::infinity()), Error);
  EXPECT_THROW(AppendReal(out, -std::numeric_limits<double>::infinity()), Error);
  EXPECT_THROW(AppendReal(out, std::numeric_limits<double>::quiet_NaN()), Error);
  EXPECT_EQ(out, "");
}

// The written value must be printf's 15-digit rounding, in the agreed form.
TEST(RealFormat, AgreesWithPrintfOnGeneratedValues) {
  const std::regex plain(R"(-?(0|[1-9][0-9]*(\.[0-9]*[1-9])?|\.[0-9]*[1-9]))");
  const std::regex exponent(R"(-?[1-9](\.[0-9]*[1-9])?E[-+][0-9]{2,3})");
  std::mt19937_64 random(7);
  char reference[64];
  for (int i = 0; i < 50000; ++i) {
    double v = std::ldexp(static_cast<double>(random() >> 11), static_cast<int>(random() % 200) - 150);
    if (i % 3 == 0) v = std::round(v);
    // Short decimals, as coordinates usually are, and sums that miss them (0.1 + 0.2).
    if (i % 5 == 1) v = static_cast<double>(random() % 1'000'000'000'000) / std::pow(10.0, random() % 9);
    if (i % 5 == 2) v = static_cast<double>(random() % 1000) / 10 + static_cast<double>(random() % 100) / 100;
    if (i % 2) v = -v;
    std::snprintf(reference, sizeof reference, "%.14e", v);
    const std::string written = FormatReal(v);
    ASSERT_EQ(std::strtod(written.c_str(), nullptr), std::strtod(reference, nullptr)) << written;
    const int decimalExponent = std::atoi(std::strchr(reference, 'e') + 1);
    const bool exponentForm = v != 0 && (decimalExponent < -4 || decimalExponent > 14);
    ASSERT_TRUE(std::regex_match(written, exponentForm ? exponent : plain)) << written << " for " << reference;
  }
}

}  // namespace
}  // namespace korvel
