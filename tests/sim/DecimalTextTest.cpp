#include "sim/DecimalText.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(DecimalText, ReadsTheLongestDecimalPrefix) {
  const std::pair<const char*, double> cases[] = {
      {"12abc", 12}, {"  -3.5e2x", -350}, {".5", 0.5},     {"5.", 5},      {"+7", 7}, {"1e", 1},  {"1e+", 1},
      {"2E3", 2000}, {"     500", 500},   {"\t\n 42", 42}, {"1.5.5", 1.5}, {"-0", 0}, {"007", 7},
  };
  for (const auto& [text, value] : cases) EXPECT_DOUBLE_EQ(ParseDecimal(text), value) << '"' << text << '"';
}

TEST(DecimalText, TextThatIsNoNumberReadsAsZero) {
  for (const char* text : {"", "abc", "+", "-", ".", "e5", "-.e1", "0x10", "inf", "nan", "infinity", "  "}) {
    EXPECT_EQ(ParseDecimal(text), 0) << '"' << text << '"';
  }
  EXPECT_EQ(ParseDecimal(nullptr), 0);
}

TEST(DecimalText, HugeExponentsGiveInfinityNotGarbage) {
  EXPECT_EQ(ParseDecimal("1e999"), std::numeric_limits<double>::infinity());
  EXPECT_EQ(ParseDecimal("-1e999"), -std::numeric_limits<double>::infinity());
}

TEST(DecimalText, TruncationSaturatesAtTheEndsOfTheRange) {
  EXPECT_EQ(TruncateToInt32(2.9), 2);
  EXPECT_EQ(TruncateToInt32(-2.9), -2);
  EXPECT_EQ(TruncateToInt32(2147483647.0), 2147483647);
  EXPECT_EQ(TruncateToInt32(2147483648.0), 2147483647);
  EXPECT_EQ(TruncateToInt32(-2147483649.0), -2147483647 - 1);
  EXPECT_EQ(TruncateToInt32(1e300), 2147483647);
  EXPECT_EQ(TruncateToInt32(-std::numeric_limits<double>::infinity()), -2147483647 - 1);
  EXPECT_EQ(TruncateToInt32(std::numeric_limits<double>::quiet_NaN()), 0);
}

}  // namespace
